// What the program gives out: the real binary exporting with no display, and the window's actions
// by their shortcuts with the dialogs answered by the test. Every road gives the window's own
// picture and lists; bad command lines and set-up files write and change nothing.

#include "CommandLine.h"
#include "Dialogs.h"
#include "Export.h"
#include "FileWriting.h"
#include "SetupFile.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

// The listed texts of the harmonics table's rows as the window's two lists show them side by side,
// "k = A | k = φ" lines, as WindowTest::state() ends.
std::string listedColumns(const QByteArray& csv) {
    const QRegularExpression row(uR"(^(\d+),.*,([^,\n]+),([^,\n]+)$)"_s,
                                 QRegularExpression::MultilineOption);
    QString lines;
    for (const QRegularExpressionMatch& cells : row.globalMatch(QString::fromUtf8(csv)))
        lines += QStringLiteral("%1 = %2 | %1 = %3\n")
                     .arg(cells.captured(1), cells.captured(2), cells.captured(3));
    return lines.toStdString();
}

class Export : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        saved = dialogs();
        dialogs().saveFileName = [this](auto&&...) { return answer; };
        dialogs().openFileName = [this](auto&&...) { return answer; };
        dialogs().pictureScale = [](QWidget*) { return std::optional(2); };
        dialogs().warn = [this](QWidget*, const QString& text) { warnings << text; };
        dialogs().print = [this](QWidget*, const std::function<void(QPrinter*)>& paint) {
            QPrinter printer;
            printer.setOutputFileName(path(u"printed.pdf"_s)); // a PDF, as its name says
            paint(&printer);
        };
        perform(QStringLiteral("activate"));
        Form1->Show();
        Form1->widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1->widget()));
    }
    void TearDown() override {
        dialogs() = saved;
        WindowTest::TearDown();
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    int pages(const QString& name) const {
        return QString::fromLatin1(read(name)).count(QRegularExpression(u"/Type\\s*/Page[^s]"_s));
    }
    // The real program in the scratch folder with no display: its exit code and all it printed.
    std::pair<int, QString> run(const QString& arguments) const {
        QProcess program;
        program.setEnvironment(QProcess::systemEnvironment().filter(
            QRegularExpression(u"^(?!DISPLAY=|WAYLAND_DISPLAY=|QT_QPA_PLATFORM=)"_s)));
        program.setWorkingDirectory(folder.path());
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(TOVENAL_BINARY), arguments.split(u' '));
        program.waitForFinished(30000);
        return {program.exitCode(), QString::fromUtf8(program.readAll())};
    }
    // What the window's two lists show, as listedColumns() gives it.
    static std::string listsShown() { return state().section(u'\n', 2).toStdString(); }
    // A shortcut typed with the focus in a field.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(Form1->Edit4->widget(), key, modifiers);
    }

    QTemporaryDir folder;
    Dialogs saved;
    QString answer;
    QStringList warnings;
};

} // namespace

