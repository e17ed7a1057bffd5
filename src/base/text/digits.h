#pragma once

#include <cstdint>
#include <string>

namespace paysmith {

// The decimal digits of `value`, most significant first, with no sign or marks.
std::u16string decimalDigits(std::uint64_t value);

} // namespace paysmith
