// The command line and the set-up files: what they make of the window's inputs, and the one-line
// refusal, with its exit code, of every bad command line and set-up file.

#include "CommandLine.h"
#include "SetupFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <random>
#include <span>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
void PrintTo(const Setup& setup, std::ostream* out) {
    *out << setupFileText(setup).mid(17).replace('\n', "; ").toStdString();
}

namespace {

// The set-up of the files "lesson.tovenal" and "reordered.tovenal" below.
const Setup lesson{{2, 1, 1, 1, 1, 1, 1, 3}, 10, 50, 10, 40, true, EnvelopeMode::Off};

struct Outcome {
    int exitCode = 0;
    QString message;
    Setup setup;
    CommandLine commandLine;
};

// A file of the default set-up with one line replaced (1 comment, 2 version, 3 packet, 4 unit,
// 5 harmonics, 6 range, 7 show-all, 8 envelope).
QByteArray withLine(int number, const QByteArray& line) {
    QList<QByteArray> lines = setupFileText(Setup{}).split('\n');
    lines[number - 1] = line;
    return lines.join('\n');
}

class SetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        write("lesson.tovenal", setupFileText(lesson));
        write("reordered.tovenal", "\xEF\xBB\xBF# by hand\r\n\r\nversion=1\r\n  envelope = off\r\n"
                                   "range = 10,40\nharmonics\t= 50\nshow-all = yes\n"
                                   "unit = 10 \n packet = 2,1,1,1,1,1,1,3");
        std::mt19937 random(13);
        QByteArray noise;
        for (int i = 0; i < 300; ++i)
            noise.append(static_cast<char>(random() & 0xFF));
        write("noise.tovenal", noise);
    }
    void write(const QString& name, const QByteArray& bytes) {
        ASSERT_FALSE(writeFileAtomically(dir.filePath(name), bytes));
    }
    // What the program does before it writes or shows anything; "%d" stands for the scratch folder.
    Outcome run(std::initializer_list<QString> arguments) {
        QStringList argv{"tovenal"};
        for (QString argument : arguments)
            argv.append(argument.replace("%d", dir.path()));
        Outcome outcome;
        auto failure = parseCommandLine(argv, outcome.commandLine);
        if (!failure)
            failure = resolveSetup(outcome.commandLine, outcome.setup);
        if (!failure)
            failure = checkExportTargets(outcome.commandLine);
        if (failure)
            return {failure->exitCode, "tovenal: " + failure->message, {}, {}};
        return outcome;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(SetupTest, GoodCommandLinesApplyTheFileThenTheOptionsInTheOrderOfTheWindow) {
    const EnvelopeMode off = EnvelopeMode::Off;
    const struct {
        std::initializer_list<QString> arguments;
        ::Setup expected;
    } cases[] = {
        {{}, ::Setup{}},
        {{"--harmonics", "5"}, {.harmonics = 5, .rangeFrom = 1, .rangeTo = 5}},
        {{"--range", "2,7", "--harmonics=9"}, {.harmonics = 9, .rangeFrom = 2, .rangeTo = 7}},
        {{"--packet", "3,1,0,0,0,0,0,1", "--unit", "007", "--show-all", "--envelope", "curve"},
         {{3, 1, 0, 0, 0, 0, 0, 1}, 7, 20, 0, 20, true, EnvelopeMode::Curve}},
        {{"--envelope", "off", "--range", "0,0"}, {.rangeTo = 0, .envelope = EnvelopeMode::Off}},
        {{"%d/lesson.tovenal"}, lesson},
        {{"%d/reordered.tovenal"}, lesson},
        {{"--unit", "5", "%d/lesson.tovenal"},
         {{2, 1, 1, 1, 1, 1, 1, 3}, 5, 50, 10, 40, true, off}},
        {{"%d/lesson.tovenal", "--range", "45,50"},
         {{2, 1, 1, 1, 1, 1, 1, 3}, 10, 50, 45, 50, true, off}},
        {{"%d/lesson.tovenal", "--harmonics", "30"},
         {{2, 1, 1, 1, 1, 1, 1, 3}, 10, 30, 1, 30, true, off}},
    };
    for (const auto& [arguments, expected] : cases) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.message, "") << QStringList(arguments).join(' ').toStdString();
        EXPECT_EQ(outcome.setup, expected) << QStringList(arguments).join(' ').toStdString();
    }
}

