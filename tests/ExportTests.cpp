// What the program gives out, one road per test: the real binary with no display, and the window's
// actions by their shortcuts with the dialogs answered by the test. Every road gives the window's
// own picture, lists and sound; bad command lines and set-up files write and change nothing.

#include "Dialogs.h"
#include "Examples.h"
#include "Export.h"
#include "FileWriting.h"
#include "GifReading.h"
#include "ReferenceFile.h"
#include "SetupInput.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <complex>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

// Odd segments, the range inside the count, every harmonic listed, the envelope as a curve.
const QString kLesson = u"--packet 2,9,12,12,1,4,1,7 --unit 780 --harmonics 49 --range 3,7 "
                        "--show-all --envelope curve --export lesson.tovenal"_s;

// The rows of a harmonics table that the window's lists show, "k = A | k = φ" lines as
// WindowTest::state() ends.
std::string listedRows(const QByteArray& csv) {
    QString listed;
    for (const QString& line : QString::fromUtf8(csv).split(u'\n', Qt::SkipEmptyParts))
        if (const QStringList cells = line.split(u','); line[0].isDigit() && !cells[4].isEmpty())
            listed += QStringLiteral("%1 = %2 | %1 = %3\n").arg(cells[0], cells[4], cells[5]);
    return listed.toStdString();
}

class Export : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        // Settings of this test's own, so that tests running side by side keep their folders.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        saved = dialogs();
        dialogs().saveFileName = [this](QWidget*, const QString&, const QString& suggested,
                                        const QString&, QString*) {
            suggestions << suggested;
            return path(answer);
        };
        dialogs().openFileName = [this](auto&&...) { return path(answer); };
        dialogs().pictureSize = [this](QWidget*, bool) { return std::optional(pictureAnswer); };
        dialogs().warn = [this](QWidget*, const QString& text) { warnings << text; };
        dialogs().print = [this](QWidget*, const std::function<void(QPrinter*)>& paint) {
            QPrinter printer;
            printer.setOutputFileName(path(u"printed.pdf"_s)); // a PDF, as its name says
            paint(&printer);
        };
        showActive();
    }
    void TearDown() override {
        dialogs() = saved;
        WindowTest::TearDown();
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray read(const QString& name) const { return fileBytes(path(name)); }
    int pages(const QString& name) const {
        return QString::fromLatin1(read(name)).count(QRegularExpression(u"/Type\\s*/Page[^s]"_s));
    }
    // The real program in the scratch folder with no display, or the `environment` given: its exit
    // code and all it printed.
    std::pair<int, QString> run(const QString& arguments,
                                const QStringList& environment = {}) const {
        QProcess program;
        program.setEnvironment(QProcess::systemEnvironment().filter(QRegularExpression(
                                   u"^(?!DISPLAY=|WAYLAND_DISPLAY=|QT_QPA_PLATFORM=)"_s)) +
                               environment);
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
    // What the window's two lists show, as listedRows() gives it.
    static std::string listsShown() { return state().section(u'\n', 2).toStdString(); }

    QTemporaryDir folder;
    Dialogs saved;
    QString answer;
    PictureSize pictureAnswer{.scale = 2, .slide = std::nullopt};
    QStringList warnings;
    QStringList suggestions; // the paths the save dialogs suggested, in order
};

} // namespace

TEST_F(Export, BadCommandLinesExitWithOneLineAndWriteNothing) {
    EXPECT_EQ(run(u"--export a.png --harmonics 250"_s),
              std::pair(2, u"tovenal: --harmonics: 250 is outside 1…200\n"_s));
    // Not even the good exports before the bad one, nor the measures.
    EXPECT_EQ(
        run(u"--export a.png --export none/b.png --measures"_s),
        std::pair(1, u"tovenal: none/b.png: cannot write: the folder none does not exist\n"_s));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    // A desktop session's platform with no display in reach writes all the same, then prints the
    // measures (the default 3 × 100 µs); the measures alone open no window.
    const auto written =
        run(u"--export a.png --measures"_s, {u"QT_QPA_PLATFORM=xcb"_s, u"DISPLAY=:999"_s});
    EXPECT_EQ(written.first, 0);
    EXPECT_TRUE(written.second.startsWith(u"# Tovenal measures\nperiod_us = 300\n"));
    EXPECT_EQ(QImage(path(u"a.png"_s)).size(), picture().size());
    EXPECT_EQ(run(u"--measures"_s), written);
    // The drawings asked for are in the picture: the reviewed one of the window with both on.
    ASSERT_EQ(run(u"--packet 1,0,0,0,0,0,0,1 --range 1,1 --ideal --bandwidth 90 --export o.png"_s),
              std::pair(0, QString()));
    EXPECT_EQ(QImage(path(u"o.png"_s)).convertToFormat(QImage::Format_RGB32),
              QImage(referencePath(u"overlays.png"_s)).convertToFormat(QImage::Format_RGB32));
}

