#include "numfield/text/charcheck.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

struct CharCase {
    const char* name;
    char16_t maskCharacter;
    std::u16string accepted; // each is taken as it stands unless `taken` says otherwise
    std::u16string refused;
};

class CharacterCheck : public testing::TestWithParam<CharCase> {};

TEST_P(CharacterCheck, TakesOnlyWhatTheMaskCharacterAllows) {
    const CharCase& c = GetParam();
    for (const char16_t ch : c.accepted)
        EXPECT_EQ(acceptCharacter(c.maskCharacter, ch), ch) << static_cast<int>(ch);
    for (const char16_t ch : c.refused)
        EXPECT_EQ(acceptCharacter(c.maskCharacter, ch), std::nullopt) << static_cast<int>(ch);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CharacterCheck,
    testing::Values(CharCase{"nine", u'9', u"0123456789 ", u"-.aE+,"},
                    CharCase{"integer_digit", u'i', u"0123456789 -", u".,+aE"},
                    CharCase{"number_digit", u'#', u"0123456789 -.", u",+E"},
                    CharCase{"scientific", u'E', u"0123456789 -.E+", u",F"},
                    CharCase{"hexadecimal", u'K', u"0123456789 ABCDEF", u"G-."},
                    CharCase{"octal", u'O', u" 01234567", u"89-"},
                    CharCase{"binary", u'b', u" 01", u"2-"},
                    CharCase{"true_false", u'B', u"TF", u"YN1 "},
                    CharCase{"yes_no", u'Y', u"YN", u"TF1 "},
                    CharCase{"any", u'X', u"a1 -\u00A0?", u""},
                    CharCase{"letters", u'a', u"aZ\u00E9 -.,", u"1?\u00F7"},
                    CharCase{"date_digit", u'D', u"0123456789 ", u"a-"},
                    CharCase{"literal_takes_nothing", u'.', u"", u"1 a."},
                    CharCase{"semi_literal_takes_nothing", u',', u"", u"1 ,"}),
    [](const testing::TestParamInfo<CharCase>& info) { return info.param.name; });

struct CaseForcing {
    const char* name;
    char16_t maskCharacter;
    char16_t typed;
    std::optional<char16_t> taken;
};

class CaseForcingCheck : public testing::TestWithParam<CaseForcing> {};

TEST_P(CaseForcingCheck, ForcesCaseBeforeChecking) {
    const CaseForcing& c = GetParam();
    EXPECT_EQ(acceptCharacter(c.maskCharacter, c.typed), c.taken);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CaseForcingCheck,
    testing::Values(CaseForcing{"e_taken_by_E", u'E', u'e', u'E'},
                    CaseForcing{"hex_lower_case", u'K', u'f', u'F'},
                    CaseForcing{"hex_beyond_f", u'K', u'g', std::nullopt},
                    CaseForcing{"bang_upper", u'!', u'q', u'Q'},
                    CaseForcing{"bang_latin1_upper", u'!', u'\u00E9', u'\u00C9'},
                    CaseForcing{"bang_latin_extended_upper", u'!', u'\u0107', u'\u0106'},
                    CaseForcing{"A_upper", u'A', u'x', u'X'},
                    CaseForcing{"N_upper", u'N', u'x', u'X'},
                    CaseForcing{"true_false_lower", u'B', u't', u'T'},
                    CaseForcing{"yes_no_lower", u'Y', u'n', u'N'},
                    CaseForcing{"L_lower", u'L', u'Q', u'q'},
                    CaseForcing{"l_lower", u'l', u'\u00C9', u'\u00E9'},
                    CaseForcing{"l_refuses_digit", u'l', u'1', std::nullopt},
                    CaseForcing{"x_keeps_case", u'x', u'Q', u'Q'},
                    CaseForcing{"division_sign_has_no_case", u'!', u'\u00F7', u'\u00F7'}),
    [](const testing::TestParamInfo<CaseForcing>& info) { return info.param.name; });

} // namespace
} // namespace paysmith
