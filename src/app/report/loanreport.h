#pragma once

#include "app/settings/inidocument.h"
#include "app/settings/savedvalues.h"
#include "loan/core/inputfields.h"
#include "schedule/core/extrarefusal.h"

#include <string>
#include <vector>

namespace paysmith {

// A value of the settings that the window would not take, and what the
// report did instead, for the command line to say.
struct ReportNote {
    enum class Kind {
        InputNotHeld,  // a loan input its field cannot hold, read as 0
        ExtraRefused,  // an extra payment or lump sum the Compare page refuses, left out
        KeepYearsShort // a span kept below kMinKeepYears; the loans' longer term is kept
    };
    Kind kind;
    int loan = 0; // 1 or 2; 0 for the comparison's own values
    LoanInput input = LoanInput::Amount;
    ExtraRefusal refusal = ExtraRefusal::NegativePerPeriod;
    ExtrasWords refusalWords{}; // why, as the Compare page words it
    double value = 0.0;

    friend bool operator==(const ReportNote&, const ReportNote&) = default;
};

struct LoanReport {
    std::string json;
    std::vector<ReportNote> notes;
};

// Both loans of a settings file as JSON, one object: for each loan its
// inputs as the loan page takes them, the figures the page shows for them,
// and the lender's schedule in brief (null where the loan has none); then
// each as an offer of the Compare page. Money has two decimals and rates are
// in percent; the term is English ("30.00 years") beside its number of years,
// whatever the user's language. What the window would not take is added to
// `notes`.
std::string loanReportJson(const SavedValues& saved, std::vector<ReportNote>& notes);

// The same for a settings document written with `decimalSeparator`, with the
// span kept that reading refused among the notes.
LoanReport loanReport(const IniDocument& document, char16_t decimalSeparator);

} // namespace paysmith
