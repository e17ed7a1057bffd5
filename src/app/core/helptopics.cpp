#include "app/core/helptopics.h"

#include <array>
#include <utility>

namespace paysmith {

namespace {

constexpr std::array<std::pair<int, std::string_view>, 3> kTopics{{
    {kFirstRunHelpContext, "getting-started.html"},
    {kScheduleHelpContext, "schedule.html"},
    {kCompareHelpContext, "compare.html"},
}};

} // namespace

std::optional<std::string_view> helpPageForContext(int context) {
    for (const auto& [number, page] : kTopics)
        if (number == context)
            return page;
    return std::nullopt;
}

} // namespace paysmith
