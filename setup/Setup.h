// A set-up: the values of the window's inputs, as the command line and the set-up files give them.
#pragma once

#include "Limits.h"
#include "Measures.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <utility>

enum class EnvelopeMode { Fill, Curve, Off };

// The segment multipliers the window opens with.
constexpr std::array<int, spectrum::kSegmentRules.size()> initialPacket() {
    std::array<int, spectrum::kSegmentRules.size()> packet{};
    for (std::size_t index = 0; index < packet.size(); ++index)
        packet[index] = spectrum::kSegmentRules[index].initial;
    return packet;
}

// A complete set-up: what the window's inputs hold. Defaults are the window's defaults.
struct Setup {
    std::array<int, 8> packet = initialPacket();
    int unitTime = spectrum::kUnitTimeRule.initial; // microseconds
    int harmonics = spectrum::kHarmonicsRule.initial;
    int rangeFrom = spectrum::kRangeFromRule.initial;
    int rangeTo = spectrum::kRangeToRule.initial;
    bool showAll = false;
    EnvelopeMode envelope = EnvelopeMode::Fill;
    bool operator==(const Setup&) const = default;
};

// What a set-up file or the options give; each present value is applied as if typed, in the order
// packet, unit, harmonics (which resets the range to 1…N), range, show-all, envelope.
struct SetupChanges {
    std::optional<std::array<int, 8>> packet;
    std::optional<int> unitTime;
    std::optional<int> harmonics;
    std::optional<std::pair<int, int>> range;
    std::optional<bool> showAll;
    std::optional<EnvelopeMode> envelope;
};

Setup applied(Setup base, const SetupChanges& changes);

// What the measures read of a set-up: the packet, the unit time, the count and the range.
spectrum::MeasuresInput measuresInputOf(const Setup& setup);

// The values of a set-up, in the order they are applied. Their names are those of the options
// (without the dashes) and of the keys of a set-up file.
enum class SetupKey { Packet, Unit, Harmonics, Range, ShowAll, Envelope };
inline constexpr std::array<SetupKey, 6> kSetupKeys{SetupKey::Packet,    SetupKey::Unit,
                                                    SetupKey::Harmonics, SetupKey::Range,
                                                    SetupKey::ShowAll,   SetupKey::Envelope};
QString keyName(SetupKey key);

// A value that breaks the limits of its field: the key, and what is wrong, to follow the value's
// text ("is outside 1…200", "has segment 8 outside 1…999").
struct SetupProblem {
    SetupKey key;
    QString reason;
};

// The first value, in the order of applying, that the window's fields would not hold. The range
// is checked against the count of the same set-up.
std::optional<SetupProblem> checkSetup(const Setup& setup);

// The value of one key as text: "1,0,0,0,0,0,0,2", "100", "0,20", "no", "fill".
QString valueText(const Setup& setup, SetupKey key);

// Reads the text of one key's value into `changes`. Returns what is wrong with a text that is not
// a value of that key ("\"abc\" is not a whole number"); limits are checkSetup's job. Whole
// numbers are plain decimal digits with an optional leading minus.
std::optional<QString> parseValue(SetupKey key, QStringView text, SetupChanges& changes);

// Plain decimal digits with an optional leading minus ("-3", "007"); nothing else, not even blanks.
// A number longer than any field holds saturates at ±1 000 000 000, beyond every limit.
std::optional<int> parseWholeNumber(QStringView text);

// Text from outside, made safe for a one-line message: control characters become '?', and long
// text is cut with "…". quoted() puts it in double quotes.
QString shown(QStringView text);
QString quoted(QStringView text);
