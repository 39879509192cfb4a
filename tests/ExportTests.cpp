// The program from the command line with no display: every export kind against the window's own
// result for the same set-up, and bad command lines that must write nothing.

#include "CommandLine.h"
#include "WindowFixture.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString output; // stdout and stderr together
};

// The real binary, with no display and no platform chosen for it.
ProgramRun runProgram(const QStringList& arguments, const QString& folder) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QStringLiteral(TOVENAL_BINARY), arguments);
    program.waitForFinished(30000);
    return {program.exitCode(), QString::fromUtf8(program.readAll())};
}

QString read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The last two columns of the rows of the harmonics table, as "k = V" and "k = D" lines.
std::pair<QStringList, QStringList> listedColumns(const QString& csv) {
    QStringList amplitudes, phases;
    for (const QString& line : csv.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList cell = line.split(u',');
        if (line.startsWith(u'#') || cell[0] == u"k" || cell.value(4).isEmpty())
            continue;
        amplitudes << cell[0] + " = " + cell[4];
        phases << cell[0] + " = " + cell[5];
    }
    return {amplitudes, phases};
}

class Export : public WindowTest {
protected:
    QTemporaryDir folder;
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
};

} // namespace

TEST_F(Export, FilesHoldTheWindowsResult) {
    const QStringList setupOptions = {
        "--packet", "2,9,12,12,1,4,1,7", "--unit",     "780",  "--harmonics", "49", "--range",
        "3,7",      "--show-all",        "--envelope", "curve"};
    const ProgramRun run =
        runProgram(setupOptions + QStringList{"--export", "a.png", "--export", "b.svg", "--export",
                                              "c.PDF", "--export", "d.csv", "--export", "e.tovenal",
                                              "--export-signal", "s.csv"},
                   folder.path());
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_EQ(run.output, QString()); // a successful run prints nothing

    // The same set-up typed into the window.
    CommandLine commandLine;
    ::Setup setup;
    ASSERT_FALSE(parseCommandLine(QStringList{"tovenal"} + setupOptions, commandLine));
    ASSERT_FALSE(resolveSetup(commandLine, setup));
    perform(QStringLiteral("activate"));
    Form1->applySetup(setup);
    const QImage png(path("a.png"));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), picture());
    const auto [amplitudes, phases] = listedColumns(read(path("d.csv")));
    EXPECT_EQ(amplitudes, Form1->ListBox1->Lines());
    EXPECT_EQ(phases, Form1->ListBox2->Lines());
    // The mean value: pulses of 2 + 12 + 1 + 1 of 48 units, listed as 333 mV at 90 degrees.
    EXPECT_TRUE(read(path("d.csv")).contains("\n0,0,0.33333333333333"));
    EXPECT_EQ(read(path("s.csv")).count(u'\n'), 402);

    // The vectors: well-formed XML with the drawing's lines and texts; one PDF page.
    QXmlStreamReader svg(read(path("b.svg")));
    int shapes = 0;
    QStringList texts;
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::StartElement) {
            shapes += svg.name() == u"path" || svg.name() == u"polyline" || svg.name() == u"rect";
            if (svg.name() == u"text")
                texts << svg.readElementText();
        }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_GT(shapes, 100);
    EXPECT_TRUE(texts.contains("A(f)") && texts.contains("1308")) << texts.join('|').toStdString();
    QFile pdfFile(path("c.PDF"));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(pdfFile.readAll())
                  .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))),
              1);

    // The set-up file reads back to the same picture, and --scale 2 makes 2 x 2 blocks.
    ASSERT_EQ(runProgram({"e.tovenal", "--export", "f.png", "--export", "g.png", "--scale", "2"},
                         folder.path())
                  .exitCode,
              0);
    EXPECT_EQ(QImage(path("f.png")).scaled(png.size()), png);
    const QImage scaled(path("g.png"));
    ASSERT_EQ(scaled.size(), png.size() * 2);
    int mismatches = 0;
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x)
            mismatches += scaled.pixel(x, y) != png.pixel(x / 2, y / 2);
    EXPECT_EQ(mismatches, 0);
}

TEST_F(Export, BadCommandLinesWriteNothing) {
    QFile noise(path("noise.tovenal"));
    ASSERT_TRUE(noise.open(QIODevice::WriteOnly));
    for (int i = 0; i < 300; ++i)
        noise.putChar(static_cast<char>((i * 7919 + 13) % 256));
    noise.close();
    const struct {
        QStringList arguments;
        int exitCode;
        const char* message;
    } cases[] = {
        {{"--harmonics", "250"}, 2, "tovenal: --harmonics: 250 is outside 1…200"},
        {{"--packet", "1,2,3"}, 2, "--packet"},
        {{"--unit", "abc"}, 2, "--unit"},
        {{"--harmonics", "5", "--range", "1,6"}, 2, "--range"},
        {{"--export", "x.bmp"}, 2, "x.bmp"},
        {{"--frobnicate"}, 2, "frobnicate"},
        {{"noise.tovenal"}, 2, "noise.tovenal:"},
        {{"--export", "no/such/folder/x.png"}, 1, "no/such/folder/x.png"},
    };
    for (const auto& badCase : cases) {
        const ProgramRun run =
            runProgram(badCase.arguments + QStringList{"--export", "out.png"}, folder.path());
        const QString arguments = badCase.arguments.join(u' ');
        EXPECT_EQ(run.exitCode, badCase.exitCode) << arguments.toStdString();
        EXPECT_EQ(run.output.count(u'\n'), 1) << run.output.toStdString();
        EXPECT_TRUE(run.output.startsWith("tovenal: ")) << run.output.toStdString();
        EXPECT_TRUE(run.output.contains(QString::fromUtf8(badCase.message)))
            << run.output.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"noise.tovenal"})
            << arguments.toStdString();
    }
}
