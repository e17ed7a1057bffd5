#include "app/report/loanreport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace paysmith {
namespace {

std::string reportOf(const SavedValues& saved) {
    std::vector<ReportNote> notes;
    return loanReportJson(saved, notes);
}

const char* const kDefaultLoan1 =
    R"({"name": "Loan 1", "amount": 150000.00, "frequency": "Monthly 12", "payments": 360, )"
    R"("rate": 6.75, "taxes": 0.00, "insurance": 0.00, "payment": 972.90, )"
    R"("totalInterest": 200242.97, "totalTaxes": 0.00, "totalInsurance": 0.00, )"
    R"("totalPaid": 350242.97, "term": "30.00 years.", "years": 30, "lender": {"payment": 972.90, )"
    R"("lastPayment": 969.66, "periods": 360, "totalInterest": 200240.76})";

struct ReportCase {
    const char* name;
    std::function<void(SavedValues&)> change;
    std::string expectedLoan2;
};

class LoanReport : public testing::TestWithParam<ReportCase> {};

// Loan 1 stays at the example loan throughout, so every case also checks
// that the other loan's figures do not leak into it.
TEST_P(LoanReport, GivesEachLoanAsThePageShowsIt) {
    const ReportCase& c = GetParam();
    SavedValues saved = RestoreDefaults();
    c.change(saved);
    // Each loan's figures as an offer follow its own.
    const std::string report = reportOf(saved);
    EXPECT_EQ(report.rfind(R"({"loans": [)" + std::string(kDefaultLoan1) + R"(, "fees": )", 0), 0u)
        << report;
    EXPECT_NE(report.find(c.expectedLoan2 + R"(, "fees": )"), std::string::npos) << report;
}

struct OfferCase {
    const char* name;
    std::function<void(SavedValues&)> change;
    std::vector<std::string> fragments;
};

class OfferReport : public testing::TestWithParam<OfferCase> {};

TEST_P(OfferReport, GivesTheOffersAndWhereTheirCostsCross) {
    SavedValues saved = RestoreDefaults();
    GetParam().change(saved);
    const std::string report = reportOf(saved);
    for (const std::string& fragment : GetParam().fragments)
        EXPECT_NE(report.find(fragment), std::string::npos) << fragment << " in " << report;
}

INSTANTIATE_TEST_SUITE_P(
    Offers, OfferReport,
    testing::Values(
        // The directives' worked example of a mortgage credit.
        OfferCase{"EuropeanExample",
                  [](SavedValues& s) {
                      s.loan2 = {200000, 6, 240, 0, u"Monthly 12", 0, 0};
                      s.comparison.offers[1].fees = 4000;
                  },
                  {R"("fees": 4000.00, "points": 0.000, "aprUS": )", R"("aprEU": 6.434412,)",
                   R"("lumpPeriod": 0, "periods": 240, )", R"("interestSaved": 0.00},)"}},
        // Loan 2's lower rate pays back its fee after a few years.
        OfferCase{"FeeBoughtRate",
                  [](SavedValues& s) {
                      s.comparison.offers[1].fees = 4000;
                      s.comparison.keepYears = 5;
                      s.comparison.offers[0].pointsPercent = 1;
                      s.comparison.offers[0].extraPerPeriod = 100;
                      s.comparison.offers[0].lumpSum = 5000;
                      s.comparison.offers[0].lumpPeriod = 12;
                  },
                  {R"("points": 1.000,)",
                   R"("extra": {"perPeriod": 100.00, "lumpSum": 5000.00, "lumpPeriod": 12, )",
                   R"("kept": {"years": 5.00, "periods": 60, "cost": )",
                   R"(], "crossover": {"years": )",
                   R"("cheaperAfter": "Loan 2"}, "crossings": [{"years": )"}},
        // The shorter loan leads, then the cheaper rate, then the shorter
        // loan again for good.
        OfferCase{"CrossTwice",
                  [](SavedValues& s) {
                      s.loan1 = {200000, 7, 180, 0, u"Monthly 12", 0, 0};
                      s.loan2 = {200000, 6, 360, 0, u"Monthly 12", 0, 0};
                      s.comparison.offers[1].pointsPercent = 1.2;
                  },
                  {R"("crossover": {"years": 1.42, "cheaperAfter": "Loan 2"}, )"
                   R"("crossings": [{"years": 1.42, "cheaper": "Loan 2"}, )"
                   R"({"years": 7.33, "cheaper": "Loan 1"}]})"}},
        OfferCase{"NoSchedule",
                  [](SavedValues& s) { s.loan2.term = 0; },
                  {R"("aprUS": null, "aprEU": null, "extra": null, "kept": null}], )"
                   R"("crossover": null, "crossings": []})"}}),
    [](const testing::TestParamInfo<OfferCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Loans, LoanReport,
    testing::Values(
        ReportCase{
            "Example", [](SavedValues&) {},
            R"({"name": "Loan 2", "amount": 150000.00, "frequency": "Monthly 12", )"
            R"("payments": 240, "rate": 5.75, "taxes": 0.00, "insurance": 0.00, )"
            R"("payment": 1053.13, "totalInterest": 102750.06, "totalTaxes": 0.00, )"
            R"("totalInsurance": 0.00, "totalPaid": 252750.06, "term": "20.00 years.", "years": 20, )"
            R"("lender": {"payment": 1053.13, "lastPayment": 1050.99, "periods": 240, )"
            R"("totalInterest": 102749.06})"},
        ReportCase{"NoScheduleWithTaxesAndAnUnknownFrequency",
                   [](SavedValues& s) {
                       s.loan2.term = 0;
                       s.loan2.taxes = 1200;
                       s.loan2.frequency = u"Every \"other\" week";
                   },
                   R"({"name": "Loan 2", "amount": 150000.00, )"
                   R"("frequency": "Every \"other\" week", "payments": 0, "rate": 5.75, )"
                   R"("taxes": 1200.00, "insurance": 0.00, "payment": 50.00, )"
                   R"("totalInterest": -150000.00, "totalTaxes": 0.00, "totalInsurance": 0.00, )"
                   R"("totalPaid": 0.00, "term": "0.00 years.", "years": 0, "lender": null)"}),
    [](const testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

using Kind = ReportNote::Kind;

struct FileCase {
    const char* name;
    std::string file;
    char16_t decimalMark;
    std::vector<std::string> fragments;
    std::vector<ReportNote> notes;
};

class FileReport : public testing::TestWithParam<FileCase> {};

// What the window would not take is held to its fields' rules and said.
TEST_P(FileReport, TakesOnlyWhatTheWindowTakes) {
    const paysmith::LoanReport report =
        loanReport(IniDocument(GetParam().file), GetParam().decimalMark);
    for (const std::string& fragment : GetParam().fragments)
        EXPECT_NE(report.json.find(fragment), std::string::npos)
            << fragment << " in " << report.json;
    // The words are the Compare page's; the numbers in them are the report's.
    std::vector<ReportNote> notes = report.notes;
    for (ReportNote& note : notes)
        note.refusalWords.text = {};
    EXPECT_EQ(notes, GetParam().notes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, FileReport, testing::Values(
    FileCase{"GermanFile", "[LastValues]\nLoan1=100000,5\nTerm1=27\n[GeneralValues]\nKeepYears=0,1\n", u',',
             {R"("amount": 100000.50,)", R"("term": "2.25 years.", "years": 2.25,)", R"("kept": {"years": 20.00,)"},
             {{.kind = Kind::KeepYearsShort, .value = 0.1}}},
    FileCase{"BeyondTheFields", "[LastValues]\nLoan1=1e10\nInterest1=1000\nterm2=40000\n", u'.',
             {R"("amount": 0.00, "frequency": "Monthly 12", "payments": 360, "rate": 0.00,)",
              R"("payments": 0, "rate": 5.75,)"},
             {{.kind = Kind::InputNotHeld, .loan = 1, .input = LoanInput::Amount, .value = 1e10},
              {.kind = Kind::InputNotHeld, .loan = 1, .input = LoanInput::Rate, .value = 1000},
              {.kind = Kind::InputNotHeld, .loan = 2, .input = LoanInput::Payments, .value = 40000}}},
    FileCase{"RefusedExtras", "[LastValues]\nExtra1=200000\nLump1=5000\nLumpPeriod1=300\nExtra2=-5\nLump2=100\nLumpPeriod2=241\n", u'.',
             {R"("extra": {"perPeriod": 0.00, "lumpSum": 5000.00, "lumpPeriod": 300,)",
              R"("extra": {"perPeriod": 0.00, "lumpSum": 0.00, "lumpPeriod": 0, "periods": 240,)"},
             {{.kind = Kind::ExtraRefused, .loan = 1, .refusal = ExtraRefusal::RepaysAtOnce, .value = 200000},
              {.kind = Kind::ExtraRefused, .loan = 2, .refusal = ExtraRefusal::NegativePerPeriod, .value = -5},
              {.kind = Kind::ExtraRefused, .loan = 2, .refusal = ExtraRefusal::LumpPeriodOutsideSchedule, .refusalWords = {{}, {1, 240}}, .value = 100}}}),
    [](const testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace paysmith
