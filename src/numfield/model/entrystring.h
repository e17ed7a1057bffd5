#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace paysmith {

enum class Sign { Positive, Negative };

// The limits a mask puts on what can be typed.
struct EntryLimits {
    int digitWidth = 0;
    int integerDigits = 0;
    bool maskHasPoint = false;
    // The decimals a key may bring, the mask's own: a digit beyond them would
    // be rounded away on leaving without anyone seeing it go. None for a
    // pasted number, whose excess decimals round it rather than vanish.
    std::optional<int> decimalPlaces;
};

enum class KeyOutcome {
    Added,     // the entry string or its sign changed
    Swallowed, // taken without effect: a leading "0"
    Refused,
};

// What has been typed into a focused field: digits with at most one point,
// and a sign kept apart from them, as on a pocket calculator.
class EntryString {
  public:
    const std::u16string& text() const { return m_text; }
    Sign sign() const { return m_sign; }
    bool empty() const { return m_text.empty(); }
    bool hasPoint() const { return m_text.find(u'.') != std::u16string::npos; }
    // Characters after the point; 0 without one.
    int decimals() const;

    void clear();
    // A character the mask has accepted: "-" toggles the sign, a blank is
    // refused, "." and everything else (digits, or the letters of hexadecimal
    // and scientific masks) count towards the width.
    KeyOutcome offer(char16_t c, const EntryLimits& limits);
    // Removes the last character, or a negative sign once nothing else is left.
    // False when there was nothing to remove.
    bool removeLast();
    // Takes over a field's stripped display text: blanks dropped, a leading
    // "-" as the sign, a lone "0" as nothing typed.
    void load(std::u16string_view stripped);

    friend bool operator==(const EntryString&, const EntryString&) = default;

  private:
    KeyOutcome offerSign(const EntryLimits& limits);
    KeyOutcome offerDigitOrPoint(char16_t c, const EntryLimits& limits);
    // Characters before the point, the sign included.
    int integerWidth() const;
    int signWidth() const { return m_sign == Sign::Negative ? 1 : 0; }

    std::u16string m_text;
    Sign m_sign = Sign::Positive;
};

} // namespace paysmith
