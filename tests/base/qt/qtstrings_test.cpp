#include "base/qt/qtstrings.h"

#include <gtest/gtest.h>

namespace paysmith {
namespace {

// Marks and currency texts may lie outside Latin-1 and even outside the BMP;
// a broken surrogate from a hand-edited file must come back as it went in.
TEST(QtStrings, CodeUnitsCrossUnchangedBothWays) {
    const std::u16string texts[] = {
        u"",
        u"1,234.50",
        u"1\u202F234,50\u00A0\u20AC",
        u"\U0001F4B0 12",
        std::u16string{u'a', char16_t{0xD800}, u'b'},
    };
    for (const std::u16string& text : texts) {
        const QString converted = toQString(text);
        EXPECT_EQ(static_cast<std::size_t>(converted.size()), text.size());
        EXPECT_EQ(toU16String(converted), text);
    }
    EXPECT_EQ(toQString(u"\u20AC5"), QString::fromUtf8("\xE2\x82\xAC"
                                                       "5"));
}

} // namespace
} // namespace paysmith
