#include "CommandLine.h"

#include "BuildUp.h"
#include "Limits.h"
#include "SetupFile.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

Failure badInput(const QString& message) {
    return Failure{kExitBadInput, message};
}

QString optionName(const QString& name) {
    return (name.size() == 1 ? u"-"_s : u"--"_s) + name;
}

// The kinds of file --export writes, by extension.
constexpr std::pair<QStringView, ExportKind> kExportKinds[] = {{u"png", ExportKind::Png},
                                                               {u"svg", ExportKind::Svg},
                                                               {u"pdf", ExportKind::Pdf},
                                                               {u"csv", ExportKind::Csv},
                                                               {kSetupExtension, ExportKind::Setup},
                                                               {u"gif", ExportKind::Gif},
                                                               {u"wav", ExportKind::Wav}};

// An option that tunes the exports of some kinds: its limits, and the kinds it needs among the
// exports ("is given without a GIF export").
struct Tuning {
    double lowest;
    double highest;
    bool whole;
    bool (*tunes)(ExportKind);
    QStringView kindName;
};

const Tuning kScaleTuning{
    1, kMaxPictureScale, true,
    [](ExportKind kind) { return kind == ExportKind::Png || kind == ExportKind::Gif; },
    u"PNG or GIF"};
const Tuning kSecondsTuning{kShortestSoundSeconds, kLongestSoundSeconds, false,
                            [](ExportKind kind) { return kind == ExportKind::Wav; }, u"WAV"};
const Tuning kFrameTuning{kShortestFrameMs, kLongestFrameMs, true,
                          [](ExportKind kind) { return kind == ExportKind::Gif; }, u"GIF"};

// Plain decimal digits with an optional fraction after a point ("0.5", "12"); nothing else.
std::optional<double> parseDecimal(const QString& text) {
    static const QRegularExpression decimal(u"^[0-9]{1,6}(\\.[0-9]{1,6})?$"_s);
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    return text.toDouble();
}

std::optional<Failure> readTuning(const QCommandLineParser& parser, const QString& name,
                                  const Tuning& tuning, const CommandLine& commandLine,
                                  double& value) {
    if (!parser.isSet(name))
        return std::nullopt;
    const QString text = parser.value(name);
    const QString option = u"--"_s + name + u": "_s;
    const std::optional<double> parsed =
        tuning.whole ? std::optional<double>(parseWholeNumber(text)) : parseDecimal(text);
    if (!parsed)
        return badInput(option + quoted(text) +
                        (tuning.whole ? u" is not a whole number"_s : u" is not a number"_s));
    if (*parsed < tuning.lowest || *parsed > tuning.highest)
        return badInput(
            option +
            QStringLiteral("%1 is outside %2…%3").arg(text).arg(tuning.lowest).arg(tuning.highest));
    if (std::ranges::none_of(commandLine.exports,
                             [&](const ExportTarget& target) { return tuning.tunes(target.kind); }))
        return badInput(option + text + u" is given without a "_s + tuning.kindName + u" export"_s);
    value = *parsed;
    return std::nullopt;
}

std::optional<ExportKind> exportKind(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const auto& [extension, kind] : kExportKinds)
        if (suffix == extension)
            return kind;
    return std::nullopt;
}

