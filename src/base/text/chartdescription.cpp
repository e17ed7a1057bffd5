#include "base/text/chartdescription.h"

#include "base/text/digits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace paysmith {

namespace {

// `pattern` with %1, %2, ... replaced by `values` in one pass, so that a
// value holding "%2" stays as it is.
std::u16string filledIn(const std::u16string& pattern,
                        std::initializer_list<std::u16string> values) {
    std::u16string text;
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        const char16_t next = k + 1 < pattern.size() ? pattern[k + 1] : u'\0';
        const std::size_t index = static_cast<std::size_t>(next - u'1');
        if (pattern[k] == u'%' && next >= u'1' && next <= u'9' && index < values.size()) {
            text += values.begin()[index];
            ++k;
        } else {
            text += pattern[k];
        }
    }
    return text;
}

std::u16string groupedWholeUnits(double value, char16_t groupMark) {
    const double rounded = std::round(value);
    const std::u16string digits =
        decimalDigits(static_cast<std::uint64_t>(std::min(std::fabs(rounded), 1e18)));
    std::u16string text = rounded < 0 ? u"-" : u"";
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0)
            text += groupMark;
        text += digits[k];
    }
    return text;
}

// Up to two decimals, without trailing zeros: 30, 7.5, 0.08.
std::u16string yearsText(double years, char16_t decimalMark) {
    const auto hundredths =
        static_cast<std::uint64_t>(std::llround(std::min(std::fabs(years), 1e15) * 100));
    std::u16string text = decimalDigits(hundredths / 100);
    if (const std::uint64_t cents = hundredths % 100; cents != 0) {
        text += decimalMark;
        text += static_cast<char16_t>(u'0' + cents / 10);
        if (cents % 10 != 0)
            text += static_cast<char16_t>(u'0' + cents % 10);
    }
    return text;
}

} // namespace

std::u16string describeChart(const std::vector<ChartLine>& lines, const ChartWording& wording,
                             char16_t decimalMark, char16_t groupMark,
                             const std::vector<ChartMarkAt>& marks) {
    const auto yearsSaid = [&](double years) {
        const std::u16string span = yearsText(years, decimalMark);
        return filledIn(span == u"1" ? wording.oneYear : wording.years, {span});
    };
    std::u16string description;
    for (const ChartLine& line : lines) {
        if (!description.empty())
            description += wording.separator;
        if (line.points.empty()) {
            description += filledIn(wording.empty, {line.name});
            continue;
        }
        const ChartPoint& first = line.points.front();
        const ChartPoint& last = line.points.back();
        description += filledIn(wording.line, {line.name, groupedWholeUnits(first.value, groupMark),
                                               groupedWholeUnits(last.value, groupMark),
                                               yearsSaid(last.years - first.years)});
    }
    for (const ChartMarkAt& mark : marks) {
        if (!description.empty())
            description += wording.separator;
        description += filledIn(wording.mark, {mark.label, yearsSaid(mark.years)});
    }
    return description;
}

} // namespace paysmith
