#pragma once

#include <array>
#include <string>

namespace spectrum {

// The period in microseconds, (m1 + ... + m8) x u, as plain decimal text. Computed wide enough
// that no 32-bit field values can overflow it.
std::string periodText(const std::array<int, 8>& multipliers, int unitTime);

} // namespace spectrum
