#include "PeriodText.h"

#include <algorithm>
#include <cstdint>

namespace spectrum {

std::string periodText(const std::array<int, 8>& multipliers, int unitTime) {
    // Eight 32-bit values add up to less than 2^35 in magnitude; times a 32-bit unit time that is
    // less than 2^66, beyond 64 bits.
    __extension__ using Wide = __int128;
    std::int64_t sum = 0;
    for (const int m : multipliers)
        sum += m;
    const Wide product = Wide{sum} * unitTime;

    Wide magnitude = product < 0 ? -product : product;
    std::string digits;
    do {
        digits.push_back(static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    if (product < 0)
        digits.push_back('-');
    std::reverse(digits.begin(), digits.end());
    return digits;
}

} // namespace spectrum