TEST_F(Export, CommandLinePicturesAndSoundAreTheWindows) {
    openLesson(u"--export a.png --export b.svg --export c.PDF --export e.wav --seconds 1"_s);
    ASSERT_EQ(run(u"lesson.tovenal --export g.png --export d.gif --scale 2 --frame-ms 250"_s),
              std::pair(0, QString()));
    const QImage doubled = picture().scaled(picture().size() * 2); // 2 × 2 blocks
    EXPECT_EQ(QImage(path(u"a.png"_s)).convertToFormat(QImage::Format_RGB32), picture());
    EXPECT_EQ(QImage(path(u"g.png"_s)), doubled);
    // The vectors: the picture's size, its lines and texts; one PDF page of exactly the picture.
    const QSvgRenderer svg(read(u"b.svg"_s));
    EXPECT_EQ(svg.viewBox(), QRect(QPoint(0, 0), picture().size()));
    EXPECT_TRUE(read(u"b.svg"_s).contains(">A(f)</text>") &&
                read(u"b.svg"_s).contains(">1308</text>")); // 49 f1 in hertz
    EXPECT_EQ(pages(u"c.PDF"_s), 1);
    EXPECT_TRUE(read(u"c.PDF"_s).contains("/MediaBox [0 0 741.000000 455.000000]")); // 3/4 pt
    // The sound: 44 bytes of header and 1 s of 48000 two-byte samples (the sound suite checks
    // the header byte by byte); by DFT over 25 periods of 1797.12 samples after the fade in,
    // harmonics 3 … 7 at the reviewed amplitudes and no other, 1 V being half of full scale.
    const QByteArray wav = read(u"e.wav"_s);
    ASSERT_EQ(wav.size(), 44 + 2 * 48000);
    const QStringList table =
        QString::fromUtf8(referenceBytes(u"lesson-harmonics.csv"_s)).split(u'\n');
    for (int k = 1; k <= 8; ++k) {
        std::complex<double> sum;
        for (int n = 480; n < 480 + 44928; ++n)
            sum += double(qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * n)) *
                   std::polar(1.0, -2 * std::numbers::pi * k * n / 1797.12);
        const QString reviewed =
            k >= 3 && k <= 7 ? table.value(10 + k).section(u',', 2, 2) : u"0"_s;
        EXPECT_NEAR(std::abs(sum) * 4 / 44928 / 32767, reviewed.toDouble(), 1e-3) << k;
    }
    // The build-up of 3 … 7 at the pace asked, 25 hundredths of a second, the last held 3 s; each
    // frame its range's picture.
    const auto gif = shownFrames(read(u"d.gif"_s));
    ASSERT_EQ(gif.size(), 5u);
    EXPECT_EQ(std::pair(gif[0].second, gif[4].second), std::pair(250, 3000));
    EXPECT_TRUE(gif[4].first == doubled);
    perform(u"Edit14:3"_s);
    EXPECT_TRUE(gif[0].first == picture().scaled(picture().size() * 2));
}

