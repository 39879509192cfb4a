#pragma once

#include "CommandLine.h"

#include <functional>

// Hears of each frame of a GIF export once it is encoded: its path, the frame (1 … frames).
using ExportProgress = std::function<void(const QString& path, int frame, int frames)>;

// Writes every file the command line asks for, from the set-up alone, with no window. Every target
// is checked before the first is written; each is written whole or not at all. Gives the failure
// of the first file that could not be written.
std::optional<Failure> writeExports(const CommandLine& commandLine, const Setup& setup,
                                    const ExportProgress& progress = {});
