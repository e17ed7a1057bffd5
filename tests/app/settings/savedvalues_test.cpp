#include "app/settings/savedvalues.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>

namespace paysmith {
namespace {

constexpr const char* kFirstClose = "[LastValues]\n"
                                    "Loan1=150000\n"
                                    "Interest1=6.75\n"
                                    "Term1=360\n"
                                    "Payment1=972.9\n"
                                    "Frequency1=Monthly 12\n"
                                    "Taxes1=0\n"
                                    "Insurance1=0\n"
                                    "Loan2=150000\n"
                                    "Interest2=5.75\n"
                                    "term2=240\n"
                                    "Payment2=1053.13\n"
                                    "Frequency2=Monthly 12\n"
                                    "Taxes2=0\n"
                                    "Insurance2=0\n"
                                    "[GeneralValues]\n"
                                    "Run=1\n";

std::string written(const std::string& before, const SavedValues& values, char16_t separator) {
    IniDocument document(before);
    writeSavedValues(document, values, separator);
    return document.text();
}

SavedValues afterFirstRun() {
    SavedValues values = RestoreDefaults();
    values.firstRunDone = true;
    return values;
}

TEST(SavedValuesFile, FirstCloseWithDefaultsWritesTheSeventeenLines) {
    EXPECT_EQ(written("", afterFirstRun(), u'.'), kFirstClose);
}

TEST(SavedValuesFile, RewritingChangesOnlyTheChangedValue) {
    SavedValues values = afterFirstRun();
    values.loan2.term = 12;
    std::string expected = kFirstClose;
    expected.replace(expected.find("term2=240"), 9, "term2=12");
    EXPECT_EQ(written(kFirstClose, values, u'.'), expected);
}

TEST(SavedValuesFile, ComparisonKeysOnceWrittenFollowEveryChange) {
    SavedValues values = afterFirstRun();
    values.comparison.offers[1].fees = 900;
    const std::string entered = written(kFirstClose, values, u'.');
    EXPECT_EQ(entered, std::string(kFirstClose)
                           .insert(std::string(kFirstClose).find("[General"),
                                   "Fees1=0\nPoints1=0\nFees2=900\nPoints2=0\nExtra1=0\nExtra2=0\n"
                                   "Lump1=0\nLump2=0\nLumpPeriod1=0\nLumpPeriod2=0\n"));
    values.comparison.offers[1].fees = 0;
    EXPECT_NE(written(entered, values, u'.').find("Fees2=0\n"), std::string::npos);
}

// Closing at the designed size after a maximised or resized run must bring the
// designed size back at the next start.
TEST(SavedValuesFile, WindowKeysOnceWrittenReturnToTheDesignedSize) {
    SavedValues values = afterFirstRun();
    values.window = {900, 700, true};
    const std::string resized = written(kFirstClose, values, u'.');
    EXPECT_EQ(readSavedValues(IniDocument(resized), u'.').window, values.window);
    values.window = {};
    EXPECT_EQ(readSavedValues(IniDocument(written(resized, values, u'.')), u'.').window,
              SavedWindow{});
}

TEST(SavedValuesFile, ForeignLinesAndSectionsSurvive) {
    const std::string before = "; kept comment\r\n"
                               "[Window]\r\n"
                               "Left=10\r\n"
                               "\r\n"
                               "[lastvalues]\r\n"
                               "LOAN1 = 99\r\n"
                               "Colour=blue\r\n"
                               "odd line\r\n"
                               "\r\n"
                               "[Other]\r\n"
                               "Term1=5\r\n";
    const std::string after = "; kept comment\r\n"
                              "[Window]\r\n"
                              "Left=10\r\n"
                              "\r\n"
                              "[lastvalues]\r\n"
                              "LOAN1=150000\r\n"
                              "Colour=blue\r\n"
                              "Interest1=6.75\r\nTerm1=360\r\nPayment1=972.9\r\n"
                              "Frequency1=Monthly 12\r\nTaxes1=0\r\nInsurance1=0\r\n"
                              "Loan2=150000\r\nInterest2=5.75\r\nterm2=240\r\nPayment2=1053.13\r\n"
                              "Frequency2=Monthly 12\r\nTaxes2=0\r\nInsurance2=0\r\n"
                              "odd line\r\n"
                              "\r\n"
                              "[Other]\r\n"
                              "Term1=5\r\n"
                              "[GeneralValues]\r\n"
                              "Run=1\r\n";
    EXPECT_EQ(written(before, afterFirstRun(), u'.'), after);
}

struct ReadCase {
    const char* name;
    std::string file;
    char16_t separator;
    void (*expect)(SavedValues&); // turns the defaults into what the file reads as
};

class SavedValuesReading : public testing::TestWithParam<ReadCase> {};

TEST_P(SavedValuesReading, TakesEachKeyOrItsDefault) {
    SavedValues expected = RestoreDefaults();
    GetParam().expect(expected);
    EXPECT_EQ(readSavedValues(IniDocument(GetParam().file), GetParam().separator), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, SavedValuesReading, testing::Values(
    ReadCase{"missing_file", "", u'.', [](SavedValues&) {}},
    ReadCase{"hexadecimal_terms", "[LastValues]\nTerm1=0xF0\nTerm2=0x168\n", u'.', [](SavedValues& v) {v.loan1.term = 240; v.loan2.term = 360;}},
    ReadCase{"letters_as_term", "[LastValues]\nTerm1=abc\nTerm2=12\n", u'.', [](SavedValues& v) {v.loan2.term = 12;}},
    ReadCase{"de_DE_file_read_under_en_US", "[LastValues]\nLoan1=123456,78\nInterest1=6,75\nTaxes2=1,5E-6\n", u'.', [](SavedValues& v) {v.loan1.amount = 123456.78; v.loan1.interest = 6.75; v.loan2.taxes = 1.5e-6;}},
    ReadCase{"en_US_file_read_under_de_DE", "[LastValues]\nLoan2=98765.4\nInterest2=5.5\nPayment1=1000\n", u',', [](SavedValues& v) {v.loan2.amount = 98765.4; v.loan2.interest = 5.5; v.loan1.payment = 1000;}},
    ReadCase{"grouped_number_keeps_default", "[LastValues]\nLoan1=1.234,5\nLoan2=1,234,5\n", u',', [](SavedValues&) {}},
    ReadCase{"comma_under_comma", "[LastValues]\nInterest1=7,25\nPayment2=1000,5\n", u',', [](SavedValues& v) {v.loan1.interest = 7.25; v.loan2.payment = 1000.5;}},
    ReadCase{"run_yes", "[GeneralValues]\nRun=yes\n", u'.', [](SavedValues&) {}},
    ReadCase{"run_one", "[GeneralValues]\nRun=1\n", u'.', [](SavedValues& v) {v.firstRunDone = true;}},
    ReadCase{"frequency_other_case_kept", "[LastValues]\nFrequency1=monthly 12\n", u'.', [](SavedValues& v) {v.loan1.frequency = u"monthly 12";}},
    ReadCase{"frequency_no_caption_kept", "[LastValues]\nFrequency2=Each full moon\n", u'.', [](SavedValues& v) {v.loan2.frequency = u"Each full moon";}},
    ReadCase{"frequency_utf8", "[LastValues]\nFrequency1=Mensuel 12 \xE2\x82\xAC\n", u'.', [](SavedValues& v) {v.loan1.frequency = u"Mensuel 12 \u20AC";}},
    ReadCase{"empty_frequency_is_a_value", "[LastValues]\nFrequency1=\nLoan1=\n", u'.', [](SavedValues& v) {v.loan1.frequency = u"";}},
    ReadCase{"names_ignore_case", "[LASTVALUES]\nloan1=5\nTERM2=12\ninsurance2=3.5\n[generalvalues]\nRUN=1\n", u'.', [](SavedValues& v) {v.loan1.amount = 5; v.loan2.term = 12; v.loan2.insurance = 3.5; v.firstRunDone = true;}},
    ReadCase{"window_size", "[GeneralValues]\nWindowWidth=900\nWindowHeight=600\nWindowMaximized=1\n", u'.', [](SavedValues& v) {v.window = {900, 600, true};}},
    ReadCase{"comparison", "[LastValues]\nFees1=1,5\nPoints2=0.25\n[GeneralValues]\nKeepYears=7,5\nAprMethod=US\n", u',', [](SavedValues& v) {v.comparison = {{{{1.5, 0}, {0, 0.25}}}, 7.5, AprMethod::US};}},
    ReadCase{"comparison_span_and_method_unknown", "[GeneralValues]\nKeepYears=0.2\nAprMethod=eu\n", u'.', [](SavedValues&) {}},
    ReadCase{"keys_in_wrong_sections", "[GeneralValues]\nLoan1=5\n[LastValues]\nRun=1\n", u'.', [](SavedValues&) {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });
// clang-format on

// A file without one of the program's keys in its section is another file.
TEST(SavedValuesFile, HoldsValuesOnlyWithAKeyOfTheProgramInItsSection) {
    const std::pair<std::string, bool> files[] = {
        {"", false},
        {std::string("\x7f"
                     "ELF\x02\x01\0\0[x]=\xff\n",
                     14),
         false},
        {"[Other]\nLoan1=5\n[GeneralValues]\nLoan2=5\n[LastValues]\nRun=1\n", false},
        {"[lastvalues]\nTERM2=\n", true},
        {"[GeneralValues]\nWindowWidth=5\n", true},
        {"[LastValues]\nLumpPeriod2=x\n", true},
    };
    for (const auto& [file, holds] : files)
        EXPECT_EQ(holdsSavedValues(IniDocument(file)), holds) << file;
}

SavedValues unusualValues() {
    return SavedValues{
        .loan1 = {-1.5e-6, 1234567890123456.0, INT32_MIN, 0.1 + 0.2, u"Weekly 52", 1e20, -0.5},
        .loan2 = {0.00001, 100.0, INT32_MAX, 1.0 / 3, u"=[x] \u20AC;", 987654.32, 12.5},
        .firstRunDone = true,
        .window = {1280, 777, true},
        .comparison = {{{{1234.5, 0.125, 99.99, 0.0, 7}, {-50.0, 2.0, 0.0, 20000.0, 60}}},
                       7.25,
                       AprMethod::EU},
    };
}

// What the unusual values read back as: 15 significant digits at most.
SavedValues unusualValuesRead() {
    SavedValues values = unusualValues();
    values.loan1.interest = 1234567890123460.0;
    values.loan1.payment = 0.3;
    values.loan2.payment = 0.333333333333333;
    return values;
}

struct RoundTripCase {
    const char* name;
    SavedValues written;
    SavedValues read;
    char16_t separator;
};

class SavedValuesRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(SavedValuesRoundTrip, ReadsBackEveryKeyWritten) {
    const IniDocument document(written("", GetParam().written, GetParam().separator));
    EXPECT_EQ(readSavedValues(document, GetParam().separator), GetParam().read);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, SavedValuesRoundTrip, testing::Values(
    RoundTripCase{"unusual_point", unusualValues(), unusualValuesRead(), u'.'},
    RoundTripCase{"unusual_comma", unusualValues(), unusualValuesRead(), u','}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });
// clang-format on

TEST(SavedValuesRoundTrip, SurvivesAnyForeignContent) {
    std::mt19937 random(99);
    const std::string alphabet = "[]=;\r\n LastVluesGnr1Tm2\x80\xFF";
    for (int round = 0; round < 300; ++round) {
        std::string noise(std::uniform_int_distribution<std::size_t>(0, 600)(random), '\0');
        for (char& byte : noise)
            byte = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() -
                                                                              1)(random)];
        SavedValues values = RestoreDefaults();
        values.loan1.amount = round;
        values.loan2.frequency = u"Annually 1";
        EXPECT_EQ(readSavedValues(IniDocument(written(noise, values, u'.')), u'.'), values)
            << "round " << round;
    }
}

} // namespace
} // namespace paysmith
