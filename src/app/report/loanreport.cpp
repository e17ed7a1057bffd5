#include "app/report/loanreport.h"

#include "app/settings/shownmoney.h"
#include "base/text/utf8.h"
#include "loan/core/matherror.h"
#include "schedule/core/schedule.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

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

std::string loanJson(const char* name, const SavedLoanValues& saved, char16_t decimalMark) {
    const LoanEntry entry = entryOf(saved);
    JsonObject json;
    json.add("name", quoted(name))
        .add("amount", money(entry.amount))
        .add("frequency", quoted(utf8FromUtf16(entry.frequency)))
        .add("payments", std::to_string(entry.payments))
        .add("rate", rate(entry.annualRatePercent))
        .add("taxes", money(entry.annualTaxes))
        .add("insurance", money(entry.annualInsurance));

    // Worked out as the loan page works it out at start.
    LoanState state = startingState(entry);
    LoanValues loan = startWorkingOut(state, entry, decimalMark);
    try {
        finishWorkingOut(state, loan);
    } catch (const EMathError& error) {
        return json.add("error", quoted(error.what())).text();
    }
    return json.add("payment", money(loan.results.payment))
        .add("totalInterest", money(loan.results.totalInterest))
        .add("totalTaxes", money(loan.results.totalTaxes))
        .add("totalInsurance", money(loan.results.totalInsurance))
        .add("totalPaid", money(loan.results.totalPaid))
        .add("term", quoted(utf8FromUtf16(loan.term)))
        .add("lender", lenderJson(loan))
        .text();
}

} // namespace

std::string loanReportJson(const SavedValues& saved, char16_t decimalMark) {
    return "{\"loans\": [" + loanJson("Loan 1", saved.loan1, decimalMark) + ", " +
           loanJson("Loan 2", saved.loan2, decimalMark) + "]}\n";
}

} // namespace paysmith
