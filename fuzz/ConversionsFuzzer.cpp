// Fuzzes the text conversions with arbitrary text and arbitrary doubles.

#include "Conversions.h"
#include "Exception.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

void checkInteger(const QString& text) {
    const int fallback = 12345;
    const int lenient = StrToIntDef(text, fallback);
    try {
        const int strict = StrToInt(text);
        check(strict == lenient);
        // What StrToInt reads, IntToStr writes back in the canonical form it reads again.
        check(StrToInt(IntToStr(strict)) == strict);
    } catch (const EConvertError&) {
        check(lenient == fallback);
    }
}

void checkFloat(const QString& text) {
    try {
        const double value = StrToFloat(text);
        check(std::isfinite(value));
        const double again = StrToFloat(FloatToStr(value));
        check(again == value || std::fabs(again - value) <= 1e-14 * std::fabs(value));
    } catch (const EConvertError&) {
    }
}

void checkFormatting(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double))
        return;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    const QString text = FloatToStr(value);
    check(!text.isEmpty());
    // Fifteen digits of a value within a hair of the largest double round beyond it.
    if (std::isfinite(value) && std::fabs(value) < 1e308) {
        const double again = StrToFloat(text);
        check(again == value || std::fabs(again - value) <= 1e-14 * std::fabs(value) ||
              std::fabs(value) < 1e-300);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SetDecimalSeparator(size % 2 == 0 ? u'.' : u',');
    checkInteger(text);
    checkFloat(text);
    checkFormatting(data, size);
    return 0;
}
