#include "app/settings/savedvalues.h"

#include "app/settings/settingvalues.h"
#include "app/settings/shownmoney.h"
#include "base/text/utf8.h"
#include "loan/core/frequency.h"

#include <limits>
#include <string_view>
#include <type_traits>

namespace paysmith {

namespace {

constexpr std::string_view kLoanSection = "LastValues";
constexpr std::string_view kGeneralSection = "GeneralValues";
constexpr std::string_view kRunKey = "Run";
constexpr std::string_view kWindowWidthKey = "WindowWidth";
constexpr std::string_view kWindowHeightKey = "WindowHeight";
constexpr std::string_view kWindowMaximizedKey = "WindowMaximized";
constexpr std::string_view kKeepYearsKey = "KeepYears";
constexpr std::string_view kAprMethodKey = "AprMethod";

struct LoanKeys {
    std::string_view amount;
    std::string_view interest;
    std::string_view termRead;
    std::string_view termWritten;
    std::string_view payment;
    std::string_view frequency;
    std::string_view taxes;
    std::string_view insurance;
};

// Loan 2's number of payments is written "term2", in lower case unlike every
// other key; lookup ignores case, so files holding "Term2" read the same.
constexpr LoanKeys kLoan1Keys{"Loan1",    "Interest1",  "Term1",  "Term1",
                              "Payment1", "Frequency1", "Taxes1", "Insurance1"};
constexpr LoanKeys kLoan2Keys{"Loan2",    "Interest2",  "Term2",  "term2",
                              "Payment2", "Frequency2", "Taxes2", "Insurance2"};

struct SettingKey {
    std::string_view section;
    std::string_view read;
    std::string_view written;
};

// The one place that fixes which member goes under which key, and in which
// order the keys are written.
template <typename Loan, typename Visit>
void forEachLoanValue(Loan& loan, const LoanKeys& keys, Visit visit) {
    const auto key = [](std::string_view name) { return SettingKey{kLoanSection, name, name}; };
    visit(key(keys.amount), loan.amount);
    visit(key(keys.interest), loan.interest);
    visit(SettingKey{kLoanSection, keys.termRead, keys.termWritten}, loan.term);
    visit(key(keys.payment), loan.payment);
    visit(key(keys.frequency), loan.frequency);
    visit(key(keys.taxes), loan.taxes);
    visit(key(keys.insurance), loan.insurance);
}

class Reader {
  public:
    Reader(const IniDocument& document, char16_t decimalSeparator)
        : m_document(document), m_decimalSeparator(decimalSeparator) {}

    // Each member holds its default when visited.
    void operator()(SettingKey key, double& value) const {
        value = readSettingFloatEitherMark(text(key, u""), m_decimalSeparator, value);
    }
    void operator()(SettingKey key, std::int32_t& value) const {
        value = readSettingInteger(text(key, u""), value);
    }
    void operator()(SettingKey key, std::u16string& value) const { value = text(key, value); }
    void operator()(SettingKey key, bool& value) const {
        value = readSettingFlag(text(key, u""), value);
    }
    void operator()(SettingKey key, std::optional<double>& years) const {
        const double read = keepYears(key);
        years = read >= kMinKeepYears ? std::optional(read) : std::nullopt;
    }
    // Not a number for a span not written or not converting.
    double keepYears(SettingKey key) const {
        return readSettingFloatEitherMark(text(key, u""), m_decimalSeparator,
                                          std::numeric_limits<double>::quiet_NaN());
    }
    void operator()(SettingKey key, std::optional<AprMethod>& method) const {
        method = aprMethodOfKey(utf8FromUtf16(text(key, u"")));
    }

  private:
    std::u16string text(SettingKey key, std::u16string_view defaultText) const {
        return utf16FromUtf8(m_document.value(key.section, key.read, utf8FromUtf16(defaultText)));
    }

    const IniDocument& m_document;
    char16_t m_decimalSeparator;
};

class Writer {
  public:
    Writer(IniDocument& document, char16_t decimalSeparator)
        : m_document(document), m_decimalSeparator(decimalSeparator) {}

    void operator()(SettingKey key, double value) const {
        set(key, formatSettingFloat(value, m_decimalSeparator));
    }
    void operator()(SettingKey key, std::int32_t value) const {
        set(key, formatSettingInteger(value));
    }
    void operator()(SettingKey key, const std::u16string& value) const { set(key, value); }
    void operator()(SettingKey key, bool value) const { set(key, formatSettingFlag(value)); }
    // Left out until the user has chosen.
    void operator()(SettingKey key, const std::optional<double>& years) const {
        if (years)
            (*this)(key, *years);
    }
    void operator()(SettingKey key, const std::optional<AprMethod>& method) const {
        if (method)
            set(key, utf16FromUtf8(aprMethodKey(*method)));
    }

  private:
    void set(SettingKey key, std::u16string_view text) const {
        m_document.setValue(key.section, key.written, utf8FromUtf16(text));
    }

