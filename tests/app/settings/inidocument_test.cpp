#include "app/settings/inidocument.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace paysmith {
namespace {

constexpr const char* kDefault = "<default>";

struct ReadCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    std::string expected;
};

class IniReading : public testing::TestWithParam<ReadCase> {};

TEST_P(IniReading, FindsTheValueOrGivesTheDefault) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniDocument(c.text).value(c.section, c.key, kDefault), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniReading,
    testing::Values(ReadCase{"plain", "[LastValues]\nLoan1=5\n", "LastValues", "Loan1", "5"},
                    ReadCase{"section_case", "[lastVALUES]\nLoan1=5\n", "LastValues", "Loan1", "5"},
                    ReadCase{"key_case", "[LastValues]\nTERM2=7\n", "LastValues", "Term2", "7"},
                    ReadCase{"crlf", "[S]\r\nk=v\r\nm=w\r\n", "S", "k", "v"},
                    ReadCase{"blanks_around_equals", "[S]\n \t k \t= \t v w \t\n", "S", "k", "v w"},
                    ReadCase{"blanks_around_section", "  [ S ]  \nk=v\n", "S", "k", "v"},
                    ReadCase{"text_after_bracket", "[S] ; note\nk=v\n", "S", "k", "v"},
                    ReadCase{"no_final_line_end", "[S]\nk=v", "S", "k", "v"},
                    ReadCase{"empty_value_is_no_default", "[S]\nk=\n", "S", "k", ""},
                    ReadCase{"equals_in_value", "[S]\nk=a=b\n", "S", "k", "a=b"},
                    ReadCase{"missing_file", "", "S", "k", kDefault},
                    ReadCase{"missing_section", "[T]\nk=v\n", "S", "k", kDefault},
                    ReadCase{"missing_key", "[S]\nm=v\n", "S", "k", kDefault},
                    ReadCase{"key_of_next_section", "[S]\n[T]\nk=v\n", "S", "k", kDefault},
                    ReadCase{"key_before_any_section", "k=v\n[S]\n", "S", "k", kDefault},
                    ReadCase{"line_without_equals", "[S]\nk\n", "S", "k", kDefault},
                    ReadCase{"commented_key", "[S]\n;k=v\n", "S", "k", kDefault},
                    ReadCase{"unclosed_bracket_opens_nothing", "[S]\n[T\nk=v\n", "S", "k", "v"},
                    ReadCase{"first_of_two_keys", "[S]\nk=1\nk=2\n", "S", "k", "1"},
                    ReadCase{"repeated_section", "[S]\na=1\n[T]\nk=0\n[s]\nk=2\n", "S", "k", "2"},
                    ReadCase{"prefix_is_no_match", "[S]\nkey=v\n", "S", "k", kDefault}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

struct WriteCase {
    const char* name;
    std::string before;
    std::string after;
};

class IniWriting : public testing::TestWithParam<WriteCase> {};

TEST_P(IniWriting, SetsKTovInSectionSAndLeavesTheRest) {
    IniDocument document(GetParam().before);
    document.setValue("S", "k", "v");
    EXPECT_EQ(document.text(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniWriting,
    testing::Values(
        WriteCase{"replaced_in_place", "; top\n[S]\na=1\nk=old\nb=2\n",
                  "; top\n[S]\na=1\nk=v\nb=2\n"},
        WriteCase{"keeps_spelling_and_crlf", "[s]\r\n  K = old \r\nb=2", "[s]\r\nK=v\r\nb=2"},
        WriteCase{"added_after_last_key", "[S]\na=1\n;c\nb=2\n\n; T next\n[T]\nk=2\n",
                  "[S]\na=1\n;c\nb=2\nk=v\n\n; T next\n[T]\nk=2\n"},
        WriteCase{"added_to_empty_section", "[S]\n[T]\n", "[S]\nk=v\n[T]\n"},
        WriteCase{"added_to_first_of_repeated", "[S]\na=1\n[T]\n[S]\n",
                  "[S]\na=1\nk=v\n[T]\n[S]\n"},
        WriteCase{"replaced_in_repeated", "[S]\na=1\n[T]\n[S]\nk=2\n", "[S]\na=1\n[T]\n[S]\nk=v\n"},
        WriteCase{"section_appended", "[T]\nb=2\n", "[T]\nb=2\n[S]\nk=v\n"},
        WriteCase{"empty_file", "", "[S]\nk=v\n"},
        WriteCase{"last_line_ended_first", "x\n[T]\nb=2", "x\n[T]\nb=2\n[S]\nk=v\n"},
        WriteCase{"crlf_file_gets_crlf", "[T]\r\nb=2\r\n", "[T]\r\nb=2\r\n[S]\r\nk=v\r\n"},
        WriteCase{"odd_lines_kept", "junk\n[S]\nno equals\n [x\n",
                  "junk\n[S]\nk=v\nno equals\n [x\n"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST(IniWriting, LineBreaksInAValueCannotForgeKeys) {
    IniDocument document("[S]\n");
    document.setValue("S", "k", "a\n[GeneralValues]\r\nRun=0");
    EXPECT_EQ(document.text(), "[S]\nk=a [GeneralValues]  Run=0\n");
    EXPECT_EQ(document.value("GeneralValues", "Run", kDefault), kDefault);
}

struct LongValueCase {
    const char* name;
    std::string value;
    std::string read;
};

class IniLongValues : public testing::TestWithParam<LongValueCase> {};

TEST_P(IniLongValues, AreReadCutTo2047Characters) {
    const std::string text = std::string(100'000, ';') + "\n[S]\nk=" + GetParam().value + "\n";
    EXPECT_EQ(IniDocument(text).value("S", "k", kDefault), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniLongValues,
    testing::Values(LongValueCase{"exactly_2047", std::string(2047, 'x'), std::string(2047, 'x')},
                    LongValueCase{"2048_cut", std::string(2048, 'x'), std::string(2047, 'x')},
                    LongValueCase{"100000_cut", std::string(100'000, '9'), std::string(2047, '9')},
                    LongValueCase{"multibyte_kept_whole", std::string(2046, 'a') + "\xC3\xA9zz",
                                  std::string(2046, 'a') + "\xC3\xA9"}),
    [](const testing::TestParamInfo<LongValueCase>& info) { return info.param.name; });

struct NoiseCase {
    const char* name;
    std::string alphabet; // empty: any byte
    std::size_t maxLength;
};

class IniNoise : public testing::TestWithParam<NoiseCase> {};

// Whatever the bytes, the text comes back unchanged and a value once set is
// the value read.
TEST_P(IniNoise, KeepsTheTextAndReadsWhatWasSet) {
    const NoiseCase& c = GetParam();
    std::mt19937 random(2024);
    for (int round = 0; round < 200; ++round) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, c.maxLength)(random), '\0');
        for (char& byte : text)
            byte = c.alphabet.empty() ? static_cast<char>(random())
                                      : c.alphabet[std::uniform_int_distribution<std::size_t>(
                                            0, c.alphabet.size() - 1)(random)];
        IniDocument document(text);
        ASSERT_EQ(document.text(), text) << "round " << round;
        document.setValue("S", "k", "set");
        EXPECT_EQ(document.value("S", "k", kDefault), "set") << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniNoise,
    testing::Values(NoiseCase{"any_byte", "", 3000},
                    NoiseCase{"ini_punctuation", "[]=;\r\n \tSsKk\xC3\x80\xFF", 400},
                    NoiseCase{"long_lines", "ab= [\t", 100'000}),
    [](const testing::TestParamInfo<NoiseCase>& info) { return info.param.name; });

} // namespace
} // namespace paysmith
