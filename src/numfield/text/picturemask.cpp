#include "numfield/text/picturemask.h"

#include "numfield/text/fieldexceptions.h"

#include <algorithm>

namespace paysmith {

namespace {

constexpr std::u16string_view kPictureCharacters = u"!#123456789ABDEHKLMNOSXYabdhilmnstxy";

std::u16string withoutFirst(std::u16string text, char16_t c) {
    if (const std::size_t at = text.find(c); at != std::u16string::npos)
        text.erase(at, 1);
    return text;
}

std::optional<std::size_t> findFirst(const std::u16string& text, char16_t c) {
    const std::size_t at = text.find(c);
    if (at == std::u16string::npos)
        return std::nullopt;
    return at;
}

} // namespace

MaskPositionClass positionClassOf(char16_t maskCharacter) {
    if (kPictureCharacters.find(maskCharacter) != std::u16string_view::npos)
        return MaskPositionClass::Picture;
    if (maskCharacter == u'$' || maskCharacter == u',')
        return MaskPositionClass::SemiLiteral;
    return MaskPositionClass::Literal;
}

PictureMask::PictureMask(std::u16string mask)
    : m_text(std::move(mask)), m_layout(withoutFirst(withoutFirst(m_text, u'p'), u'g')),
      m_decimalPoint(findFirst(m_layout, u'.')), m_parenthesisPlace(findFirst(m_text, u'p')),
      m_signPlace(findFirst(m_text, u'g')) {
    if (m_text.size() > kMaxLength || m_layout.empty())
        throw EInvalidPictureMask(m_text);
    m_classes.reserve(m_layout.size());
    for (const char16_t c : m_layout)
        m_classes.push_back(positionClassOf(c));

    const auto isPicture = [](MaskPositionClass c) { return c == MaskPositionClass::Picture; };
    const auto pointAt =
        m_classes.begin() + static_cast<std::ptrdiff_t>(m_decimalPoint.value_or(m_classes.size()));
    const int integerPositions =
        static_cast<int>(std::count_if(m_classes.begin(), pointAt, isPicture));
    if (m_decimalPoint) {
        const auto decimalsEnd = std::find_if_not(pointAt + 1, m_classes.end(), isPicture);
        m_decimalPlaces = static_cast<int>(decimalsEnd - (pointAt + 1));
    }
    m_digitWidth = integerPositions + m_decimalPlaces + (m_decimalPlaces != 0 ? 1 : 0);
    m_integerDigits = m_decimalPlaces != 0 ? m_digitWidth - m_decimalPlaces - 1 : m_digitWidth;
}

std::optional<char16_t> PictureMask::lastPictureCharacter() const {
    for (std::size_t i = m_layout.size(); i-- > 0;) {
        if (m_classes[i] == MaskPositionClass::Picture)
            return m_layout[i];
    }
    return std::nullopt;
}

int PictureMask::integerRadix() const {
    if (m_layout.find(u'K') != std::u16string::npos)
        return 16;
    if (m_layout.find(u'O') != std::u16string::npos)
        return 8;
    if (m_layout.find(u'b') != std::u16string::npos)
        return 2;
    return 10;
}

void checkDesignPictureMask(TNumericDataType type, std::u16string_view mask) {
    const bool digitsOnly = mask.find_first_of(u"9i") != std::u16string_view::npos;
    if (!isIntegerType(type) && mask.find(u'.') != std::u16string_view::npos && digitsOnly)
        throw EInvalidPictureMask(mask);
}

} // namespace paysmith
