#include "app/settings/shownmoney.h"

#include "numfield/text/fixedpoint.h"

#include <charconv>
#include <string>

namespace paysmith {

double shownMoney(double value) {
    const std::optional<std::u16string> text = fixedPointText(value, 2);
    if (!text)
        return value;
    // The text is ASCII digits with a point, read whatever the C locale.
    const std::string ascii(text->begin(), text->end());
    double shown = value;
    std::from_chars(ascii.data(), ascii.data() + ascii.size(), shown);
    return shown;
}

} // namespace paysmith
