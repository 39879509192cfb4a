#include "Setup.h"

#include "Limits.h"

#include <QList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using spectrum::FieldRule;
using spectrum::kHarmonicsRule;
using spectrum::kRangeFromRule;
using spectrum::kSegmentRules;
using spectrum::kUnitTimeRule;
constexpr qsizetype maxShownLength = 40;

constexpr std::array<std::pair<EnvelopeMode, QStringView>, 3> envelopeNames{
    {{EnvelopeMode::Fill, u"fill"}, {EnvelopeMode::Curve, u"curve"}, {EnvelopeMode::Off, u"off"}}};

bool within(int value, const FieldRule& rule) {
    return rule.least <= value && value <= rule.greatest;
}

// Exactly `count` whole numbers separated by commas.
std::optional<QList<int>> parseWholeList(QStringView text, qsizetype count) {
    const QList<QStringView> items = text.split(u',');
    if (items.size() != count)
        return std::nullopt;
    QList<int> values;
    for (const QStringView item : items) {
        const std::optional<int> value = parseWholeNumber(item);
        if (!value)
            return std::nullopt;
        values.append(*value);
    }
    return values;
}

QString joined(const auto& values) {
    QStringList texts;
    for (const int value : values)
        texts.append(QString::number(value));
    return texts.join(u',');
}

QString outside(const FieldRule& rule) {
    return QStringLiteral("outside %1…%2").arg(rule.least).arg(rule.greatest);
}

} // namespace

Setup applied(Setup base, const SetupChanges& changes) {
    if (changes.packet)
        base.packet = *changes.packet;
    if (changes.unitTime)
        base.unitTime = *changes.unitTime;
    if (changes.harmonics) {
        // A new count puts the range at 1…N, as typing it into the window does.
        base.harmonics = *changes.harmonics;
        base.rangeFrom = 1;
        base.rangeTo = *changes.harmonics;
    }
    if (changes.range)
        std::tie(base.rangeFrom, base.rangeTo) = *changes.range;
    if (changes.showAll)
        base.showAll = *changes.showAll;
    if (changes.envelope)
        base.envelope = *changes.envelope;
    return base;
}

spectrum::MeasuresInput measuresInputOf(const Setup& setup) {
    return {.packet = setup.packet,
            .unitTime = setup.unitTime,
            .harmonics = setup.harmonics,
            .rangeFrom = setup.rangeFrom,
            .rangeTo = setup.rangeTo};
}

QString keyName(SetupKey key) {
    switch (key) {
    case SetupKey::Packet:
        return QStringLiteral("packet");
    case SetupKey::Unit:
        return QStringLiteral("unit");
    case SetupKey::Harmonics:
        return QStringLiteral("harmonics");
    case SetupKey::Range:
        return QStringLiteral("range");
    case SetupKey::ShowAll:
        return QStringLiteral("show-all");
    case SetupKey::Envelope:
        return QStringLiteral("envelope");
    }
    return {};
}

std::optional<SetupProblem> checkSetup(const Setup& setup) {
    for (std::size_t index = 0; index < kSegmentRules.size(); ++index)
        if (!within(setup.packet[index], kSegmentRules[index]))
            return SetupProblem{SetupKey::Packet, QStringLiteral("has segment %1 %2")
                                                      .arg(index + 1)
                                                      .arg(outside(kSegmentRules[index]))};
    if (!within(setup.unitTime, kUnitTimeRule))
        return SetupProblem{SetupKey::Unit, u"is "_s + outside(kUnitTimeRule)};
    if (!within(setup.harmonics, kHarmonicsRule))
        return SetupProblem{SetupKey::Harmonics, u"is "_s + outside(kHarmonicsRule)};
    // The range's ends are bounded by the count of this set-up, not by the count's own limit.
    if (!(kRangeFromRule.least <= setup.rangeFrom && setup.rangeFrom <= setup.rangeTo &&
          setup.rangeTo <= setup.harmonics))
        return SetupProblem{SetupKey::Range, QStringLiteral("is outside %1 ≤ FROM ≤ TO ≤ %2")
                                                 .arg(kRangeFromRule.least)
                                                 .arg(setup.harmonics)};
    return std::nullopt;
}

QString valueText(const Setup& setup, SetupKey key) {
    switch (key) {
    case SetupKey::Packet:
        return joined(setup.packet);
    case SetupKey::Unit:
        return QString::number(setup.unitTime);
    case SetupKey::Harmonics:
        return QString::number(setup.harmonics);
    case SetupKey::Range:
        return joined(std::array{setup.rangeFrom, setup.rangeTo});
    case SetupKey::ShowAll:
        return setup.showAll ? QStringLiteral("yes") : QStringLiteral("no");
    case SetupKey::Envelope:
        for (const auto& [mode, name] : envelopeNames)
            if (mode == setup.envelope)
                return name.toString();
    }
    return {};
}

std::optional<QString> parseValue(SetupKey key, QStringView text, SetupChanges& changes) {
    switch (key) {
    case SetupKey::Packet:
        if (const auto values = parseWholeList(text, kSegmentRules.size())) {
            changes.packet.emplace();
            std::copy(values->begin(), values->end(), changes.packet->begin());
            return std::nullopt;
        }
        return quoted(text) + u" is not eight whole numbers separated by commas"_s;
    case SetupKey::Unit:
    case SetupKey::Harmonics:
        if (const auto value = parseWholeNumber(text)) {
            (key == SetupKey::Unit ? changes.unitTime : changes.harmonics) = *value;
            return std::nullopt;
        }
        return quoted(text) + u" is not a whole number"_s;
    case SetupKey::Range:
        if (const auto values = parseWholeList(text, 2)) {
            changes.range = {values->at(0), values->at(1)};
            return std::nullopt;
        }
        return quoted(text) + u" is not two whole numbers separated by a comma"_s;
    case SetupKey::ShowAll:
        if (text == u"yes" || text == u"no") {
            changes.showAll = text == u"yes";
            return std::nullopt;
        }
        return quoted(text) + u" is not yes or no"_s;
    case SetupKey::Envelope:
        for (const auto& [mode, name] : envelopeNames)
            if (text == name) {
                changes.envelope = mode;
                return std::nullopt;
            }
        return quoted(text) + u" is not fill, curve or off"_s;
    }
    return std::nullopt;
}

std::optional<int> parseWholeNumber(QStringView text) {
    const bool negative = text.startsWith(u'-');
    const QStringView digits = negative ? text.mid(1) : text;
    if (digits.isEmpty())
        return std::nullopt;
    // Saturating keeps a huge number out of range instead of letting it wrap into range.
    long long value = 0;
    for (const QChar c : digits) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        value = std::min(value * 10 + (c.unicode() - u'0'), 1'000'000'000LL);
    }
    return static_cast<int>(negative ? -value : value);
}

QString shown(QStringView text) {
    QString result;
    for (const QChar c : text) {
        if (result.size() >= maxShownLength && !c.isLowSurrogate())
            return result + u'…';
        const QChar::Category category = c.category();
        const bool invisible =
            category == QChar::Other_Control || category == QChar::Other_Format ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
        result.append(invisible ? QChar(u'?') : c);
    }
    return result;
}

QString quoted(QStringView text) {
    return u'"' + shown(text) + u'"';
}
