// The command line and the set-up files: what they make of the window's inputs, and the one-line
// refusal, with its exit code, of every bad command line and set-up file.

#include "CommandLine.h"
#include "FileWriting.h"
#include "SetupFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

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
        write(u"lesson.tovenal"_s,
              setupFileText({{2, 1, 1, 1, 1, 1, 1, 3}, 10, 50, 10, 40, true, EnvelopeMode::Off}));
        write(u"limits.tovenal"_s,
              setupFileText({{999, 0, 999, 0, 0, 0, 0, 1}, 999, 200, 200, 200}));
        write(u"reordered.tovenal"_s,
              "\xEF\xBB\xBF# by hand\r\n\r\nversion=1\r\n  envelope = off\r\n"
              "range = 10,40\nharmonics\t= 50\nshow-all = yes\n"
              "unit = 10 \n packet = 2,1,1,1,1,1,1,3");
        write(u"picture.tovenal"_s, QByteArray("\x89PNG\0\x1a\n", 7)); // a picture's first bytes
    }
    void write(const QString& name, const QByteArray& bytes) {
        ASSERT_FALSE(writeFileAtomically(dir.filePath(name), bytes));
    }
    // What the program makes of the arguments before it writes or shows anything: the values of
    // the set-up, or the exit code and the message. "%d" stands for the scratch folder, "%s" for a
    // blank inside an argument.
    std::string run(const QString& arguments) {
        QStringList argv{u"tovenal"_s};
        for (QString argument : arguments.split(u' ', Qt::SkipEmptyParts))
            argv.append(argument.replace(u"%d"_s, dir.path()).replace(u"%s"_s, u" "_s));
        CommandLine commandLine;
        ::Setup setup;
        auto failure = parseCommandLine(argv, commandLine);
        failure = failure ? failure : resolveSetup(commandLine, setup);
        failure = failure ? failure : checkExportTargets(commandLine);
        if (failure)
            return QString(QString::number(failure->exitCode) + u' ' + failure->message)
                .toStdString();
        QStringList values;
        for (const SetupKey key : kSetupKeys)
            values << valueText(setup, key);
        return values.join(u' ').toStdString();
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(SetupTest, CommandLinesApplyTheFileThenTheOptionsOrFailWithOneLine) {
    const struct {
        const char* arguments;
        const char*
            outcome; // packet unit harmonics range show-all envelope, or the exit code and line
    } cases[] = {
        {"", "1,0,0,0,0,0,0,2 100 20 0,20 no fill"},
        {"--harmonics 5", "1,0,0,0,0,0,0,2 100 5 1,5 no fill"},
        {"--range 2,7 --harmonics=9", "1,0,0,0,0,0,0,2 100 9 2,7 no fill"},
        {"--packet 3,1,0,0,0,0,0,1 --unit 007 --show-all --envelope curve",
         "3,1,0,0,0,0,0,1 7 20 0,20 yes curve"},
        {"--envelope off --range 0,0 --export %d/a.PNG --scale 8",
         "1,0,0,0,0,0,0,2 100 20 0,0 no off"},
        {"%d/lesson.tovenal", "2,1,1,1,1,1,1,3 10 50 10,40 yes off"},
        {"%d/reordered.tovenal", "2,1,1,1,1,1,1,3 10 50 10,40 yes off"},
        {"%d/limits.tovenal", "999,0,999,0,0,0,0,1 999 200 200,200 no fill"},
        {"--unit 5 %d/lesson.tovenal", "2,1,1,1,1,1,1,3 5 50 10,40 yes off"},
        {"%d/lesson.tovenal --range 45,50", "2,1,1,1,1,1,1,3 10 50 45,50 yes off"},
        {"%d/lesson.tovenal --harmonics 30", "2,1,1,1,1,1,1,3 10 30 1,30 yes off"},
        {"-h --unit x", "1,0,0,0,0,0,0,2 100 20 0,20 no fill"}, // help, whatever follows
        {"--harmonics 201", "2 --harmonics: 201 is outside 1…200"},
        // 2^32 + 5: a 32-bit count would wrap to 5.
        {"--harmonics 4294967301", "2 --harmonics: 4294967301 is outside 1…200"},
        {"--packet 1,2,3", "2 --packet: \"1,2,3\" is not eight whole numbers separated by commas"},
        {"--packet 1,0,0,0,0,0,0,0", "2 --packet: 1,0,0,0,0,0,0,0 has segment 8 outside 1…999"},
        {"--packet 1,0,1000,0,0,0,0,2",
         "2 --packet: 1,0,1000,0,0,0,0,2 has segment 3 outside 0…999"},
        {"--unit abc", "2 --unit: \"abc\" is not a whole number"},
        {"--unit %s5", "2 --unit: \" 5\" is not a whole number"},
        {"--unit +5", "2 --unit: \"+5\" is not a whole number"},
        {"--unit", "2 --unit: needs a value"},
        {"--unit 5 --unit=6", "2 --unit: given more than once"},
        {"--range 5,30", "2 --range: 5,30 is outside 0 ≤ FROM ≤ TO ≤ 20"},
        {"--range 7,3", "2 --range: 7,3 is outside 0 ≤ FROM ≤ TO ≤ 20"},
        {"%d/lesson.tovenal --harmonics 30 --range 10,40",
         "2 --range: 10,40 is outside 0 ≤ FROM ≤ TO ≤ 30"},
        {"--export %d/a.jpg",
         "2 --export: \"%d/a.jpg\" does not end in .png, .svg, .pdf, .csv, .tovenal, .gif or .wav"},
        {"--export-signal %d/s.txt", "2 --export-signal: \"%d/s.txt\" does not end in .csv"},
        {"--export %d/a.svg --scale 2", "2 --scale: 2 is given without a PNG or GIF export"},
        {"--export %d/a.png --scale 9", "2 --scale: 9 is outside 1…8"},
        {"--export %d/a.gif --frame-ms 0", "2 --frame-ms: 0 is outside 20…10000"},
        {"--export %d/a.png --frame-ms 400", "2 --frame-ms: 400 is given without a GIF export"},
        {"--export %d/a.wav --seconds 60.5", "2 --seconds: 60.5 is outside 0.1…60"},
        {"--export %d/a.wav --seconds 1e1", "2 --seconds: \"1e1\" is not a number"},
        {"--export %d/a.gif --seconds 2", "2 --seconds: 2 is given without a WAV export"},
        {"--export %d/a.GIF --export %d/b.wav --seconds 0.1 --frame-ms 20 --scale 2",
         "1,0,0,0,0,0,0,2 100 20 0,20 no fill"},
        {"--colour red", "2 --colour: unknown option"},
        {"a.tovenal b.tovenal", "2 b.tovenal: only one set-up file can be given"},
        {"%d/picture.tovenal", "2 %d/picture.tovenal:1: NUL byte"},
        {"%d/none.tovenal", "2 %d/none.tovenal: cannot read: No such file or directory"},
        {"--export %d/a.png --export-signal %d/no/s.csv",
         "1 %d/no/s.csv: cannot write: the folder %d/no does not exist"},
        {"--export %d/lesson.tovenal/x.csv",
         "1 %d/lesson.tovenal/x.csv: cannot write: %d/lesson.tovenal is not a folder"},
    };
    for (const auto& [arguments, outcome] : cases)
        EXPECT_EQ(run(QString::fromUtf8(arguments)),
                  QString::fromUtf8(outcome).replace(u"%d"_s, dir.path()).toStdString());
}

TEST(SetupFile, BadFilesAreRefusedWithTheirLineAndChangeNothing) {
    const QByteArray text = setupFileText(::Setup{});
    const struct {
        QByteArray bytes;
        const char* message;
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
        EXPECT_EQ(readSetup(bytes, u"s"_s, setup).value_or(QString()).toStdString(), message);
        EXPECT_TRUE(setup == ::Setup{.unitTime = 42}) << message;
    }
}

TEST(SetupFile, WrittenFilesLookAsDocumented) {
    EXPECT_EQ(setupFileText(::Setup{}), "# Tovenal set-up\nversion = 1\npacket = 1,0,0,0,0,0,0,2\n"
                                        "unit = 100\nharmonics = 20\nrange = 0,20\nshow-all = no\n"
                                        "envelope = fill\n");
}