// ".png, .svg, .pdf, .csv or .tovenal"
QString exportExtensions() {
    QStringList names;
    for (const auto& [extension, kind] : kExportKinds)
        names.append(u'.' + extension.toString());
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// The parser's own refusals, in the shape of the other messages.
QString parseError(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return optionName(unknown.first()) + u": unknown option"_s;
    // An option's value is the next argument, whatever it is: only the last one can lack it.
    const QString last = arguments.isEmpty() ? QString() : arguments.last();
    if (last.startsWith(u'-') && !last.contains(u'='))
        return last + u": needs a value"_s;
    return parser.errorText();
}

// The options that fill a set-up, named as the keys of a set-up file.
struct SetupOption {
    SetupKey key;
    QCommandLineOption option;
};

std::vector<SetupOption> setupOptions() {
    const auto valued = [](SetupKey key, const char* valueName) {
        return SetupOption{key,
                           QCommandLineOption(keyName(key), {}, QString::fromLatin1(valueName))};
    };
    return {valued(SetupKey::Packet, "A,B,C,D,E,F,G,H"),
            valued(SetupKey::Unit, "MICROSECONDS"),
            valued(SetupKey::Harmonics, "N"),
            valued(SetupKey::Range, "FROM,TO"),
            {SetupKey::ShowAll, QCommandLineOption(keyName(SetupKey::ShowAll))},
            valued(SetupKey::Envelope, "fill|curve|off")};
}

std::optional<Failure> readSetupOptions(const QCommandLineParser& parser,
                                        const std::vector<SetupOption>& options,
                                        CommandLine& commandLine) {
    for (const auto& [key, option] : options) {
        if (!parser.isSet(option))
            continue;
        if (key == SetupKey::ShowAll) {
            commandLine.changes.showAll = true;
            continue;
        }
        const QString text = parser.value(option);
        if (const auto problem = parseValue(key, text, commandLine.changes))
            return badInput(optionName(keyName(key)) + u": "_s + *problem);
        commandLine.givenTexts[key] = text;
    }
    return std::nullopt;
}

std::optional<Failure> readExportOptions(const QCommandLineParser& parser,
                                         const QCommandLineOption& exportOption,
                                         const QCommandLineOption& signalOption,
                                         CommandLine& commandLine) {
    for (const QString& path : parser.values(exportOption)) {
        const std::optional<ExportKind> kind = exportKind(path);
        if (!kind)
            return badInput(u"--export: "_s + quoted(path) + u" does not end in "_s +
                            exportExtensions());
        commandLine.exports.push_back({path, *kind});
    }
    if (parser.isSet(signalOption)) {
        const QString path = parser.value(signalOption);
        if (exportKind(path) != ExportKind::Csv)
            return badInput(u"--export-signal: "_s + quoted(path) + u" does not end in .csv"_s);
        commandLine.signalExport = path;
    }
    double scale = commandLine.scale;
    double frameMs = commandLine.frameMs;
    if (auto failure = readTuning(parser, u"scale"_s, kScaleTuning, commandLine, scale))
        return failure;
    if (auto failure =
            readTuning(parser, u"seconds"_s, kSecondsTuning, commandLine, commandLine.seconds))
        return failure;
    if (auto failure = readTuning(parser, u"frame-ms"_s, kFrameTuning, commandLine, frameMs))
        return failure;
    commandLine.scale = static_cast<int>(scale);
    commandLine.frameMs = static_cast<int>(frameMs);
    return std::nullopt;
}

// Why `path` cannot be written, or nothing when it looks writable.
std::optional<QString> unwritable(const QString& path) {
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("it is a folder");
    // The file is written beside its final name and renamed, so its folder must take new files.
    const QFileInfo folder(target.path());
    if (!folder.exists())
        return u"the folder "_s + target.path() + u" does not exist"_s;
    if (!folder.isDir())
        return target.path() + u" is not a folder"_s;
    if (!folder.isWritable())
        return u"the folder "_s + target.path() + u" is not writable"_s;
    if (target.exists() && !target.isWritable())
        return QStringLiteral("the file is not writable");
    return std::nullopt;
}

} // namespace

