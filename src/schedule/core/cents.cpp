#include "schedule/core/cents.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace paysmith {

std::int64_t roundCents(double value) {
    std::array<char, 400> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                       std::chars_format::fixed);
    const std::string_view digits(text.data(), written.ptr);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    std::int64_t cents = 0;
    for (char c : digits.substr(0, point))
        cents = cents * 10 + (c - '0');
    const auto decimal = [&](std::size_t k) {
        return point + k < digits.size() ? digits[point + k] - '0' : 0;
    };
    cents = cents * 100 + decimal(1) * 10 + decimal(2);
    if (decimal(3) >= 5)
        ++cents;
    return value < 0 ? -cents : cents;
}

} // namespace paysmith
