#pragma once

#include "numfield/text/intlsupport.h"
#include "numfield/text/picturemask.h"

#include <optional>
#include <string>
#include <string_view>

namespace paysmith {

// Lays number texts into one picture mask and takes display texts apart
// again, with the shared number-format settings, which must outlive it.
class MaskLayout {
  public:
    // A number that does not fit shows as this character in every position:
    // it reads back as no number at all rather than as a different one.
    static constexpr char16_t kOverflowMark = u'#';

    MaskLayout(PictureMask mask, const TIntlSupport& intl);

    const PictureMask& mask() const { return m_mask; }
    const TIntlSupport& intl() const { return *m_intl; }

    // The display text of a number text ("-", digits, "." and decimals), always
    // display-length characters; nullopt when an integer digit or the sign
    // finds no position. Decimals beyond the mask's are dropped.
    std::optional<std::u16string> merge(std::u16string_view numberText) const;

    // The display text of a number that does not fit.
    std::u16string overflowText() const;
    bool isOverflowText(std::u16string_view displayText) const;

    // The text to draw, right-aligned: a negative sign moved to the "p"
    // parentheses or the "g" place, blanks at both ends removed.
    std::u16string displayString(std::u16string_view displayText) const;

    // The number text inside a display text: layout characters, currency and
    // grouping marks removed, the decimal mark as ".". A text that is not
    // display-length long, or the overflow text, is returned unchanged.
    std::u16string strip(std::u16string_view displayText) const;

  private:
    std::u16string baseText() const;
    void placeDecimals(std::u16string& text, std::u16string_view decimals) const;
    bool placeIntegerPart(std::u16string& text, std::u16string_view digits, bool negative) const;

    PictureMask m_mask;
    const TIntlSupport* m_intl;
    std::u16string m_base;
    std::u16string m_currency; // the floating currency characters the "$" run receives
    std::size_t m_digitAreaStart = 0;
};

} // namespace paysmith
