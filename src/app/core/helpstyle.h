#pragma once

#include "base/colour/contrast.h"

#include <string>
#include <string_view>

namespace paysmith {

// The help pages' style sheet as shown on a page of colour `page`: each
// colour it names as "#rrggbb" lightened or darkened until it reads there,
// and links in `link`, made to read the same way. The sheet's colours are
// chosen for a white page, and a dark desktop palette makes the page dark.
std::string helpStyleSheet(std::string_view sheet, Rgb page, Rgb link);

} // namespace paysmith
