#include "CommandLine.h"

#include "BuildUp.h"
#include "Languages.h"
#include "Limits.h"
#include "Measures.h"
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
    kMinPictureScale, kMaxPictureScale, true,
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

// --slide WxH: a slide for the picture exports, of a size within the bounds; never with --scale,
// whose window pixels a slide does not have.
std::optional<Failure> readSlide(const QCommandLineParser& parser, CommandLine& commandLine) {
    if (!parser.isSet(u"slide"_s))
        return std::nullopt;
    if (parser.isSet(u"scale"_s))
        return badInput(u"--slide: cannot be given with --scale"_s);
    const QString text = parser.value(u"slide"_s);
    const QStringList sides = text.split(u'x');
    const auto side = [&sides](int n) {
        return sides.size() == 2 ? parseWholeNumber(sides[n]) : std::nullopt;
    };
    if (!side(0) || !side(1))
        return badInput(u"--slide: "_s + quoted(text) + u" is not WxH, two whole numbers"_s);
    const QSize size(*side(0), *side(1));
    if (!isSlideSize(size))
        return badInput(u"--slide: "_s + shown(text) + u" is outside "_s +
                        slideText(kSmallestSlide) + u'…' + slideText(kLargestSlide));
    const auto picture = [](const ExportTarget& target) {
        return target.kind == ExportKind::Png || target.kind == ExportKind::Svg ||
               target.kind == ExportKind::Pdf || target.kind == ExportKind::Gif;
    };
    if (std::ranges::none_of(commandLine.exports, picture))
        return badInput(u"--slide: "_s + shown(text) +
                        u" is given without a PNG, SVG, PDF or GIF export"_s);
    commandLine.picture.slide = size;
    return std::nullopt;
}

std::optional<ExportKind> exportKind(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const auto& [extension, kind] : kExportKinds)
        if (suffix == extension)
            return kind;
    return std::nullopt;
}

// "a, b or c"
QString alternatives(QStringList names) {
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(u", "_s) + u" or "_s + last;
}

// ".png, .svg, .pdf, .csv or .tovenal"
QString exportExtensions() {
    QStringList names;
    for (const auto& [extension, kind] : kExportKinds)
        names.append(u'.' + extension.toString());
    return alternatives(names);
}

// The shares --bandwidth takes: "90", "95", "99".
QStringList bandwidthShares() {
    QStringList shares;
    for (const int share : spectrum::kBandwidthShares)
        shares.append(QString::number(share));
    return shares;
}

