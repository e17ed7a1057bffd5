#include "numfield/text/picturemask.h"

#include "numfield/text/fieldexceptions.h"

#include "expectmessage.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

struct QuantityCase {
    const char* name;
    std::u16string mask;
    std::size_t displayLength;
    int decimalPlaces;
    int digitWidth;
    int integerDigits;
    std::optional<char16_t> lastPicture;
};

class MaskQuantities : public testing::TestWithParam<QuantityCase> {};

TEST_P(MaskQuantities, AreDerivedFromTheMask) {
    const QuantityCase& c = GetParam();
    const PictureMask mask(c.mask);
    EXPECT_EQ(mask.displayLength(), c.displayLength);
    EXPECT_EQ(mask.decimalPlaces(), c.decimalPlaces);
    EXPECT_EQ(mask.digitWidth(), c.digitWidth);
    EXPECT_EQ(mask.integerDigits(), c.integerDigits);
    EXPECT_EQ(mask.lastPictureCharacter(), c.lastPicture);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Masks, MaskQuantities, testing::Values(
    QuantityCase{"amount", u"###,###,###.##", 14, 2, 12, 9, u'#'},
    QuantityCase{"rate", u"###.####", 8, 4, 8, 3, u'#'},
    QuantityCase{"count", u"iiiiii", 6, 0, 6, 6, u'i'},
    QuantityCase{"point_without_decimals", u"###.", 4, 0, 3, 3, u'#'},
    QuantityCase{"parentheses_and_sign_place_take_no_room", u"##.##pg", 5, 2, 5, 2, u'#'},
    QuantityCase{"second_p_is_literal", u"##pp", 3, 0, 2, 2, u'#'},
    QuantityCase{"currency_run_not_counted", u"$$$###.##C", 10, 2, 6, 3, u'#'},
    QuantityCase{"decimals_stop_at_a_literal", u"#.## #", 6, 2, 4, 1, u'#'},
    QuantityCase{"no_picture_position", u"ccc", 3, 0, 0, 0, std::nullopt}),
    [](const testing::TestParamInfo<QuantityCase>& info) { return info.param.name; });
// clang-format on

struct ClassCase {
    const char* name;
    std::u16string characters;
    MaskPositionClass positionClass;
};

class PositionClasses : public testing::TestWithParam<ClassCase> {};

TEST_P(PositionClasses, SortEveryMaskCharacter) {
    const ClassCase& c = GetParam();
    for (const char16_t character : c.characters)
        EXPECT_EQ(positionClassOf(character), c.positionClass) << static_cast<int>(character);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Characters, PositionClasses, testing::Values(
    ClassCase{"picture", u"!#123456789ABDEHKLMNOSXYabdhilmnstxy", MaskPositionClass::Picture},
    ClassCase{"semi_literal", u"$,", MaskPositionClass::SemiLiteral},
    ClassCase{"literal", u".cCpgzZ0 -()PGF", MaskPositionClass::Literal}),
    [](const testing::TestParamInfo<ClassCase>& info) { return info.param.name; });
// clang-format on

TEST(PictureMask, RadixFollowsTheDigitCharacters) {
    EXPECT_EQ(PictureMask(u"KKKK").integerRadix(), 16);
    EXPECT_EQ(PictureMask(u"OOOO").integerRadix(), 8);
    EXPECT_EQ(PictureMask(u"bbbb").integerRadix(), 2);
    EXPECT_EQ(PictureMask(u"iiii").integerRadix(), 10);
}

TEST(PictureMask, RefusesMasksThatHoldNothingOrAreTooLong) {
    EXPECT_THROW(PictureMask(u""), EInvalidPictureMask);
    EXPECT_THROW(PictureMask(u"pg"), EInvalidPictureMask);
    EXPECT_THROW(PictureMask(std::u16string(256, u'#')), EInvalidPictureMask);
    EXPECT_NO_THROW(PictureMask(std::u16string(255, u'#')));
}

struct DesignCase {
    const char* name;
    TNumericDataType type;
    std::u16string mask;
    const char* message; // nullptr when the mask is taken
};

class DesignMaskCheck : public testing::TestWithParam<DesignCase> {};

TEST_P(DesignMaskCheck, RefusesPointsWithIntegerDigitsInFloatingTypes) {
    const DesignCase& c = GetParam();
    if (c.message == nullptr) {
        EXPECT_NO_THROW(checkDesignPictureMask(c.type, c.mask));
        return;
    }
    testing_messages::expectThrowWithMessage<EInvalidPictureMask>(
        [&] { checkDesignPictureMask(c.type, c.mask); }, c.message);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Masks, DesignMaskCheck, testing::Values(
    DesignCase{"double_point_and_9", TNumericDataType::nftDouble, u"999.99", "Invalid picture mask: 999.99"},
    DesignCase{"single_point_and_i", TNumericDataType::nftSingle, u"iii.##", "Invalid picture mask: iii.##"},
    DesignCase{"mask_named_in_utf8", TNumericDataType::nftDouble, u"9\u2019999.99", "Invalid picture mask: 9\xE2\x80\x99" "999.99"},
    DesignCase{"double_number_digits", TNumericDataType::nftDouble, u"###.##", nullptr},
    DesignCase{"double_9_without_point", TNumericDataType::nftDouble, u"9999", nullptr},
    DesignCase{"integer_type_unchecked", TNumericDataType::nftInteger, u"999.99", nullptr}),
    [](const testing::TestParamInfo<DesignCase>& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace paysmith
