// What the program gives out, one road per test: the real binary exporting with no display, and the
// window's actions by their shortcuts with the dialogs answered by the test. Every road gives the
// window's own picture and lists; bad command lines and set-up files write and change nothing.

#include "Dialogs.h"
#include "Examples.h"
#include "Export.h"
#include "FileWriting.h"
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
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Odd segments, the range inside the count, every harmonic listed, the envelope as a curve.
const QString kLesson = u"--packet 2,9,12,12,1,4,1,7 --unit 780 --harmonics 49 --range 3,7 "
                        "--show-all --envelope curve --export lesson.tovenal"_s;

// The cells of the harmonics table's rows, after its comment block and its header.
QList<QStringList> csvRows(const QByteArray& csv) {
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(csv).split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(u'#') && !line.startsWith(u'k'))
            rows << line.split(u',');
    return rows;
}

// The listed texts of the rows as the window's two lists show them side by side, "k = A | k = φ"
// lines, as WindowTest::state() ends.
std::string listedColumns(const QByteArray& csv) {
    QString lines;
    for (const QStringList& cells : csvRows(csv))
        if (!cells[4].isEmpty())
            lines += QStringLiteral("%1 = %2 | %1 = %3\n").arg(cells[0], cells[4], cells[5]);
    return lines.toStdString();
}

class Export : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        saved = dialogs();
        dialogs().saveFileName = [this](auto&&...) { return path(answer); };
        dialogs().openFileName = [this](auto&&...) { return path(answer); };
        dialogs().pictureScale = [](QWidget*) { return std::optional(2); };
        dialogs().warn = [this](QWidget*, const QString& text) { warnings << text; };
        dialogs().print = [this](QWidget*, const std::function<void(QPrinter*)>& paint) {
            QPrinter printer;
            printer.setOutputFileName(path(u"printed.pdf"_s)); // a PDF, as its name says
            paint(&printer);
        };
        perform(u"activate"_s);
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
        program.start(QStringLiteral(TOVENAL_BINARY), arguments.split(u' ', Qt::SkipEmptyParts));
        program.waitForFinished(30000);
        return {program.exitCode(), QString::fromUtf8(program.readAll())};
    }
    // Exports the lesson with the program, which prints nothing when all goes well, and opens its
    // set-up in the window.
    void openLesson(const QString& exports) {
        ASSERT_EQ(run(kLesson + u' ' + exports), std::pair(0, QString()));
        choose(u"lesson.tovenal"_s, Qt::Key_O);
        ASSERT_EQ(Form1->f1->GetText(), u"0.0267094017094017"); // 1 / 37440 µs
    }
    // A shortcut typed with the focus in a field, with the file the dialog answers.
    void choose(const QString& file, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        answer = file;
        QTest::keyClick(Form1->Edit4->widget(), key, Qt::ControlModifier | modifiers);
    }
    // What the window's two lists show, as listedColumns() gives it.
    static std::string listsShown() { return state().section(u'\n', 2).toStdString(); }

    QTemporaryDir folder;
    Dialogs saved;
    QString answer;
    QStringList warnings;
};

} // namespace

TEST_F(Export, BadCommandLinesExitWithOneLineAndWriteNothing) {
    EXPECT_EQ(run(u"--export a.png --harmonics 250"_s),
              std::pair(2, u"tovenal: --harmonics: 250 is outside 1…200\n"_s));
    // Not even the good exports before the bad one.
    EXPECT_EQ(
        run(u"--export a.png --export none/b.png"_s),
        std::pair(1, u"tovenal: none/b.png: cannot write: the folder none does not exist\n"_s));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(Export, CommandLinePicturesAreTheWindows) {
    openLesson(u"--export a.png --export b.svg --export c.PDF"_s);
    ASSERT_EQ(run(u"lesson.tovenal --export g.png --scale 2"_s).first, 0);
    EXPECT_EQ(QImage(path(u"a.png"_s)).convertToFormat(QImage::Format_RGB32), picture());
    EXPECT_EQ(QImage(path(u"g.png"_s)), picture().scaled(picture().size() * 2)); // 2 × 2 blocks
    // The vectors: the picture's size, its lines and texts; one PDF page of exactly the picture.
    const QSvgRenderer svg(read(u"b.svg"_s));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(QPoint(0, 0), picture().size()));
    EXPECT_TRUE(read(u"b.svg"_s).contains(">A(f)</text>") &&
                read(u"b.svg"_s).contains(">1308</text>")); // 49 f1 in hertz
    EXPECT_EQ(pages(u"c.PDF"_s), 1);
    EXPECT_TRUE(read(u"c.PDF"_s).contains("/MediaBox [0 0 741.000000 455.000000]")); // 3/4 pt
}