// The languages --lang takes: "ru", "en".
QStringList languages() {
    QStringList names;
    for (const QStringView language : kLanguages)
        names.append(language.toString());
    return names;
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

// The options in the groups the help lists them in, each with its value's name and what it does:
// the parser reads them and the help is made of them. The options that fill a set-up are named as
// the keys of a set-up file.
struct OptionGroup {
    QString heading;
    QList<QCommandLineOption> options;
};

std::vector<OptionGroup> optionGroups() {
    using namespace spectrum;
    const CommandLine defaults;
    const auto setupOption = [](SetupKey key, const QString& valueName,
                                const QString& description) {
        return QCommandLineOption(keyName(key), description, valueName);
    };
    return {
        {QStringLiteral("The set-up file (*.%1), then these options, in this order, set the "
                        "window's inputs as if typed; values outside what the fields accept are "
                        "errors:")
             .arg(kSetupExtension),
         {setupOption(SetupKey::Packet, u"A,B,C,D,E,F,G,H"_s,
                      QStringLiteral("the eight segment lengths (pulse, gap, pulse, ...) in unit "
                                     "times, %1…%2; the first and the last at least %3")
                          .arg(std::ranges::min(kSegmentRules, {}, &FieldRule::least).least)
                          .arg(kMaxMultiplier)
                          .arg(kSegmentRules.front().least)),
          setupOption(SetupKey::Unit, u"MICROSECONDS"_s,
                      QStringLiteral("the unit time, %1…%2")
                          .arg(kUnitTimeRule.least)
                          .arg(kUnitTimeRule.greatest)),
          setupOption(SetupKey::Harmonics, u"N"_s,
                      QStringLiteral("the number of harmonics, %1…%2; sets the range to 1…N")
                          .arg(kHarmonicsRule.least)
                          .arg(kHarmonicsRule.greatest)),
          setupOption(SetupKey::Range, u"FROM,TO"_s,
                      QStringLiteral("the harmonics that rebuild the waveform, %1\u00A0≤\u00A0FROM"
                                     "\u00A0≤\u00A0TO\u00A0≤\u00A0N")
                          .arg(kRangeFromRule.least)),
          QCommandLineOption(keyName(SetupKey::ShowAll),
                             u"list the harmonics of negligible amplitude too"_s),
          setupOption(SetupKey::Envelope, u"fill|curve|off"_s,
                      u"the envelope filled, as a curve, or none"_s)}},
        {u"Drawn over the picture, in the window or, when files are written, in every picture "
         "export (PNG, SVG, PDF, GIF):"_s,
         {QCommandLineOption(u"ideal"_s, u"the ideal packet under the rebuilt period"_s),
          QCommandLineOption(u"bandwidth"_s,
                             u"the practical bandwidth: the fewest harmonics that, with the "
                             "constant term, carry this per cent of the power"_s,
                             bandwidthShares().join(u'|'))}},
        {u"Exports and measures:"_s,
         {QCommandLineOption(
              u"export"_s,
              QStringLiteral("write FILE, of the kind its extension names: .png .svg .pdf (the "
                             "picture), .csv (the harmonics), .%1 (the set-up), .gif (the "
                             "harmonics added one by one) or .wav (the rebuilt signal as sound); "
                             "may be given several times")
                  .arg(kSetupExtension),
              u"FILE"_s),
          QCommandLineOption(u"export-signal"_s, u"write the rebuilt period of the signal"_s,
                             u"FILE.csv"_s),
          QCommandLineOption(u"scale"_s,
                             QStringLiteral("pixels per window pixel of the PNG and GIF exports, "
                                            "%1…%2 (default %3); an error without such an export")
                                 .arg(kMinPictureScale)
                                 .arg(kMaxPictureScale)
                                 .arg(defaults.picture.scale),
                             u"K"_s),
          QCommandLineOption(u"slide"_s,
                             QStringLiteral("make the PNG, SVG, PDF and GIF exports the "
                                            "presentation's slide (F11) of this size, from %1 "
                                            "up to %2, instead of the window's picture; an error "
                                            "without such an export or with --scale")
                                 .arg(slideText(kSmallestSlide), slideText(kLargestSlide)),
                             u"WxH"_s),
          QCommandLineOption(u"seconds"_s,
                             QStringLiteral("the length of the WAV exports, %1…%2 seconds "
                                            "(default %3); an error without a .wav export")
                                 .arg(kShortestSoundSeconds)
                                 .arg(kLongestSoundSeconds)
                                 .arg(defaults.seconds),
                             u"S"_s),
          QCommandLineOption(u"frame-ms"_s,
                             QStringLiteral("milliseconds between the GIF's frames, %1…%2 "
                                            "(default %3; the last is held %4 s); an error "
                                            "without a .gif export")
                                 .arg(kShortestFrameMs)
                                 .arg(kLongestFrameMs)
                                 .arg(defaults.frameMs)
                                 .arg(kBuildUpHoldMilliseconds / 1000),
                             u"MS"_s),
          QCommandLineOption(u"measures"_s,
                             u"print the measures of the signal: power, RMS, the shares of the "
                             "power in the constant term, the harmonics and the range, the "
                             "bandwidths, the rebuilt period's error and extremes, the absent "
                             "harmonics; exact, with the true π"_s)}},
        {u"The window:"_s,
         {QCommandLineOption(u"present"_s,
                             u"open the presentation (F11) over the window, full screen; an "
                             "error with the exports or --measures, which open no window"_s),
          QCommandLineOption(u"lang"_s,
                             u"the language of the window and of the picture exports' labels for "
                             "this run; by default the window speaks the one last chosen in its "
                             "menu, at first Russian, and the exports Russian"_s,
                             languages().join(u'|'))}},
        {QString(),
         {QCommandLineOption({u"h"_s, u"help"_s}, u"show this help"_s),
          QCommandLineOption({u"v"_s, u"version"_s}, u"show the version"_s)}},
    };
}

std::optional<Failure> readSetupOptions(const QCommandLineParser& parser,
                                        CommandLine& commandLine) {
    for (const SetupKey key : kSetupKeys) {
        if (!parser.isSet(keyName(key)))
            continue;
        if (key == SetupKey::ShowAll) {
            commandLine.changes.showAll = true;
            continue;
        }
        const QString text = parser.value(keyName(key));
        if (const auto problem = parseValue(key, text, commandLine.changes))
            return badInput(optionName(keyName(key)) + u": "_s + *problem);
        commandLine.givenTexts[key] = text;
    }
    return std::nullopt;
}

std::optional<Failure> readExportOptions(const QCommandLineParser& parser,
                                         CommandLine& commandLine) {
    for (const QString& path : parser.values(u"export"_s)) {
        const std::optional<ExportKind> kind = exportKind(path);
        if (!kind)
            return badInput(u"--export: "_s + quoted(path) + u" does not end in "_s +
                            exportExtensions());
        commandLine.exports.push_back({path, *kind});
    }
    if (parser.isSet(u"export-signal"_s)) {
        const QString path = parser.value(u"export-signal"_s);
        if (exportKind(path) != ExportKind::Csv)
            return badInput(u"--export-signal: "_s + quoted(path) + u" does not end in .csv"_s);
        commandLine.signalExport = path;
    }
    double scale = commandLine.picture.scale;
    double frameMs = commandLine.frameMs;
    if (auto failure = readTuning(parser, u"scale"_s, kScaleTuning, commandLine, scale))
        return failure;
    if (auto failure =
            readTuning(parser, u"seconds"_s, kSecondsTuning, commandLine, commandLine.seconds))
        return failure;
    if (auto failure = readTuning(parser, u"frame-ms"_s, kFrameTuning, commandLine, frameMs))
        return failure;
    commandLine.picture.scale = static_cast<int>(scale);
    commandLine.frameMs = static_cast<int>(frameMs);
    return readSlide(parser, commandLine);
}

std::optional<Failure> readOverlayOptions(const QCommandLineParser& parser,
                                          CommandLine& commandLine) {
    commandLine.overlays.idealSignal = parser.isSet(u"ideal"_s);
    if (!parser.isSet(u"bandwidth"_s))
        return std::nullopt;
    const QString text = parser.value(u"bandwidth"_s);
    const std::optional<int> share = parseWholeNumber(text);
    if (!share ||
        std::ranges::find(spectrum::kBandwidthShares, *share) == spectrum::kBandwidthShares.end())
        return badInput(u"--bandwidth: "_s + (share ? shown(text) : quoted(text)) + u" is not "_s +
                        alternatives(bandwidthShares()));
    commandLine.overlays.bandwidthShare = *share;
    commandLine.overlays.chosenShare = *share;
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

// "-h, --help", "--unit MICROSECONDS"
QString optionSynopsis(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names.append(optionName(name));
    const QString value = option.valueName();
    return names.join(u", "_s) + (value.isEmpty() ? QString() : u' ' + value);
}

// `text` after `start`, in lines of at most kHelpWidth characters broken at blanks (a no-break
// space holds an expression together); lines after the first are indented as deep as `start`.
QString wrapped(const QString& start, const QString& text) {
    constexpr qsizetype kHelpWidth = 80;
    QString result;
    QString line = start;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const bool hasWords = line.size() > start.size();
        if (hasWords && line.size() + 1 + word.size() > kHelpWidth) {
            result += line + u'\n';
            line = QString(start.size(), u' ');
        } else if (hasWords) {
            line += u' ';
        }
        line += word;
    }
    result += line + u'\n';
    return result.replace(QChar(0x00A0), u' ');
}

} // namespace

