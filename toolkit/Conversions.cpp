#include "Conversions.h"

#include "Exception.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

namespace {

std::optional<QChar>& separatorOverride() {
    static std::optional<QChar> separator;
    return separator;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Decimal integer with the StrToInt grammar, or nothing.
std::optional<int> parseInt(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    long long magnitude = 0;
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

[[noreturn]] void raiseNotInteger(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

} // namespace

int StrToInt(const QString& text) {
    const auto value = parseInt(text);
    if (!value)
        raiseNotInteger(text);
    return *value;
}

int StrToIntDef(const QString& text, int defaultValue) {
    return parseInt(text).value_or(defaultValue);
}

double StrToFloat(const QString& text) {
    const QString trimmed = text.trimmed();
    // Only plain ASCII decimal text is a number; from_chars does the correctly rounded parse.
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(trimmed.size()));
    const QChar separator = DecimalSeparator();
    bool valid = !trimmed.isEmpty();
    for (const QChar c : trimmed) {
        if (c == separator)
            ascii.push_back('.');
        else if ((c >= u'0' && c <= u'9') || c == u'e' || c == u'E' || c == u'+' || c == u'-')
            ascii.push_back(static_cast<char>(c.unicode()));
        else
            valid = false;
    }
    const char* first = ascii.data();
    const char* last = ascii.data() + ascii.size();
    bool negative = false;
    if (valid && first != last && (*first == '+' || *first == '-')) {
        negative = *first == '-';
        ++first;
    }
    double value = 0.0;
    if (valid && first != last && *first != '+' && *first != '-') {
        const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
        valid = error == std::errc() && end == last && std::isfinite(value);
    } else {
        valid = false;
    }
    if (!valid)
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return negative ? -value : value;
}

QString FloatToStr(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0.0)
        return QStringLiteral("0");

    // Fifteen significant digits, rounded once by the C library: "d.dddddddddddddde±x".
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const std::string text(buffer);
    const auto ePos = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    const int exponent = std::stoi(text.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const QChar separator = DecimalSeparator();
    QString result = value < 0 ? QStringLiteral("-") : QString();
    const auto digitCount = static_cast<int>(digits.size());
    if (exponent >= 15 || exponent < -4) {
        result += QLatin1Char(digits[0]);
        if (digitCount > 1)
            result += separator + QString::fromLatin1(digits.substr(1));
        result += QStringLiteral("E") + QString::number(exponent);
    } else if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        if (digitCount <= integerDigits) {
            result += QString::fromLatin1(digits) + QString(integerDigits - digitCount, u'0');
        } else {
            result += QString::fromLatin1(digits.substr(0, integerDigits)) + separator +
                      QString::fromLatin1(digits.substr(integerDigits));
        }
    } else {
        result += QStringLiteral("0") + separator + QString(-exponent - 1, u'0') +
                  QString::fromLatin1(digits);
    }
    return result;
}

QString IntToStr(long long value) {
    return QString::number(value);
}

QChar DecimalSeparator() {
    if (const auto& separator = separatorOverride())
        return *separator;
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

void SetDecimalSeparator(QChar separator) {
    separatorOverride() = separator;
}