std::optional<Failure> parseCommandLine(const QStringList& arguments, CommandLine& commandLine) {
    QCommandLineParser parser;
    const QCommandLineOption helpOption(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption versionOption(QStringList{u"v"_s, u"version"_s});
    const QCommandLineOption exportOption(u"export"_s, {}, u"FILE"_s);
    const QCommandLineOption signalOption(u"export-signal"_s, {}, u"FILE.csv"_s);
    const std::vector<SetupOption> options = setupOptions();
    parser.addOptions({helpOption, versionOption, exportOption, signalOption,
                       QCommandLineOption(u"scale"_s, {}, u"K"_s),
                       QCommandLineOption(u"seconds"_s, {}, u"S"_s),
                       QCommandLineOption(u"frame-ms"_s, {}, u"MS"_s)});
    for (const auto& [key, option] : options)
        parser.addOption(option);

    if (!parser.parse(arguments))
        return badInput(parseError(parser, arguments));
    CommandLine result;
    result.help = parser.isSet(helpOption);
    result.version = parser.isSet(versionOption);
    if (result.help || result.version) {
        commandLine = std::move(result);
        return std::nullopt;
    }

    // Every option but --export once: a second value would silently win over the first.
    for (const QString& name : parser.optionNames())
        if (name != exportOption.names().first() && parser.optionNames().count(name) > 1)
            return badInput(optionName(name) + u": given more than once"_s);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return badInput(positional.at(1) + u": only one set-up file can be given"_s);
    if (!positional.isEmpty())
        result.setupFile = positional.first();
    if (auto failure = readSetupOptions(parser, options, result))
        return failure;
    if (auto failure = readExportOptions(parser, exportOption, signalOption, result))
        return failure;
    commandLine = std::move(result);
    return std::nullopt;
}

QString helpText() {
    return QStringLiteral(
               "Usage: tovenal [SETUP-FILE] [OPTION]...\n"
               "Shows the line spectrum of a periodic train of rectangular pulses. With --export "
               "or\n"
               "--export-signal it writes the files instead and opens no window.\n"
               "\n"
               "The set-up file (*.%4), then these options, in this order, set the window's\n"
               "inputs as if typed; values outside what the fields accept are errors:\n"
               "  --packet A,B,C,D,E,F,G,H   the eight segment lengths (pulse, gap, pulse, ...) "
               "in\n"
               "                             unit times, 0…%1; the first and the last at least 1\n"
               "  --unit MICROSECONDS        the unit time, 1…%2\n"
               "  --harmonics N              the number of harmonics, 1…%3; sets the range to 1…N\n"
               "  --range FROM,TO            the harmonics that rebuild the waveform,\n"
               "                             0 ≤ FROM ≤ TO ≤ N\n"
               "  --show-all                 list the harmonics of negligible amplitude too\n"
               "  --envelope fill|curve|off  the envelope filled, as a curve, or none\n"
               "\n"
               "Exports:\n"
               "  --export FILE              write FILE, of the kind its extension names: .png "
               ".svg\n"
               "                             .pdf (the picture), .csv (the harmonics), .%4 (the\n"
               "                             set-up), .gif (the harmonics added one by one) or\n"
               "                             .wav (the rebuilt signal as sound);\n"
               "                             may be given several times\n"
               "  --export-signal FILE.csv   write the rebuilt period of the signal\n"
               "  --scale K                  pixels per window pixel of the PNG and GIF exports,\n"
               "                             1…%5 (default 1); an error without such an export\n"
               "  --seconds S                the length of the WAV exports, %8…%9 seconds\n"
               "                             (default %10); an error without a .wav export\n"
               "  --frame-ms MS              milliseconds between the GIF's frames, %11…%12\n"
               "                             (default %13; the last is held %14 s); an error\n"
               "                             without a .gif export\n"
               "\n"
               "  -h, --help                 show this help\n"
               "  -v, --version              show the version\n"
               "\n"
               "Exit status: 0 done, %6 a file could not be written, %7 a bad command line or\n"
               "set-up file. See tovenal(1).\n")
        .arg(spectrum::kMaxMultiplier)
        .arg(spectrum::kMaxUnitTime)
        .arg(spectrum::kMaxHarmonics)
        .arg(kSetupExtension)
        .arg(kMaxPictureScale)
        .arg(kExitWriteFailure)
        .arg(kExitBadInput)
        .arg(kShortestSoundSeconds)
        .arg(kLongestSoundSeconds)
        .arg(kDefaultSoundSeconds)
        .arg(kShortestFrameMs)
        .arg(kLongestFrameMs)
        .arg(kDefaultFrameMs)
        .arg(spectrum::kBuildUpHoldMilliseconds / 1000);
}

QString versionText() {
    return QStringLiteral("tovenal " TOVENAL_VERSION "\n");
}

std::optional<Failure> resolveSetup(const CommandLine& commandLine, Setup& setup) {
    Setup base;
    if (commandLine.setupFile)
        if (const auto error = readSetupFile(*commandLine.setupFile, base))
            return badInput(*error);
    const Setup result = applied(base, commandLine.changes);
    // The set-up file was checked when read, so what breaks a limit came from an option.
    if (const auto problem = checkSetup(result)) {
        const auto given = commandLine.givenTexts.find(problem->key);
        const QString text = given != commandLine.givenTexts.end()
                                 ? shown(given->second)
                                 : valueText(result, problem->key);
        return badInput(optionName(keyName(problem->key)) + u": "_s + text + u' ' +
                        problem->reason);
    }
    setup = result;
    return std::nullopt;
}

std::optional<Failure> checkExportTargets(const CommandLine& commandLine) {
    QStringList paths;
    for (const ExportTarget& target : commandLine.exports)
        paths.append(target.path);
    if (commandLine.signalExport)
        paths.append(*commandLine.signalExport);
    for (const QString& path : paths)
        if (const auto reason = unwritable(path))
            return Failure{kExitWriteFailure, path + u": cannot write: "_s + *reason};
    return std::nullopt;
}
