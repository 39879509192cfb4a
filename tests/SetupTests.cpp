// The command line and the set-up files: what they make of the window's inputs, and the one-line
// refusal, with its exit code, of every bad command line and set-up file.

#include "CommandLine.h"
#include "FileWriting.h"
#include "ReferenceFile.h"
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

} // namespace

// What the program makes of a command line before it writes or shows anything, as the reviewed
// transcript tests/reference/command-lines.txt has it ("%d" stands for a scratch folder, "%s" for
// a blank inside an argument): the values of the set-up, the overlays, slide and presentation
// asked for, the exit code and the message, and what it prints (the help, the measures), each of
// its lines after "|".
TEST(SetupTest, CommandLinesApplyTheFileThenTheOptionsOrFailWithOneLine) {
    const QTemporaryDir dir;
    const auto write = [&dir](const char* name, const QByteArray& bytes) {
        ASSERT_FALSE(writeFileAtomically(dir.filePath(QString::fromUtf8(name)), bytes));
    };
    write("lesson.tovenal",
          setupFileText({{2, 1, 1, 1, 1, 1, 1, 3}, 10, 50, 10, 40, true, EnvelopeMode::Off}));
    write("limits.tovenal", setupFileText({{999, 0, 999, 0, 0, 0, 0, 1}, 999, 200, 200, 200}));
    write("reordered.tovenal", "\xEF\xBB\xBF# by hand\r\n\r\nversion=1\r\n  envelope = off\r\n"
                               "range = 10,40\nharmonics\t= 50\nshow-all = yes\n"
                               "unit = 10 \n packet = 2,1,1,1,1,1,1,3");
    write("picture.tovenal", QByteArray("\x89PNG\0\x1a\n", 7)); // a picture's first bytes
    const auto printed = [](const QString& text) {
        return QString(u'|' + text.chopped(1).replace(u"\n"_s, u"\n|"_s));
    };
    const auto run = [&dir, &printed](const QString& arguments) {
        QStringList argv{u"tovenal"_s};
        for (QString argument : arguments.split(u' ', Qt::SkipEmptyParts))
            argv.append(argument.replace(u"%d"_s, dir.path()).replace(u"%s"_s, u" "_s));
        CommandLine commandLine;
        ::Setup setup;
        auto failure = parseCommandLine(argv, commandLine);
        if (!failure && commandLine.help)
            return printed(helpText());
        failure = failure ? failure : resolveSetup(commandLine, setup);
        failure = failure ? failure : checkExportTargets(commandLine);
        if (failure)
            return QString(QString::number(failure->exitCode) + u' ' + failure->message);
        QStringList values;
        for (const SetupKey key : kSetupKeys)
            values << valueText(setup, key);
        if (commandLine.overlays.idealSignal)
            values << u"ideal"_s;
        if (commandLine.overlays.bandwidthShare != 0)
            values << u"bandwidth "_s + QString::number(commandLine.overlays.bandwidthShare);
        if (commandLine.overlays.chosenShare != spectrum::kBandwidthShares.front())
            values << u"told "_s + QString::number(commandLine.overlays.chosenShare);
        if (const auto slide = commandLine.picture.slide)
            values << QStringLiteral("slide %1x%2").arg(slide->width()).arg(slide->height());
        if (commandLine.present)
            values << u"present"_s;
        if (commandLine.language)
            values << u"lang "_s + *commandLine.language;
        QString outcome = values.join(u' ');
        if (commandLine.measures)
            outcome += u'\n' + printed(QString::fromStdString(spectrum::measuresReport(
                                   spectrum::computeMeasures(measuresInputOf(setup)))));
        return outcome;
    };
    std::vector<std::pair<QString, QStringList>> cases; // the arguments and the outcome's lines
    for (const QString& line :
         QString::fromUtf8(referenceBytes(u"command-lines.txt"_s)).split(u'\n')) {
        if (line.startsWith(u'$'))
            cases.push_back({line.mid(1), {}});
        else if (!line.isEmpty() && !line.startsWith(u'#'))
            cases.back().second.append(QString(line).replace(u"%d"_s, dir.path()));
    }
    for (const auto& [arguments, outcome] : cases)
        EXPECT_EQ(run(arguments).toStdString(), outcome.join(u'\n').toStdString())
            << arguments.toStdString();
    EXPECT_GE(cases.size(), 40u);
}

TEST(SetupFile, BadFilesAreRefusedWithTheirLineAndChangeNothing) {
    const QByteArray text = setupFileText(::Setup{});
    const std::pair<QByteArray, const char*> cases[] = {
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
