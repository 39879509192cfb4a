// Fuzzes the text conversions: StrToIntDef agrees with StrToInt, IntToStr writes back what it
// reads; what StrToFloat reads, and any double, FloatToStr writes in digits that read back.

#include "Conversions.h"
#include "Exception.h"
#include "FuzzCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Within 1e-14 (fifteen digits round beyond the largest double, and thin out below 1e-300).
void checkReadsBack(double value) {
    if (std::isfinite(value) && std::fabs(value) < 1e308 && std::fabs(value) > 1e-300)
        check(std::fabs(StrToFloat(FloatToStr(value)) - value) <= 1e-14 * std::fabs(value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SetDecimalSeparator(size % 2 == 0 ? u'.' : u',');
    const int lenient = StrToIntDef(text, 12345);
    try {
        check(StrToInt(text) == lenient && StrToInt(IntToStr(lenient)) == lenient);
    } catch (const EConvertError&) {
        check(lenient == 12345);
    }
    try {
        const double value = StrToFloat(text);
        check(std::isfinite(value));
        checkReadsBack(value);
    } catch (const EConvertError&) {
    }
    double value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    check(!FloatToStr(value).isEmpty());
    checkReadsBack(value);
    return 0;
}
