#include "ExportRun.h"

#include "Export.h"
#include "FileWriting.h"
#include "SetupFile.h"

namespace {

QByteArray exportBytes(ExportKind kind, const spectrum::PassResult& pass, const Setup& setup,
                       int scale) {
    const bool filled = filledEnvelope(setup);
    switch (kind) {
    case ExportKind::Png:
        return pngOf(pictureOf(pass, filled), scale);
    case ExportKind::Svg:
        return svgOf(pass, filled);
    case ExportKind::Pdf:
        return pdfOf(pass, filled);
    case ExportKind::Csv:
        return harmonicsCsv(pass, setup);
    case ExportKind::Setup:
        return setupFileText(setup);
    }
    return {};
}

} // namespace

std::optional<Failure> writeExports(const CommandLine& commandLine, const Setup& setup) {
    if (auto failure = checkExportTargets(commandLine))
        return failure;
    const spectrum::PassResult pass = spectrum::computePass(passInputOf(setup));
    for (const ExportTarget& target : commandLine.exports)
        if (auto error = writeFileAtomically(
                target.path, exportBytes(target.kind, pass, setup, commandLine.scale)))
            return Failure{kExitWriteFailure, *error};
    if (commandLine.signalExport)
        if (auto error = writeFileAtomically(*commandLine.signalExport, signalCsv(pass)))
            return Failure{kExitWriteFailure, *error};
    return std::nullopt;
}