TEST_F(Export, EveryRoadGivesTheWindowsPictureAndListsOrNothing) {
    // A bad command line exits with one line and writes nothing, not even its good exports.
    EXPECT_EQ(run(u"--export a.png --harmonics 250"_s),
              std::pair(2, u"tovenal: --harmonics: 250 is outside 1…200\n"_s));
    EXPECT_EQ(run(u"--export a.png --export none/b.png"_s),
              std::pair(1, u"tovenal: none/b.png: cannot write: the folder none does not "
                                   "exist\n"_s));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    // Odd segments, the range inside the count, every harmonic listed, the envelope as a curve.
    const auto [exitCode, output] = run(
        u"--packet 2,9,12,12,1,4,1,7 --unit 780 --harmonics 49 --range 3,7 --show-all --envelope "
        "curve --export a.png --export b.svg --export c.PDF --export d.csv --export e.tovenal "
        "--export-signal s.csv"_s);
    ASSERT_EQ(exitCode, 0) << output.toStdString();
    EXPECT_EQ(output, QString()); // a successful run prints nothing
    ASSERT_EQ(run(u"e.tovenal --export g.png --scale 2"_s).first, 0);
    // The window opens the set-up the program wrote.
    answer = path(u"e.tovenal"_s);
    press(Qt::Key_O);
    EXPECT_EQ(QImage(path(u"a.png"_s)).convertToFormat(QImage::Format_RGB32), picture());
    const QImage scaled(path(u"g.png"_s)); // each pixel a 2 × 2 block
    EXPECT_EQ(scaled, picture().scaled(picture().size() * 2, Qt::IgnoreAspectRatio));
    const QByteArray csv = read(u"d.csv"_s);
    EXPECT_EQ(listedColumns(csv), listsShown());
    // The mean value, pulses of 16 of 48 units; f1 = 1 / 37440 µs; the last sample at the period.
    EXPECT_TRUE(csv.contains("\n0,0,0.3333333333333333,") &&
                csv.contains("\n1,0.026709401709401708,"));
    EXPECT_TRUE(read(u"s.csv"_s).count('\n') == 402 && read(u"s.csv"_s).contains("\n37440,"));
    // The vectors: well-formed XML with the drawing's lines and texts; one PDF page, the picture's.
    QXmlStreamReader svg(read(u"b.svg"_s));
    int shapes = 0;
    while (!svg.atEnd())
        shapes += svg.readNext() == QXmlStreamReader::StartElement &&
                  (svg.name() == u"rect" || svg.name() == u"polyline");
    EXPECT_TRUE(!svg.hasError() && shapes > 100) << svg.errorString().toStdString() << shapes;
    EXPECT_TRUE(read(u"b.svg"_s).contains(">A(f)</text>") && read(u"b.svg"_s).contains(">1308</text>"));
    EXPECT_EQ(pages(u"c.PDF"_s), 1);
    EXPECT_TRUE(read(u"c.PDF"_s).contains("/MediaBox [0 0 741.000000 455.000000]"));

    // The window's own actions: the same picture and tables.
    answer = path(u"w"_s); // the kind chosen in the dialog gives the extension; the scale is 2
    press(Qt::Key_S);
    EXPECT_EQ(QImage(path(u"w.png"_s)), scaled);
    answer = path(u"w.pdf"_s);
    press(Qt::Key_S);
    EXPECT_EQ(pages(u"w.pdf"_s), 1);
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture());
    press(Qt::Key_P);
    EXPECT_EQ(pages(u"printed.pdf"_s), 1);
    answer = path(u"h.csv"_s);
    press(Qt::Key_E);
    EXPECT_EQ(read(u"h.csv"_s), csv);
    answer = path(u"t.csv"_s);
    press(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(read(u"t.csv"_s), read(u"s.csv"_s));
    // Without show-all the table marks only the harmonics the lists show.
    perform(QStringLiteral("CheckBox1"));
    press(Qt::Key_E);
    EXPECT_EQ(listedColumns(read(u"t.csv"_s)), listsShown());
    // Ctrl+C in a list copies its lines, or the one selected.
    QTest::keyClick(Form1->ListBox2->widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Form1->ListBox2->Lines().join(u'\n'));
    Form1->ListBox1->listWidget()->setCurrentRow(2);
    QTest::keyClick(Form1->ListBox1->widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Form1->ListBox1->Line(2));
    // A right click is no click: it runs no pass (the menu it opens is the end-to-end test's).
    const auto passes = Form1->passCount();
    QTest::mouseClick(Form1->widget(), Qt::RightButton, {}, QPoint(600, 100));
    EXPECT_EQ(Form1->passCount(), passes);

    // A save that fails says why.
    answer = path(u"none/t.csv"_s);
    press(Qt::Key_E);
    EXPECT_EQ(warnings, QStringList(u"Файл не сохранён.\n" + answer +
                                    u": cannot write: No such file or directory"));
}

TEST_F(Export, ExamplesAndSetupFilesOpenAsTyped) {
    // Square wave, duty cycles 4 and 8, two pulses, a code word, a short pulse, the defaults; each
    // from the envelope off, which it turns on before its fill.
    const ::Setup shown[] = {
        {{1, 0, 0, 0, 0, 0, 0, 1}, 100, 20, 1, 20}, {{1, 0, 0, 0, 0, 0, 0, 3}, 100, 20, 1, 20},
        {{1, 0, 0, 0, 0, 0, 0, 7}, 100, 40, 1, 40}, {{1, 1, 1, 0, 0, 0, 0, 3}, 100, 20, 1, 20},
        {{2, 1, 1, 3, 1, 1, 2, 5}, 100, 60, 1, 60}, {{1, 0, 0, 0, 0, 0, 0, 15}, 100, 80, 1, 80},
        {{1, 0, 0, 0, 0, 0, 0, 2}, 100, 20, 0, 20},
    };
    perform(QStringLiteral("CheckBox3"));
    const QList<QAction*> items = Form1->contextMenu()->actions().last()->menu()->actions();
    ASSERT_EQ(items.size(), std::ssize(shown));
    for (qsizetype i = 0; i < items.size(); ++i) {
        items[i]->trigger();
        EXPECT_EQ(setupFileText(Form1->currentSetup()), setupFileText(shown[i]));
        EXPECT_EQ(picture(), pictureOf(spectrum::computePass(passInputOf(shown[i])), true)) << i;
    }

    // A saved set-up opens again when dropped on the window.
    items.front()->trigger();
    answer = path(u"square.tovenal"_s);
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    items.back()->trigger();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(answer)});
    QDragEnterEvent enter(QPoint(600, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Form1->widget(), &enter);
    QDropEvent drop(QPointF(600, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Form1->widget(), &drop);
    EXPECT_EQ(Form1->currentSetup(), shown[0]);

    // A bad file is reported and changes no field, list or pixel.
    const auto before = std::pair(state(), picture());
    answer = path(u"bad.tovenal"_s);
    ASSERT_FALSE(writeFileAtomically(answer, "version = 1\npacket = 1,2,3\n"));
    press(Qt::Key_O);
    EXPECT_TRUE(std::pair(state(), picture()) == before);
    EXPECT_EQ(warnings,
              QStringList(u"Установка не открыта.\n" + answer +
                          u":2: packet: \"1,2,3\" is not eight whole numbers separated by commas"));
}
