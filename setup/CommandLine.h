// The command line: a set-up file, options applied as if typed into the window, and exports.
//
//     tovenal [SETUP-FILE] [--packet A,B,C,D,E,F,G,H] [--unit MICROSECONDS] [--harmonics N]
//             [--range FROM,TO] [--show-all] [--envelope fill|curve|off] [--ideal]
//             [--bandwidth 90|95|99] [--export FILE]... [--export-signal FILE.csv] [--scale K]
//             [--slide WxH] [--seconds S] [--frame-ms MS] [--measures] [--present]
//
// Nothing here writes or shows anything until every argument has been checked: parse, then
// resolve the set-up, then check the export targets, and only then write.
#pragma once

#include "BuildUp.h"
#include "Pass.h"
#include "Setup.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

enum class ExportKind { Png, Svg, Pdf, Csv, Setup, Gif, Wav };

struct ExportTarget {
    QString path;
    ExportKind kind; // from the extension, whatever its case
    bool operator==(const ExportTarget&) const = default;
};

// The options that tune one kind of export, with their limits and defaults.
// --scale: pixels per pixel of the window in a PNG or GIF export; by default the window's size.
inline constexpr int kMinPictureScale = 1;
inline constexpr int kMaxPictureScale = 8;
// --slide, and the window's "Сохранить рисунок…": the presentation's view at a size of its own
// instead of the window's picture. From the smallest screen a projector still shows to 8K; each
// side within its own bounds. The dialog offers the screen's size (within these), then these.
inline constexpr QSize kSmallestSlide(320, 200);
inline constexpr QSize kLargestSlide(7680, 4320);
inline constexpr QSize kSlideSizes[] = {{1920, 1080}, {1280, 720}, {1024, 768}};
// --seconds: the length of a sound export.
inline constexpr double kShortestSoundSeconds = 0.1;
inline constexpr double kLongestSoundSeconds = 60;
inline constexpr double kDefaultSoundSeconds = 3;
// --frame-ms: the time between two frames of a GIF export; by default the pace of the window's
// animation.
inline constexpr int kShortestFrameMs = 20;
inline constexpr int kLongestFrameMs = 10'000;

inline constexpr int kExitWriteFailure = 1; // a file could not be written
inline constexpr int kExitBadInput = 2;     // a bad command line or set-up file

// What a picture export shows: the window's picture, each pixel a `scale` x `scale` block (PNG and
// GIF; the vectors have no pixels), or the presentation's slide at `slide`'s size.
struct PictureSize {
    int scale = kMinPictureScale;
    std::optional<QSize> slide;
};

// "1920x1080", as --slide takes it.
QString slideText(QSize size);
// Whether a slide can have this size: each side within kSmallestSlide and kLargestSlide.
bool isSlideSize(QSize size);

// Why the program stops: the one-line message, which the caller prints after "tovenal: ", and the
// exit code.
struct Failure {
    int exitCode;
    QString message;
};

// The command line, checked for form; the limits of the values wait for the set-up file.
struct CommandLine {
    std::optional<QString> setupFile;
    SetupChanges changes;
    std::map<SetupKey, QString> givenTexts; // the values of the options as typed, for messages
    std::vector<ExportTarget> exports;
    std::optional<QString> signalExport;              // a .csv file
    PictureSize picture;                              // of the PNG, SVG, PDF and GIF exports
    double seconds = kDefaultSoundSeconds;            // the length of sound exports
    int frameMs = spectrum::kBuildUpStepMilliseconds; // between the frames of GIF exports
    // Drawn in every picture export, or in the window when nothing is written.
    spectrum::PictureOverlays overlays;
    bool measures = false; // printed to standard output, after the exports are written
    bool present = false;  // the window opens in its presentation, full screen
    // One of kLanguages: the window's language for this run, and the picture exports'.
    std::optional<QString> language;
    bool help = false;
    bool version = false;

    bool writesFiles() const { return !exports.empty() || signalExport.has_value(); }
};

// Reads the arguments, the program's name first, into `commandLine`. Unknown options, more than
// one set-up file, an option given twice, malformed values, unknown export extensions, a
// --bandwidth other than one of spectrum::kBandwidthShares, a --scale, --slide, --seconds or
// --frame-ms outside its limits or without an export it tunes, --slide with --scale, and
// --present where no window opens fail with kExitBadInput. With --help or
// --version the rest is not looked at. No QCoreApplication is needed.
std::optional<Failure> parseCommandLine(const QStringList& arguments, CommandLine& commandLine);

// What --help prints: the options with their values and what they do, and the exit codes.
QString helpText();
QString versionText();

// The set-up to use: the window's defaults, then the set-up file, then the options, each applied
// as if typed. A set-up file that cannot be read or is malformed, and a value outside what the
// fields accept, fail with kExitBadInput.
std::optional<Failure> resolveSetup(const CommandLine& commandLine, Setup& setup);

// Whether every export target can be written: its folder exists and is writable. Checked for all
// targets before any is written; a failure is "PATH: cannot write: reason", kExitWriteFailure.
std::optional<Failure> checkExportTargets(const CommandLine& commandLine);
