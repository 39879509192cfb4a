#include "CommandLine.h"
#include "ExportRun.h"
#include "Language.h"
#include "Measures.h"
#include "MeasuresWindow.h"
#include "PresentationWindow.h"
#include "SetupInput.h"
#include "Tovenal_unit.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

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

// A build-up of large frames takes a minute: a person at a terminal sees how far it is, on one
// line rewritten in place. A script or a log, where '\r' would only litter, hears nothing.
bool progressLineOpen = false;

ExportProgress terminalProgress() {
    if (!isatty(fileno(stderr)))
        return {};
    return [](const QString& path, int frame, int frames) {
        progressLineOpen = frame < frames;
        std::fprintf(stderr, "\rframe %d of %d, %s%s", frame, frames, qUtf8Printable(path),
                     progressLineOpen ? "" : "\n");
    };
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
        // The pictures' labels speak --lang's language, Russian without it; the messages stay
        // English, Qt's file errors among them.
        loadLanguage(commandLine.language.value_or(QStringLiteral("ru")), false);
        if (const auto failure = writeExports(commandLine, setup, terminalProgress())) {
            if (progressLineOpen)
                std::fputc('\n', stderr);
            return report(*failure);
        }
    }
    if (commandLine.measures)
        std::fputs(
            spectrum::measuresReport(spectrum::computeMeasures(measuresInputOf(setup))).c_str(),
            stdout);
    return 0;
}

int openWindow(int argc, char* argv[], const Setup& setup, const CommandLine& commandLine) {
    const spectrum::PictureOverlays& overlays = commandLine.overlays;
    try {
        Application->Initialize(argc, argv);
        loadLanguage(startLanguage(commandLine.language));
        Application->CreateForm(Form1);
        applySetup(Form1->inputFields(), setup);
        // As --show-all ticks its box, the drawings asked for are switched on in the window.
        if (overlays != spectrum::PictureOverlays{})
            Form1->widget()->findChild<MeasuresWindow*>()->showOverlays(overlays);
        // Once Run has shown the window, so that the presentation takes the window's screen and
        // Esc returns to a window that is there.
        if (commandLine.present)
            QTimer::singleShot(0, Form1->widget(),
                               [] { Form1->widget()->findChild<PresentationWindow*>()->open(); });
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
    return openWindow(argc, argv, setup, commandLine);
}
