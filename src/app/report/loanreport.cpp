#include "app/report/loanreport.h"

#include "app/settings/shownmoney.h"
#include "base/text/utf8.h"
#include "compare/core/offers.h"
#include "loan/core/matherror.h"
#include "loan/core/termtext.h"
#include "schedule/core/schedule.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace paysmith {

namespace {

// Locale-independent, as JSON needs whatever the user's language.
std::string fixed(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    return std::string(buffer.data(), written.ptr);
}

std::string money(double value) {
    return fixed(shownMoney(value), 2);
}

std::string cents(std::int64_t value) {
    const std::int64_t magnitude = std::llabs(value);
    std::string text = value < 0 ? "-" : "";
    text += std::to_string(magnitude / 100) + '.';
    text += static_cast<char>('0' + magnitude % 100 / 10);
    text += static_cast<char>('0' + magnitude % 10);
    return text;
}

// Hundredths as the shortest JSON number: 30, 2.5, 6.92.
std::string hundredthsNumber(std::int64_t hundredths) {
    std::string text = cents(hundredths);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

// The rate field holds four decimals; trailing zeros beyond two go.
std::string rate(double percent) {
    std::string text = fixed(percent, 4);
    while (text.size() > 3 && text.back() == '0' && text[text.size() - 3] != '.')
        text.pop_back();
    return text;
}

std::string quoted(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xf];
            out += kHex[c & 0xf];
        } else {
            out += c;
        }
    }
    return out + '"';
}

class JsonObject {
  public:
    JsonObject& add(std::string_view name, const std::string& value) {
        m_text += m_text.empty() ? "{" : ", ";
        m_text += '"';
        m_text += name;
        m_text += "\": ";
        m_text += value;
        return *this;
    }
    std::string text() const { return m_text.empty() ? "{}" : m_text + '}'; }

  private:
    std::string m_text;
};

std::string lenderJson(const LoanValues& loan) {
    const LenderSchedule lender = lenderSchedule(scheduleInputsOf(loan));
    if (!lender.exists() || lender.rows.empty())
        return "null";
    return JsonObject()
        .add("payment", cents(lender.payment))
        .add("lastPayment", cents(lender.rows.back().payment))
        .add("periods", std::to_string(lender.rows.size()))
        .add("totalInterest", cents(lender.totals.interest))
        .text();
}

// A loan of the report: its inputs and, once worked out as the loan page
// works it out at start, its figures or the error that stopped them.
struct ReportedLoan {
    JsonObject json;
    std::optional<LoanValues> values;
};

ReportedLoan reportedLoan(int number, const SavedLoanValues& saved,
                          std::vector<ReportNote>& notes) {
    std::vector<RefusedInput> refused;
    const LoanEntry entry = entryAsFieldsHoldIt(entryOf(saved), refused);
    for (const RefusedInput& input : refused)
        notes.push_back({.kind = ReportNote::Kind::InputNotHeld,
                         .loan = number,
                         .input = input.input,
                         .value = input.value});
    ReportedLoan loan;
    loan.json.add("name", quoted(number == 1 ? "Loan 1" : "Loan 2"))
        .add("amount", money(entry.amount))
        .add("frequency", quoted(utf8FromUtf16(entry.frequency)))
        .add("payments", std::to_string(entry.payments))
        .add("rate", rate(entry.annualRatePercent))
        .add("taxes", money(entry.annualTaxes))
        .add("insurance", money(entry.annualInsurance));

    LoanState state = startingState(entry);
    // JSON is English whatever the user's language: the page's term, with a
    // point for decimals.
    LoanValues values = startWorkingOut(state, entry, u'.');
    try {
        finishWorkingOut(state, values);
    } catch (const EMathError& error) {
        loan.json.add("error", quoted(error.what()));
        return loan;
    }
    loan.json.add("payment", money(values.results.payment))
        .add("totalInterest", money(values.results.totalInterest))
        .add("totalTaxes", money(values.results.totalTaxes))
        .add("totalInsurance", money(values.results.totalInsurance))
        .add("totalPaid", money(values.results.totalPaid))
        .add("term", quoted(utf8FromUtf16(values.term)))
        .add("years", hundredthsNumber(termHundredths(entry.payments, values.periodsPerYear)))
        .add("lender", lenderJson(values));
    loan.values = values;
    return loan;
}