TEST_F(Export, HarmonicsTableHoldsTheSetupAndTheListedNumbers) {
    openLesson(u"--export d.csv"_s);
    choose(u"h.csv"_s, Qt::Key_E);
    const QByteArray csv = read(u"d.csv"_s);
    EXPECT_EQ(read(u"h.csv"_s), csv);
    // The comments: the set-up file's values, then the period and f1 the window shows.
    const QStringList comments = QString::fromUtf8(csv).split(u'\n').filter(u"# "_s);
    const QStringList setup = QString::fromUtf8(read(u"lesson.tovenal"_s)).split(u'\n').mid(2, 6);
    ASSERT_EQ(comments.size(), 9);
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(comments[n + 1], u"# " + setup[n]);
    EXPECT_EQ(comments[7], u"# period_us = " + Form1->l_period->GetText());
    const double f1 = comments[8].section(u"# f1_khz = "_s, 1).toDouble();
    EXPECT_NEAR(f1, StrToFloat(Form1->f1->GetText()), 1e-15);
    // The rows: the lists' numbers are the full values, truncated; the mean value, pulses of 16 of
    // 48 units.
    EXPECT_EQ(listedColumns(csv), listsShown());
    const QList<QStringList> rows = csvRows(csv);
    ASSERT_EQ(rows.size(), 50);
    EXPECT_EQ(rows[0].mid(0, 3), QStringList({u"0"_s, u"0"_s, u"0.3333333333333333"_s}));
    for (const QStringList& row : rows) {
        SCOPED_TRACE(row.join(u',').toStdString());
        EXPECT_NEAR(row[1].toDouble(), row[0].toInt() * f1, 1e-12);
        EXPECT_EQ(row[4].toInt(), static_cast<int>(row[2].toDouble() * 1000.0L));
        EXPECT_EQ(QString(row[5]).remove(u'(').remove(u')').toInt(),
                  static_cast<int>(row[3].toDouble()));
    }
    // Without show-all the table marks only the harmonics the lists show.
    perform(u"CheckBox1"_s);
    choose(u"h.csv"_s, Qt::Key_E);
    EXPECT_EQ(listedColumns(read(u"h.csv"_s)), listsShown());
}

TEST_F(Export, SignalTableIsTheRebuiltPeriodTheWindowDraws) {
    openLesson(u"--export-signal s.csv"_s);
    choose(u"t.csv"_s, Qt::Key_E, Qt::ShiftModifier);
    const QByteArray csv = read(u"s.csv"_s);
    EXPECT_EQ(read(u"t.csv"_s), csv);
    const QStringList lines = QString::fromUtf8(csv).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 402);
    EXPECT_EQ(lines[0], u"t_us,u_v");
    // Sample j at j / 400 of the period; each starts the stroke to the next, in column 560 + j at
    // 100 pixels a volt under 0 V on row 360.
    const double period = Form1->l_period->GetText().toDouble();
    for (int j = 0; j <= 400; ++j) {
        const QStringList cells = lines[j + 1].split(u',');
        EXPECT_NEAR(cells[0].toDouble(), period * j / 400, 1e-9) << j;
        if (j < 400)
            EXPECT_EQ(at(picture(), 560 + j, static_cast<int>(360 - 100 * cells[1].toDouble())), 0u)
                << j;
    }
}

