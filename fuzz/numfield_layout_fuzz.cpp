// Arbitrary values laid out: every display text keeps the display length, and
// one that is not the overflow text reads back as the value rounded to the
// mask's decimals, with its sign. Arbitrary masks must lay out any value
// without a fault.

#include "fuzzfields.h"

#include "numfield/text/fieldexceptions.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace paysmith;

namespace {

void checkProgramField(const NumericText& field, double value) {
    const std::u16string display = field.displayTextOfFloat(value);
    if (display.size() != field.mask().displayLength())
        std::abort();
    const Conversion back = field.valueOf(display);
    if (field.layout().isOverflowText(display)) {
        if (back.code != ErrInvalid)
            std::abort();
        return;
    }
    if (back.code != 0)
        std::abort();
    const long double halfUnit = 0.5L * std::pow(10.0L, -field.mask().decimalPlaces());
    const long double slack = std::fabs(static_cast<long double>(value)) * 1e-15L;
    if (std::fabs(back.value - value) > halfUnit + slack)
        std::abort();
    if (back.value != 0 && std::signbit(back.value) != std::signbit(value))
        std::abort();
}

void checkAnyMask(std::u16string mask, long double value, const TIntlSupport& intl) {
    std::optional<PictureMask> picture;
    try {
        picture.emplace(std::move(mask));
    } catch (const EInvalidPictureMask&) {
        return;
    }
    const NumericText field(intl, TNumericDataType::nftExtended, *picture,
                            defaultRangeLo(TNumericDataType::nftExtended),
                            defaultRangeHi(TNumericDataType::nftExtended));
    const std::u16string display = field.displayTextOfFloat(value);
    if (display.size() != field.mask().displayLength())
        std::abort();
    field.valueOf(display);
    field.layout().displayString(display);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + sizeof(double))
        return 0;
    double value = 0;
    std::memcpy(&value, data + 1, sizeof value);
    const std::uint8_t selector = data[0];
    const std::size_t maskIndex = selector % fuzzing::kMasks.size();
    if (!isIntegerType(fuzzing::dataTypeOfMask(maskIndex)))
        checkProgramField(fuzzing::fieldFor(selector), value);

    // The rest, if any, is an extended value and a mask of its own.
    constexpr std::size_t kExtendedBytes = 10;
    const std::size_t rest = 1 + sizeof(double);
    if (size < rest + kExtendedBytes)
        return 0;
    long double extended = 0;
    std::memcpy(&extended, data + rest, kExtendedBytes);
    const TIntlSupport& intl = fuzzing::kConventions[selector % fuzzing::kConventions.size()];
    checkAnyMask(fuzzing::utf16Of(data + rest + kExtendedBytes, size - rest - kExtendedBytes),
                 extended, intl);
    return 0;
}
