// Arbitrary text read through a field: strip and convert must never fail
// other than with a validation code, and a value read must lay out again into
// a display text that reads back as itself.

#include "fuzzfields.h"

#include <cmath>
#include <cstdlib>

using namespace paysmith;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const NumericText field = fuzzing::fieldFor(data[0]);
    const std::u16string text = fuzzing::utf16Of(data + 1, size - 1);

    const Conversion read = field.valueOf(text);
    if (read.code != 0 && read.code != ErrRange && read.code != ErrInvalid)
        std::abort();
    if (read.code != 0 || !std::isfinite(read.value))
        return 0;

    const std::u16string display =
        isIntegerType(field.dataType())
            ? field.displayTextOfInteger(static_cast<std::int32_t>(read.value))
            : field.displayTextOfFloat(read.value);
    if (display.size() != field.mask().displayLength())
        std::abort();
    const Conversion again = field.valueOf(display);
    const bool overflow = field.layout().isOverflowText(display);
    if (overflow != (again.code == ErrInvalid))
        std::abort();
    if (!overflow) {
        const std::u16string shownAgain =
            isIntegerType(field.dataType())
                ? field.displayTextOfInteger(static_cast<std::int32_t>(again.value))
                : field.displayTextOfFloat(again.value);
        if (shownAgain != display)
            std::abort();
    }
    return 0;
}
