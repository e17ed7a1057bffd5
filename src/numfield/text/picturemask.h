#pragma once

#include "numfield/text/datatype.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace paysmith {

enum class MaskPositionClass : unsigned char {
    Picture,     // holds one character of the value
    SemiLiteral, // "$" or ",": currency, grouping mark, sign or blank as the layout needs
    Literal,     // shown as it stands ("." as the decimal mark)
};

MaskPositionClass positionClassOf(char16_t maskCharacter);

// A picture mask and the quantities derived from it. The first "p" and the
// first "g" mark where a negative number's parenthesis or sign is drawn; they
// take no place in the display text, so display position i is position i of
// layoutText().
class PictureMask {
  public:
    static constexpr std::size_t kMaxLength = 255;

    // Throws EInvalidPictureMask for a mask longer than kMaxLength or one
    // leaving no display position.
    explicit PictureMask(std::u16string mask);

    const std::u16string& text() const { return m_text; }
    const std::u16string& layoutText() const { return m_layout; }
    std::size_t displayLength() const { return m_layout.size(); }
    MaskPositionClass positionClass(std::size_t displayPosition) const {
        return m_classes[displayPosition];
    }

    int decimalPlaces() const { return m_decimalPlaces; }
    int digitWidth() const { return m_digitWidth; }
    int integerDigits() const { return m_integerDigits; }

    // Display position of the first "." (the decimal point).
    std::optional<std::size_t> decimalPoint() const { return m_decimalPoint; }
    // Positions in text() of the first "p" and the first "g".
    std::optional<std::size_t> parenthesisPlace() const { return m_parenthesisPlace; }
    std::optional<std::size_t> signPlace() const { return m_signPlace; }

    bool hasDecimalPoint() const { return m_decimalPoint.has_value(); }
    bool hasParentheses() const { return m_parenthesisPlace.has_value(); }
    bool hasSignPlace() const { return m_signPlace.has_value(); }
    bool hasGrouping() const { return m_layout.find(u',') != std::u16string::npos; }

    // The mask character a typed character is offered to: the last picture
    // position, just left of a numeric field's caret.
    std::optional<char16_t> lastPictureCharacter() const;

    // 16, 8 or 2 for masks with "K", "O" or "b", whose integers are hexadecimal,
    // octal or binary; otherwise 10.
    int integerRadix() const;

  private:
    std::u16string m_text;
    std::u16string m_layout;
    std::vector<MaskPositionClass> m_classes;
    std::optional<std::size_t> m_decimalPoint;
    std::optional<std::size_t> m_parenthesisPlace;
    std::optional<std::size_t> m_signPlace;
    int m_decimalPlaces = 0;
    int m_digitWidth = 0;
    int m_integerDigits = 0;
};

// Throws EInvalidPictureMask for a floating type's mask that has a decimal
// point together with "9" or "i". Only a form being designed is checked; at
// run time any mask is taken.
void checkDesignPictureMask(TNumericDataType type, std::u16string_view mask);

} // namespace paysmith
