// The window's context menu and shortcuts, with the dialogs answered by the test: what is saved,
// copied and printed is the window's own picture and text; a bad set-up changes nothing.

#include "Dialogs.h"
#include "Examples.h"
#include "Export.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

class WindowActions : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        saved = dialogs();
        dialogs().saveFileName = [this](QWidget*, const QString&, const QString& suggested,
                                        const QString&, QString* filter) {
            asked << QFileInfo(suggested).fileName();
            if (filter && !answerFilter.isEmpty())
                *filter = answerFilter;
            return answer;
        };
        dialogs().openFileName = [this](QWidget*, const QString&, const QString&, const QString&) {
            return answer;
        };
        dialogs().pictureScale = [](QWidget*) { return std::optional(1); };
        dialogs().warn = [this](QWidget*, const QString& text) { warnings << text; };
        dialogs().print = [this](QWidget*, const std::function<void(QPrinter*)>& paint) {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path("printed.pdf"));
            paint(&printer);
        };
        perform(QStringLiteral("activate"));
    }
    void TearDown() override {
        dialogs() = saved;
        WindowTest::TearDown();
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    // Triggers the menu item whose text starts with `text`, as a click on it would.
    static void choose(const QString& text) {
        for (QAction* action : Form1->contextMenu()->actions())
            if (action->text().startsWith(text))
                return action->trigger();
        ADD_FAILURE() << "no menu item " << text.toStdString();
    }

    QTemporaryDir folder;
    Dialogs saved;
    QString answer, answerFilter;
    QStringList asked, warnings;
};

} // namespace

TEST_F(WindowActions, SavedCopiedAndPrintedPicturesAreTheWindows) {
    answer = path("a");
    choose("Сохранить рисунок");
    EXPECT_EQ(QImage(path("a.png")).convertToFormat(QImage::Format_RGB32), picture());
    answer = path("b.pdf");
    choose("Сохранить рисунок");
    EXPECT_TRUE(QFile::exists(path("b.pdf")));

    // Shortcuts work with the focus in a field, without the menu.
    Form1->Show();
    Form1->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1->widget()));
    Form1->Edit4->widget()->setFocus();
    QTest::keyClick(Form1->Edit4->widget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture());
    QTest::keyClick(Form1->Edit4->widget(), Qt::Key_P, Qt::ControlModifier);
    QFile printed(path("printed.pdf"));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(printed.readAll())
                  .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))),
              1);
    answer = path("h.csv");
    QTest::keyClick(Form1->Edit4->widget(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(path("h.csv")));
    EXPECT_EQ(asked, QStringList({"spectrum.png", "spectrum.png", "harmonics.csv"}));
    EXPECT_EQ(warnings, QStringList());
}

TEST_F(WindowActions, ListsCopyTheirLinesAsShown) {
    QTest::keyClick(Form1->ListBox2->widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Form1->ListBox2->Lines().join(u'\n'));
    Form1->ListBox1->listWidget()->setCurrentRow(2);
    QTest::keyClick(Form1->ListBox1->widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "2 = 275");
}

TEST_F(WindowActions, ExamplesAndSetupFilesApplyAsTyped) {
    QMenu* examplesMenu = nullptr;
    for (QAction* action : Form1->contextMenu()->actions())
        if (action->menu())
            examplesMenu = action->menu();
    ASSERT_NE(examplesMenu, nullptr);
    ASSERT_GE(examplesMenu->actions().size(), 5);
    for (QAction* action : examplesMenu->actions()) {
        action->trigger();
        const ::Setup& setup = examples()[examplesMenu->actions().indexOf(action)].setup;
        EXPECT_EQ(Form1->currentSetup(), setup) << action->text().toStdString();
        EXPECT_EQ(picture(),
                  pictureOf(spectrum::computePass(passInputOf(setup)), filledEnvelope(setup)))
            << action->text().toStdString();
    }

    // A saved set-up opens again; a dropped one too.
    examplesMenu->actions().front()->trigger();
    answer = path("square.tovenal");
    choose("Сохранить установку");
    examplesMenu->actions().back()->trigger();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(answer)});
    QDragEnterEvent enter(QPoint(600, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Form1->widget(), &enter);
    QDropEvent drop(QPointF(600, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Form1->widget(), &drop);
    EXPECT_EQ(Form1->currentSetup(), examples().front().setup);

    // A bad file is reported and changes nothing.
    const QString before = state();
    const QImage shown = picture();
    QFile bad(path("bad.tovenal"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("version = 1\npacket = 1,2,3\n");
    bad.close();
    answer = bad.fileName();
    choose("Открыть установку");
    EXPECT_EQ(state(), before);
    EXPECT_EQ(picture(), shown);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("bad.tovenal:2")) << warnings[0].toStdString();
}

TEST_F(WindowActions, RightClickShowsTheMenuAndRunsNoPass) {
    int popups = 0;
    Form1->OnContextPopup = [&popups](QPoint) { ++popups; };
    const auto passes = Form1->passCount();
    QTest::mouseClick(Form1->widget(), Qt::RightButton, {}, QPoint(600, 100));
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(600, 100), QCursor::pos());
    QApplication::sendEvent(Form1->widget(), &request);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(Form1->passCount(), passes);
    // A save that fails says why and writes nothing.
    answer = path("missing/folder/x.csv");
    choose("Экспорт сигнала");
    EXPECT_EQ(warnings.size(), 1);
}