TEST_F(Export, SetupFilesSaveOpenAndDropAsTyped) {
    openLesson(QString());
    choose(u"saved.tovenal"_s, Qt::Key_S, Qt::ShiftModifier);
    EXPECT_EQ(read(u"saved.tovenal"_s), read(u"lesson.tovenal"_s));
    // A set-up dropped on the window opens.
    const auto lesson = std::pair(state(), picture());
    play(u"Edit10=3 CheckBox3"_s);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path(u"saved.tovenal"_s))});
    QDragEnterEvent enter(QPoint(600, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Form1->widget(), &enter);
    QDropEvent drop(QPointF(600, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Form1->widget(), &drop);
    EXPECT_TRUE(std::pair(state(), picture()) == lesson);
    // A bad file is reported and changes no field, list or pixel.
    ASSERT_FALSE(writeFileAtomically(path(u"bad.tovenal"_s), "version = 1\npacket = 1,2,3\n"));
    choose(u"bad.tovenal"_s, Qt::Key_O);
    EXPECT_TRUE(std::pair(state(), picture()) == lesson);
    EXPECT_EQ(warnings, QStringList(u"Установка не открыта.\n" + path(u"bad.tovenal"_s) +
                                    u":2: packet: \"1,2,3\" is not eight whole numbers separated "
                                    u"by commas"));
}

TEST_F(Export, WindowSavesCopiesAndPrints) {
    choose(u"w"_s, Qt::Key_S); // the kind chosen in the dialog gives the extension
    EXPECT_EQ(QImage(path(u"w.png"_s)), picture().scaled(picture().size() * 2));
    choose(u"w.pdf"_s, Qt::Key_S);
    EXPECT_EQ(pages(u"w.pdf"_s), 1);
    choose(QString(), Qt::Key_C, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture());
    choose(QString(), Qt::Key_P);
    EXPECT_EQ(pages(u"printed.pdf"_s), 1);
    // Ctrl+C in a list copies its lines, or the one selected.
    QTest::keyClick(Form1->ListBox2->widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Form1->ListBox2->Lines().join(u'\n'));
    Form1->ListBox1->listWidget()->setCurrentRow(2);
    QTest::keyClick(Form1->ListBox1->widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Form1->ListBox1->Line(2));
    // A save that fails says why.
    choose(u"none/h.csv"_s, Qt::Key_E);
    EXPECT_EQ(warnings, QStringList(u"Файл не сохранён.\n" + path(u"none/h.csv"_s) +
                                    u": cannot write: No such file or directory"));
}

// Each example of the menu, chosen with the envelope off, types its set-up in and shows the picture
// of its PNG export; a duty cycle its name states is the mean value.
TEST_F(Export, ExamplesShowWhatTheirNamesPromise) {
    perform(u"CheckBox3"_s);
    QList<QAction*> items;
    for (const QAction* action : Form1->contextMenu()->actions())
        if (action->menu())
            items = action->menu()->actions();
    ASSERT_EQ(items.size(), std::ssize(examples()));
    const QRegularExpression duty(u"Скважность (\\d+)|1/(\\d+) периода|(поровну)"_s);
    int stated = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const Example& example = examples()[static_cast<std::size_t>(i)];
        SCOPED_TRACE(example.name.toStdString());
        EXPECT_EQ(items[i]->text(), example.name);
        items[i]->trigger();
        EXPECT_EQ(Form1->currentSetup(), example.setup);
        const spectrum::PassResult pass = spectrum::computePass(passInputOf(example.setup));
        const QByteArray png = pngOf(pictureOf(pass, filledEnvelope(example.setup)), 1);
        EXPECT_EQ(picture(), QImage::fromData(png).convertToFormat(QImage::Format_RGB32));
        if (const auto match = duty.match(example.name); match.hasMatch()) {
            const int cycle =
                match.hasCaptured(3) ? 2 : QString(match.captured(1) + match.captured(2)).toInt();
            EXPECT_NEAR(Form1->lastPass().harmonics[0].amplitude, 1.0 / cycle, 1e-9);
            ++stated;
        }
    }
    EXPECT_GE(stated, 1) << "no example names its duty cycle any more";
}