// The extras the Compare page would leave out, for the command line to say.
void noteLeftOutExtras(int number, const WorkedOffer& offer, std::vector<ReportNote>& notes) {
    for (const LeftOutExtra& extra : offer.leftOut)
        notes.push_back({.kind = ReportNote::Kind::ExtraRefused,
                         .loan = number,
                         .refusal = extra.refusal,
                         .refusalWords = extra.words,
                         .value = static_cast<double>(extra.cents) / 100.0});
}

template <typename Value, typename Text>
std::string orNull(const std::optional<Value>& value, Text text) {
    return value ? text(*value) : "null";
}

void addOfferJson(JsonObject& json, const Offer& offer, const OfferFigures& figures,
                  double keepYears) {
    json.add("fees", money(offer.fees))
        .add("points", fixed(offer.pointsPercent, 3))
        .add("aprUS",
             orNull(figures.rates, [](const AnnualRates& r) { return fixed(r.aprPercent, 6); }))
        .add("aprEU",
             orNull(figures.rates, [](const AnnualRates& r) { return fixed(r.aprcPercent, 6); }))
        .add("extra", orNull(figures.payoff,
                             [&](const PayoffSummary& payoff) {
                                 return JsonObject()
                                     .add("perPeriod", cents(offer.extras.perPeriodCents))
                                     .add("lumpSum", cents(offer.extras.lumpSumCents))
                                     .add("lumpPeriod", std::to_string(offer.extras.lumpPeriod))
                                     .add("periods", std::to_string(payoff.periods))
                                     .add("lastPayment", cents(payoff.lastPaymentCents))
                                     .add("totalInterest", cents(payoff.totalInterestCents))
                                     .add("interestSaved", cents(payoff.interestSavedCents))
                                     .text();
                             }))
        .add("kept", orNull(figures.kept, [&](const KeptCost& kept) {
                 return JsonObject()
                     .add("years", fixed(keepYears, 2))
                     .add("periods", std::to_string(kept.periods))
                     .add("cost", cents(kept.costCents))
                     .add("balance", cents(kept.balanceCents))
                     .text();
             }));
}

std::string loanName(WhichLoan loan) {
    return quoted(loan == WhichLoan::Loan1 ? "Loan 1" : "Loan 2");
}

// The first lasting crossing, as reports before every crossing was listed
// gave it.
std::string crossoverJson(const std::optional<Crossover>& crossover) {
    if (!crossover || crossover->crossings.empty())
        return "null";
    const Crossing& first = crossover->crossings.front();
    return JsonObject()
        .add("years", fixed(first.years, 2))
        .add("cheaperAfter", loanName(first.cheaper))
        .text();
}

std::string crossingsJson(const std::optional<Crossover>& crossover) {
    if (!crossover)
        return "[]";
    std::string json = "[";
    for (const Crossing& crossing : crossover->crossings) {
        if (json.size() > 1)
            json += ", ";
        json += JsonObject()
                    .add("years", fixed(crossing.years, 2))
                    .add("cheaper", loanName(crossing.cheaper))
                    .text();
    }
    return json + "]";
}

} // namespace

std::string loanReportJson(const SavedValues& saved, std::vector<ReportNote>& notes) {
    ReportedLoan loans[] = {reportedLoan(1, saved.loan1, notes),
                            reportedLoan(2, saved.loan2, notes)};
    // The offers as the window holds them. A loan whose arithmetic faults is
    // an offer without a schedule.
    Offers offers;
    offers.setInputs(saved.comparison);
    for (const WhichLoan loan : kBothLoans) {
        const std::size_t k = indexOf(loan);
        offers.setLoan(loan,
                       loans[k].values ? scheduleInputsOf(*loans[k].values) : ScheduleInputs{});
        noteLeftOutExtras(numberOf(loan), *offers.offer(loan), notes);
    }
    const Comparison& comparison = offers.comparison();
    for (const WhichLoan loan : kBothLoans)
        if (const std::size_t k = indexOf(loan); loans[k].values)
            addOfferJson(loans[k].json, offers.offer(loan)->offer, comparison.offers[k],
                         comparison.keepYears);
    return "{\"loans\": [" + loans[0].json.text() + ", " + loans[1].json.text() +
           "], \"crossover\": " + crossoverJson(comparison.crossover) +
           ", \"crossings\": " + crossingsJson(comparison.crossover) + "}\n";
}

LoanReport loanReport(const IniDocument& document, char16_t decimalSeparator) {
    LoanReport report;
    if (const auto years = refusedKeepYears(document, decimalSeparator))
        report.notes.push_back({.kind = ReportNote::Kind::KeepYearsShort, .value = *years});
    report.json = loanReportJson(readSavedValues(document, decimalSeparator), report.notes);
    return report;
}

} // namespace paysmith