    IniDocument& m_document;
    char16_t m_decimalSeparator;
};

// Keys of their own, which earlier versions keep without reading.
template <typename Comparison, typename Visit>
void forEachComparisonValue(Comparison& comparison, Visit visit) {
    const auto loanKey = [](std::string_view name) { return SettingKey{kLoanSection, name, name}; };
    visit(loanKey("Fees1"), comparison.offers[0].fees);
    visit(loanKey("Points1"), comparison.offers[0].pointsPercent);
    visit(loanKey("Fees2"), comparison.offers[1].fees);
    visit(loanKey("Points2"), comparison.offers[1].pointsPercent);
    visit(loanKey("Extra1"), comparison.offers[0].extraPerPeriod);
    visit(loanKey("Extra2"), comparison.offers[1].extraPerPeriod);
    visit(loanKey("Lump1"), comparison.offers[0].lumpSum);
    visit(loanKey("Lump2"), comparison.offers[1].lumpSum);
    visit(loanKey("LumpPeriod1"), comparison.offers[0].lumpPeriod);
    visit(loanKey("LumpPeriod2"), comparison.offers[1].lumpPeriod);
    visit(SettingKey{kGeneralSection, kKeepYearsKey, kKeepYearsKey}, comparison.keepYears);
    visit(SettingKey{kGeneralSection, kAprMethodKey, kAprMethodKey}, comparison.method);
}

// Reading and writing walk the same keys in the same order.
template <typename Values, typename Visit> void forEachValue(Values& values, Visit visit) {
    forEachLoanValue(values.loan1, kLoan1Keys, visit);
    forEachLoanValue(values.loan2, kLoan2Keys, visit);
    visit(SettingKey{kGeneralSection, kRunKey, kRunKey}, values.firstRunDone);
}

template <typename Window, typename Visit> void forEachWindowValue(Window& window, Visit visit) {
    visit(SettingKey{kGeneralSection, kWindowWidthKey, kWindowWidthKey}, window.width);
    visit(SettingKey{kGeneralSection, kWindowHeightKey, kWindowHeightKey}, window.height);
    visit(SettingKey{kGeneralSection, kWindowMaximizedKey, kWindowMaximizedKey}, window.maximized);
}

template <typename Group, typename ForEach>
void writeOnceChanged(IniDocument& document, const Group& group, const Group& unchanged,
                      ForEach forEach, char16_t decimalSeparator) {
    bool inFile = false;
    forEach(group, [&](SettingKey key, const auto&) {
        inFile = inFile || document.value(key.section, key.read, "\x01") != "\x01";
    });
    if (inFile || group != unchanged)
        forEach(group, Writer(document, decimalSeparator));
}

} // namespace

LoanEntry entryOf(const SavedLoanValues& saved) {
    LoanEntry entry;
    entry.amount = saved.amount;
    entry.frequency = saved.frequency;
    entry.payments = saved.term;
    entry.annualRatePercent = saved.interest;
    entry.annualTaxes = saved.taxes;
    entry.annualInsurance = saved.insurance;
    entry.payment = saved.payment;
    return entry;
}

SavedLoanValues savedValuesOf(const LoanValues& loan) {
    SavedLoanValues saved;
    saved.amount = loan.entry.amount;
    saved.interest = loan.entry.annualRatePercent;
    saved.term = loan.entry.payments;
    saved.payment = shownMoney(loan.results.payment);
    saved.frequency = loan.entry.frequency;
    saved.taxes = loan.entry.annualTaxes;
    saved.insurance = loan.entry.annualInsurance;
    return saved;
}

SavedValues RestoreDefaults() {
    const std::u16string monthly(kDefaultFrequencyCaption);
    return SavedValues{
        .loan1 = {150000.0, 6.75, 360, 972.9, monthly, 0.0, 0.0},
        .loan2 = {150000.0, 5.75, 240, 1053.13, monthly, 0.0, 0.0},
        .firstRunDone = false,
        .window = {},
        .comparison = {},
    };
}

SavedValues readSavedValues(const IniDocument& document, char16_t decimalSeparator) {
    SavedValues values = RestoreDefaults();
    forEachValue(values, Reader(document, decimalSeparator));
    forEachWindowValue(values.window, Reader(document, decimalSeparator));
    forEachComparisonValue(values.comparison, Reader(document, decimalSeparator));
    return values;
}

bool holdsSavedValues(const IniDocument& document) {
    bool holds = false;
    const auto inFile = [&](SettingKey key, const auto&) {
        holds = holds || document.value(key.section, key.written, "\x01") != "\x01";
    };
    SavedValues values;
    forEachValue(values, inFile);
    forEachWindowValue(values.window, inFile);
    forEachComparisonValue(values.comparison, inFile);
    return holds;
}

std::optional<double> refusedKeepYears(const IniDocument& document, char16_t decimalSeparator) {
    std::optional<double> refused;
    const Reader reader(document, decimalSeparator);
    ComparisonInputs comparison;
    forEachComparisonValue(comparison, [&](SettingKey key, const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::optional<double>>) {
            const double read = reader.keepYears(key);
            if (read < kMinKeepYears)
                refused = read;
        }
    });
    return refused;
}

void writeSavedValues(IniDocument& document, const SavedValues& values, char16_t decimalSeparator) {
    forEachValue(values, Writer(document, decimalSeparator));
    // A window never resized and a comparison never entered leave the file as
    // earlier versions wrote it. Once in the file, their keys follow every
    // change, back to 0 too: the window's designed size comes back that way.
    writeOnceChanged(
        document, values.window, SavedWindow{},
        [](const SavedWindow& window, auto visit) { forEachWindowValue(window, visit); },
        decimalSeparator);
    writeOnceChanged(
        document, values.comparison, ComparisonInputs{},
        [](const ComparisonInputs& inputs, auto visit) { forEachComparisonValue(inputs, visit); },
        decimalSeparator);
}

} // namespace paysmith