// The slides of the lecture hall are the reviewed ones of the defaults (with Russian numbers), in
// files of their size, and the last frame of the build-up is the slide of the whole range. A
// build-up shows its progress to a terminal, and to nothing else (run() would see it).
TEST_F(Export, CommandLineSlidesAreTheReviewedOnes) {
    EXPECT_EQ(
        run(u"--export s.png --export s.svg --export s.pdf --export s.gif --slide 1920x1080"_s,
            {u"LC_ALL=ru_RU.UTF-8"_s}),
        std::pair(0, QString()));
    const QImage slide =
        QImage(referencePath(u"slide-1920x1080.png"_s)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(QImage(path(u"s.png"_s)).convertToFormat(QImage::Format_RGB32), slide);
    const auto last = shownFrames(read(u"s.gif"_s), true);
    EXPECT_TRUE(last.size() == 1 && last[0].first == slide);
    EXPECT_EQ(QSvgRenderer(read(u"s.svg"_s)).viewBox(), QRect(0, 0, 1920, 1080));
    EXPECT_TRUE(read(u"s.pdf"_s).contains("/MediaBox [0 0 1440.000000 810.000000]")); // 3/4 pt
    QProcess terminal;
    terminal.setWorkingDirectory(folder.path());
    terminal.start(u"script"_s,
                   {u"-qec"_s, QStringLiteral(TOVENAL_BINARY " --range 18,20 --export p.gif"),
                    u"/dev/null"_s});
    ASSERT_TRUE(terminal.waitForFinished(30000));
    EXPECT_EQ(terminal.readAll(),
              "\rframe 1 of 3, p.gif\rframe 2 of 3, p.gif\rframe 3 of 3, p.gif\r\n");
}

// The lesson's tables, from the command line and the window, are the reviewed ones in
// tests/reference/ (f1 = 1 / 37440 µs; 400 steps of 93.6 µs); the listed harmonics are what the
// lists show, with show-all and without, and each sample starts the stroke to the next.
TEST_F(Export, TablesAreTheReviewedOnesAndWhatTheWindowShows) {
    openLesson(u"--export h.csv --export-signal s.csv"_s);
    choose(u"wh.csv"_s, Qt::Key_E);
    choose(u"ws.csv"_s, Qt::Key_E, Qt::ShiftModifier);
    for (const QString& table : {u"h"_s, u"s"_s}) {
        const QString reviewed = table == u"h" ? u"lesson-harmonics.csv"_s : u"lesson-signal.csv"_s;
        EXPECT_EQ(read(table + u".csv"_s).toStdString(), referenceBytes(reviewed).toStdString());
        EXPECT_EQ(read(u"w"_s + table + u".csv"_s), read(table + u".csv"_s));
    }
    EXPECT_EQ(listedRows(read(u"h.csv"_s)), listsShown());
    // Sample j in column 560 + j, 100 pixels a volt under 0 V on row 360.
    const QStringList samples = QString::fromUtf8(read(u"s.csv"_s)).split(u'\n').mid(1, 400);
    for (int j = 0; j < std::ssize(samples); ++j) {
        const int row = static_cast<int>(360 - 100 * samples[j].section(u',', 1).toDouble());
        EXPECT_EQ(at(picture(), 560 + j, row), 0u) << j;
    }
    perform(u"CheckBox1"_s);
    choose(u"wh.csv"_s, Qt::Key_E);
    EXPECT_EQ(listedRows(read(u"wh.csv"_s)), listsShown());
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
    // The next dialog opens where the last file went.
    EXPECT_EQ(suggestions.last(), path(u"spectrum.png"_s));
    choose(QString(), Qt::Key_P);
    EXPECT_EQ(std::pair(pages(u"w.pdf"_s), pages(u"printed.pdf"_s)), std::pair(1, 1));
    // A slide for the lecture hall instead: the reviewed one of the defaults, its numbers Russian.
    const QLocale locale;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    pictureAnswer = {.slide = QSize(1920, 1080)};
    choose(u"slide.png"_s, Qt::Key_S);
    QLocale::setDefault(locale);
    EXPECT_EQ(
        QImage(path(u"slide.png"_s)).convertToFormat(QImage::Format_RGB32),
        QImage(referencePath(u"slide-1920x1080.png"_s)).convertToFormat(QImage::Format_RGB32));
    choose(QString(), Qt::Key_C, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture());
    // Ctrl+C in a list copies its lines, or the one selected.
    QTest::keyClick(Form1->ListBox2->widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Form1->ListBox2->Lines().join(u'\n'));
    Form1->ListBox1->listWidget()->setCurrentRow(2);
    QTest::keyClick(Form1->ListBox1->widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Form1->ListBox1->Line(2));
    // A save that fails says why, the system's reason in Qt's words of the window's language.
    choose(u"none/h.csv"_s, Qt::Key_E);
    EXPECT_EQ(warnings, QStringList(u"Файл не сохранён.\n" + path(u"none/h.csv"_s) +
                                    u": cannot write: Файл или каталог не существует"));
}

// Each example of the menu, chosen with the envelope off, types in the set-up the reviewed list
// gives it and shows the picture of its PNG export; a duty cycle its name states is the mean value.
TEST_F(Export, ExamplesShowWhatTheirNamesPromise) {
    perform(u"CheckBox3"_s);
    QList<QAction*> items;
    for (const QAction* action : Form1->contextMenu().actions())
        if (action->menu() && items.isEmpty()) // the first submenu; the language's comes later
            items = action->menu()->actions();
    ASSERT_EQ(items.size(), std::ssize(examples()));
    const QRegularExpression duty(u"Скважность (\\d+)|1/(\\d+) периода|(поровну)"_s);
    int stated = 0;
    QString chosen;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const Example& example = examples()[static_cast<std::size_t>(i)];
        SCOPED_TRACE(example.name.toStdString());
        items[i]->trigger();
        // What the fields hold, not which of them is selected.
        chosen += items[i]->text() + u": "_s + summary().remove(u'*') + u'\n';
        const spectrum::PassResult pass = spectrum::computePass(passInputOf(example.setup));
        const QByteArray png = pngOf(pictureOf(pass, filledEnvelope(example.setup)), 1);
        EXPECT_EQ(picture(), QImage::fromData(png).convertToFormat(QImage::Format_RGB32));
        if (const auto match = duty.match(example.name); match.hasMatch()) {
            const int cycle =
                match.hasCaptured(3) ? 2 : QString(match.captured(1) + match.captured(2)).toInt();
            EXPECT_NEAR(Form1->passes().latest().harmonics[0].amplitude, 1.0 / cycle, 1e-9);
            ++stated;
        }
    }
    EXPECT_GE(stated, 1) << "no example names its duty cycle any more";
    EXPECT_EQ(chosen.toStdString(), referenceBytes(u"examples.txt"_s).toStdString());
}