std::optional<Failure> parseCommandLine(const QStringList& arguments, CommandLine& commandLine) {
    QCommandLineParser parser;
    for (const OptionGroup& group : optionGroups())
        parser.addOptions(group.options);

    if (!parser.parse(arguments))
        return badInput(parseError(parser, arguments));
    CommandLine result;
    result.help = parser.isSet(u"help"_s);
    result.version = parser.isSet(u"version"_s);
    if (result.help || result.version) {
        commandLine = std::move(result);
        return std::nullopt;
    }

    // Every option but --export once: a second value would silently win over the first.
    for (const QString& name : parser.optionNames())
        if (name != u"export"_s && parser.optionNames().count(name) > 1)
            return badInput(optionName(name) + u": given more than once"_s);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return badInput(positional.at(1) + u": only one set-up file can be given"_s);
    if (!positional.isEmpty())
        result.setupFile = positional.first();
    if (auto failure = readSetupOptions(parser, result))
        return failure;
    if (auto failure = readOverlayOptions(parser, result))
        return failure;
    if (auto failure = readExportOptions(parser, result))
        return failure;
    result.measures = parser.isSet(u"measures"_s);
    result.present = parser.isSet(u"present"_s);
    if (parser.isSet(u"lang"_s)) {
        const QString language = parser.value(u"lang"_s);
        if (!languages().contains(language))
            return badInput(u"--lang: "_s + quoted(language) + u" is not "_s +
                            alternatives(languages()));
        result.language = language;
    }
    if (result.present && (result.writesFiles() || result.measures))
        return badInput(
            u"--present: no window opens with --export, --export-signal or --measures"_s);
    commandLine = std::move(result);
    return std::nullopt;
}

QString helpText() {
    QString text =
        u"Usage: tovenal [SETUP-FILE] [OPTION]...\n"_s +
        wrapped({}, u"Shows the line spectrum of a periodic train of rectangular pulses. "
                    "With --export or --export-signal it writes the files instead, with "
                    "--measures it prints the measures after them, and it opens no window."_s);
    const std::vector<OptionGroup> groups = optionGroups();
    qsizetype column = 0;
    for (const OptionGroup& group : groups)
        for (const QCommandLineOption& option : group.options)
            column = std::max(column, optionSynopsis(option).size() + 4);
    for (const OptionGroup& group : groups) {
        text += u'\n';
        if (!group.heading.isEmpty())
            text += wrapped({}, group.heading);
        for (const QCommandLineOption& option : group.options)
            text += wrapped(u"  "_s + optionSynopsis(option).leftJustified(column - 2),
                            option.description());
    }
    return text + u'\n' +
           wrapped({},
                   QStringLiteral("Exit status: 0 done, %1 a file could not be written, %2 a bad "
                                  "command line or set-up file. See tovenal(1).")
                       .arg(kExitWriteFailure)
                       .arg(kExitBadInput));
}

QString slideText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

bool isSlideSize(QSize size) {
    return size.expandedTo(kSmallestSlide).boundedTo(kLargestSlide) == size;
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
