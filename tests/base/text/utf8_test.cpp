#include "base/text/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u16string text;
};

class Utf8Decoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8Decoding, TurnsAnyBytesIntoTextThatEncodesBack) {
    const std::u16string text = utf16FromUtf8(GetParam().bytes);
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(utf16FromUtf8(utf8FromUtf16(text)), text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8Decoding,
    testing::Values(DecodeCase{"two_and_three_bytes", "\xC3\xA9\xE2\x80\xAF", u"\u00E9\u202F"},
                    DecodeCase{"four_bytes_to_pair", "\xF0\x9F\x92\xB6", u"\U0001F4B6"},
                    DecodeCase{"latin1_byte", "Z\xFCrich", u"Z\uFFFDrich"},
                    DecodeCase{"truncated_at_end", "ab\xE2\x80", u"ab\uFFFD\uFFFD"},
                    DecodeCase{"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
                    DecodeCase{"encoded_surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
                    DecodeCase{"above_unicode", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

TEST(Utf8Encoding, UnpairedSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(utf8FromUtf16(u"a\xD800z\xDC00"), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
}

} // namespace
} // namespace paysmith
