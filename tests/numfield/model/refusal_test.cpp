#include "numfield/model/refusal.h"

#include <gtest/gtest.h>

namespace paysmith {
namespace {

struct RefusalCase {
    const char* name;
    char16_t typed;
    const char16_t* entry; // what the field held, with "." as its point
    const char16_t* mask;
    char16_t decimalMark;
    Refusal reason;
};

// clang-format off
const RefusalCase kCases[] = {
    {"point_in_a_count",         u'.', u"12",   u"iiiiii",         u'.', Refusal::WholeNumbersOnly},
    {"comma_in_a_count",         u',', u"12",   u"iiiiii",         u',', Refusal::WholeNumbersOnly},
    {"comma_under_point_marks",  u',', u"5",    u"###.####",       u'.', Refusal::UseDecimalMark},
    {"point_under_comma_marks",  u'.', u"5",    u"###.####",       u',', Refusal::UseDecimalMark},
    {"second_point",             u'.', u"5.5",  u"###.####",       u'.', Refusal::PointAlreadyTyped},
    {"point_without_decimals",   u'.', u"123",  u"###",            u'.', Refusal::WholeNumbersOnly},
    {"digit_past_the_width",     u'7', u"999",  u"###.####",       u'.', Refusal::NoMoreDigits},
    {"minus_without_room",       u'-', u"999",  u"###.####",       u'.', Refusal::NoRoomForSign},
    {"letter_in_an_amount",      u'x', u"1",    u"###,###,###.##", u'.', Refusal::DigitsMinusAndPointOnly},
    {"letter_in_a_count",        u'x', u"1",    u"iiiiii",         u'.', Refusal::DigitsAndMinusOnly},
    {"letter_in_plain_digits",   u'x', u"1",    u"999.99",         u'.', Refusal::DigitsOnly},
};
// clang-format on

TEST(Refusal, NamesWhyTheKeyWasRefused) {
    for (const RefusalCase& c : kCases) {
        EntryString entry;
        entry.load(c.entry);
        EXPECT_EQ(refusalOfTyped(c.typed, entry, PictureMask(c.mask), c.decimalMark), c.reason)
            << c.name;
    }
}

} // namespace
} // namespace paysmith
