#pragma once

#include "numfield/text/datatype.h"
#include "numfield/text/masklayout.h"
#include "numfield/text/rangerecord.h"
#include "numfield/text/validation.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace paysmith {

// A numeric field's text rules in one place: its data type, mask and range
// with the shared number-format settings (which must outlive it). A value
// goes in as display text and comes back as the value of that text, rounded
// to the mask's decimals; a value that the mask cannot hold shows as the
// overflow text and reads back as ErrInvalid, never as another number.
class NumericText {
  public:
    NumericText(const TIntlSupport& intl, TNumericDataType type, PictureMask mask,
                TRangeRecord rangeLo, TRangeRecord rangeHi);
    // The data type's default mask and range.
    NumericText(const TIntlSupport& intl, TNumericDataType type);

    TNumericDataType dataType() const { return m_type; }
    const MaskLayout& layout() const { return m_layout; }
    const PictureMask& mask() const { return m_layout.mask(); }

    // For the floating types: the value narrowed to the type, rounded to the
    // mask's decimals.
    std::u16string displayTextOfFloat(long double value) const;
    // For the integer types.
    std::u16string displayTextOfInteger(std::int32_t value) const;

    // Strips, converts and checks the range: the value, or 0 with ErrInvalid
    // or ErrRange.
    Conversion valueOf(std::u16string_view displayText) const;

  private:
    std::u16string merged(const std::optional<std::u16string>& numberText) const;

    TNumericDataType m_type;
    MaskLayout m_layout;
    TRangeRecord m_rangeLo;
    TRangeRecord m_rangeHi;
};

} // namespace paysmith
