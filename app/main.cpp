#include "CommandLine.h"
#include "ExportRun.h"
#include "Measures.h"
#include "MeasuresWindow.h"
#include "SetupInput.h"
#include "Tovenal_unit.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdio>

namespace {

int report(const Failure& failure) {
    std::fprintf(stderr, "tovenal: %s\n", qUtf8Printable(failure.message));
    return failure.exitCode;
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Only this program's own messages reach the terminal of a run that writes files: Qt's notes on a
// missing runtime folder or an offscreen screen are no news to the user.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

// The files, then the measures; a file that cannot be written leaves the measures unprinted.
int writeOutput(int argc, char* argv[], const CommandLine& commandLine, const Setup& setup) {
    if (commandLine.writesFiles()) {
        // No display is needed to draw the picture, and none is asked for whatever the session
        // says: with QT_QPA_PLATFORM=xcb and no X server in reach (ssh, cron, a build machine)
        // the platform plugin would abort the run before its first file.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietQtMessages);
        const QGuiApplication application(argc, argv);
        if (const auto failure = writeExports(commandLine, setup))
            return report(*failure);
    }
    if (commandLine.measures)
        std::fputs(
            spectrum::measuresReport(spectrum::computeMeasures(measuresInputOf(setup))).c_str(),
            stdout);
    return 0;
}

int openWindow(int argc, char* argv[], const Setup& setup,
               const spectrum::PictureOverlays& overlays) {
    try {
        Application->Initialize(argc, argv);
        Application->CreateForm(Form1);
        applySetup(Form1->inputFields(), setup);
        // As --show-all ticks its box, the drawings asked for are switched on in the window.
        if (overlays != spectrum::PictureOverlays{})
            Form1->widget()->findChild<MeasuresWindow*>()->showOverlays(overlays);
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
    } catch (...) {
        Application->ShowException(Exception(QString()));
    }
    Application->Shutdown();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication::setOrganizationName(QStringLiteral("Tovenal"));
    QGuiApplication::setApplicationName(QStringLiteral("Tovenal"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tovenal.Tovenal"));
    CommandLine commandLine;
    if (const auto failure = parseCommandLine(argumentsOf(argc, argv), commandLine))
        return report(*failure);
    if (commandLine.help || commandLine.version) {
        std::fputs(qUtf8Printable(commandLine.help ? helpText() : versionText()), stdout);
        return 0;
    }
    Setup setup;
    if (const auto failure = resolveSetup(commandLine, setup))
        return report(*failure);
    if (commandLine.writesFiles() || commandLine.measures)
        return writeOutput(argc, argv, commandLine, setup);
    return openWindow(argc, argv, setup, commandLine.overlays);
}
