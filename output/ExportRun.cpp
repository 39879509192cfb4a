#include "ExportRun.h"

#include "BuildUpGif.h"
#include "Export.h"
#include "FileWriting.h"
#include "SetupFile.h"
#include "Slide.h"
#include "Sound.h"
#include "WavFile.h"

namespace {

// The bytes of one export, or nothing with the reason in `error`.
std::optional<QByteArray> exportBytes(const ExportTarget& target, const CommandLine& commandLine,
                                      const spectrum::PassResult& pass, const Setup& setup,
                                      QString* error, const ExportProgress& progress) {
    const bool filled = filledEnvelope(setup);
    const std::optional<QSize> slide = commandLine.picture.slide;
    switch (target.kind) {
    case ExportKind::Png:
        return slide ? slidePng(pass, *slide)
                     : pngOf(pictureOf(pass, filled), commandLine.picture.scale);
    case ExportKind::Svg:
        return slide ? slideSvg(pass, *slide) : svgOf(pass, filled);
    case ExportKind::Pdf:
        return slide ? slidePdf(pass, *slide) : pdfOf(pass, filled);
    case ExportKind::Csv:
        return harmonicsCsv(pass, setup);
    case ExportKind::Setup:
        return setupFileText(setup);
    case ExportKind::Gif:
        return buildUpGif(setup, commandLine.picture, commandLine.frameMs, error,
                          commandLine.overlays, [&](int frame, int frames) {
                              if (progress)
                                  progress(target.path, frame, frames);
                          });
    case ExportKind::Wav:
        return wavOf(spectrum::soundSamples(spectrum::planSound(pass), commandLine.seconds));
    }
    return QByteArray();
}

} // namespace

std::optional<Failure> writeExports(const CommandLine& commandLine, const Setup& setup,
                                    const ExportProgress& progress) {
    if (auto failure = checkExportTargets(commandLine))
        return failure;
    const spectrum::PassResult pass =
        spectrum::computePass(passInputOf(setup, commandLine.overlays));
    for (const ExportTarget& target : commandLine.exports) {
        QString error;
        const std::optional<QByteArray> bytes =
            exportBytes(target, commandLine, pass, setup, &error, progress);
        if (!bytes)
            return Failure{kExitWriteFailure,
                           target.path + QStringLiteral(": cannot write: ") + error};
        if (auto writeError = writeFileAtomically(target.path, *bytes))
            return Failure{kExitWriteFailure, *writeError};
    }
    if (commandLine.signalExport)
        if (auto error = writeFileAtomically(*commandLine.signalExport, signalCsv(pass)))
            return Failure{kExitWriteFailure, *error};
    return std::nullopt;
}