TEST_F(SetupTest, ExportsTakeTheirKindFromTheExtension) {
    const Outcome outcome = run({"--export", "%d/a.PNG", "--export", "%d/b.tovenal", "--scale", "3",
                                 "--export-signal", "%d/s.Csv", "--export", "%d/c.pdf"});
    ASSERT_EQ(outcome.message, "");
    const std::vector<ExportTarget> expected{{dir.filePath("a.PNG"), ExportKind::Png},
                                             {dir.filePath("b.tovenal"), ExportKind::Setup},
                                             {dir.filePath("c.pdf"), ExportKind::Pdf}};
    EXPECT_EQ(outcome.commandLine.exports, expected);
    EXPECT_EQ(outcome.commandLine.signalExport, dir.filePath("s.Csv"));
    EXPECT_EQ(outcome.commandLine.scale, 3);
    // Help and version are shown whatever else the line holds.
    EXPECT_TRUE(run({"-h", "--unit", "x"}).commandLine.help &&
                run({"--version"}).commandLine.version);
}

TEST_F(SetupTest, BadCommandLinesFailWithOneLineAndWriteNothing) {
    struct Case {
        std::initializer_list<QString> arguments;
        QString message;
    };
    const Case badInput[] = {
        {{"--harmonics", "250"}, "--harmonics: 250 is outside 1…200"},
        // 2^32 + 5: a 32-bit count would wrap to 5.
        {{"--harmonics", "4294967301"}, "--harmonics: 4294967301 is outside 1…200"},
        {{"--packet", "1,2,3"},
         "--packet: \"1,2,3\" is not eight whole numbers separated by commas"},
        {{"--packet", "1,0,0,0,0,0,0,0"}, "--packet: 1,0,0,0,0,0,0,0 has segment 8 outside 1…999"},
        {{"--packet", "1,0,1000,0,0,0,0,2"},
         "--packet: 1,0,1000,0,0,0,0,2 has segment 3 outside 0…999"},
        {{"--unit", "abc"}, "--unit: \"abc\" is not a whole number"},
        {{"--unit", " 5"}, "--unit: \" 5\" is not a whole number"},
        {{"--unit", "+5"}, "--unit: \"+5\" is not a whole number"},
        {{"--unit", ""}, "--unit: \"\" is not a whole number"},
        {{"--unit", "-3"}, "--unit: -3 is outside 1…999"},
        {{"--unit"}, "--unit: needs a value"},
        {{"--unit", "5", "--unit=6"}, "--unit: given more than once"},
        {{"--range", "5,30"}, "--range: 5,30 is outside 0 ≤ FROM ≤ TO ≤ 20"},
        {{"--range", "7,3"}, "--range: 7,3 is outside 0 ≤ FROM ≤ TO ≤ 20"},
        {{"--range", "5"}, "--range: \"5\" is not two whole numbers separated by a comma"},
        {{"%d/lesson.tovenal", "--harmonics", "30", "--range", "10,40"},
         "--range: 10,40 is outside 0 ≤ FROM ≤ TO ≤ 30"},
        {{"--envelope", "Fill"}, "--envelope: \"Fill\" is not fill, curve or off"},
        {{"--export", "%d/a.jpg"},
         "--export: \"%d/a.jpg\" does not end in .png, .svg, .pdf, .csv or .tovenal"},
        {{"--export-signal", "%d/s.txt"}, "--export-signal: \"%d/s.txt\" does not end in .csv"},
        {{"--export", "%d/a.svg", "--scale", "2"}, "--scale: 2 is given without a PNG export"},
        {{"--export", "%d/a.png", "--scale", "9"}, "--scale: 9 is outside 1…8"},
        {{"--colour", "red"}, "--colour: unknown option"},
        {{"a.tovenal", "b.tovenal"}, "b.tovenal: only one set-up file can be given"},
        {{"%d/noise.tovenal"}, "%d/noise.tovenal:1: NUL byte"},
        {{"%d/none.tovenal"}, "%d/none.tovenal: cannot read: No such file or directory"},
    };
    const Case writeFailure[] = {
        {{"--export", "%d/a.png", "--export-signal", "%d/no/s.csv"},
         "%d/no/s.csv: cannot write: the folder %d/no does not exist"},
        {{"--export", "%d/lesson.tovenal/x.csv"},
         "%d/lesson.tovenal/x.csv: cannot write: %d/lesson.tovenal is not a folder"},
    };
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const auto expectRefused = [this](std::span<const Case> cases, int exitCode) {
        for (const auto& [arguments, message] : cases) {
            const Outcome outcome = run(arguments);
            EXPECT_EQ(outcome.exitCode, exitCode) << message.toStdString();
            EXPECT_EQ(outcome.message, "tovenal: " + QString(message).replace("%d", dir.path()));
        }
    };
    expectRefused(badInput, 2);
    expectRefused(writeFailure, 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

TEST(SetupFile, BadFilesAreRefusedWithTheirLineAndChangeNothing) {
    const QByteArray text = setupFileText(::Setup{});
    const struct {
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"", "s:1: the file ends without \"version = 1\""},
        {text.left(text.indexOf("harmonics")), "s:4: the file ends without \"harmonics\""},
        {text.left(text.indexOf("= 20")), "s:5: \"harmonics\" is not KEY = VALUE"},
        {withLine(2, "version = 2"), "s:2: version \"2\" is not supported, only 1"},
        {withLine(2, "# version = 1"), "s:3: the file must begin with \"version = 1\""},
        {text + "unit = 5\n", "s:9: \"unit\" is given twice, first on line 4"},
        {text + "version = 1", "s:9: \"version\" is given twice, first on line 2"},
        {withLine(7, "colour\x1B[31m = red"), "s:7: unknown key \"colour?[31m\""},
        {withLine(4, "unit = abc"), "s:4: unit: \"abc\" is not a whole number"},
        {withLine(4, "unit = 0"), "s:4: unit: 0 is outside 1…999"},
        {withLine(6, "range = 0,30"), "s:6: range: 0,30 is outside 0 ≤ FROM ≤ TO ≤ 20"},
        {withLine(8, "envelope = fill # filled"),
         "s:8: envelope: \"fill # filled\" is not fill, curve or off"},
        {withLine(1, QByteArray("# \0", 3)), "s:1: NUL byte"},
        {withLine(3, "packet = 1,0,0,0,0,0,0,2 \xC3"), "s:3: not UTF-8 text"},
        {text + QByteArray(64 * 1024, '\n'), "s:65422: the file goes on beyond 65536 bytes"},
        {withLine(7, "show-all = " + QByteArray(100, 'x')),
         "s:7: show-all: \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…\" is not yes or no"},
    };
    for (const auto& [bytes, message] : cases) {
        ::Setup setup{.unitTime = 42};
        EXPECT_EQ(readSetup(bytes, "s", setup), message);
        EXPECT_EQ(setup, ::Setup{.unitTime = 42}) << message.toStdString();
    }
}

TEST(SetupFile, WrittenFilesLookAsDocumentedAndReadBack) {
    EXPECT_EQ(setupFileText(::Setup{}), "# Tovenal set-up\nversion = 1\npacket = 1,0,0,0,0,0,0,2\n"
                                        "unit = 100\nharmonics = 20\nrange = 0,20\nshow-all = no\n"
                                        "envelope = fill\n");
    const ::Setup limits{{999, 0, 999, 0, 0, 0, 0, 1}, 999, 200, 200, 200, false,
                         EnvelopeMode::Curve};
    ::Setup read;
    EXPECT_FALSE(readSetup(setupFileText(limits), "s", read));
    EXPECT_EQ(read, limits);

    QTemporaryDir dir;
    const QString lost = dir.filePath("no/a.tovenal");
    const auto failure = writeFileAtomically(lost, "x");
    EXPECT_EQ(failure ? failure->message : "", lost + ": cannot write: No such file or directory");
    EXPECT_EQ(failure ? failure->exitCode : 0, 1);
    EXPECT_FALSE(QFile::exists(lost));
}
