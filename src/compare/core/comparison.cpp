#include "compare/core/comparison.h"

#include "loan/core/frequency.h"

#include "schedule/core/cents.h"

#include <algorithm>
#include <cmath>

namespace paysmith {

namespace {

// Far beyond any amount the fields hold, well within what cents can.
constexpr double kMaxExtra = 1e15;

} // namespace

ExtraPayments extrasOf(const OfferTerms& terms) {
    const auto cents = [](double value) {
        return std::fabs(value) < kMaxExtra ? roundCents(value) : 0;
    };
    return {cents(terms.extraPerPeriod), cents(terms.lumpSum), terms.lumpPeriod};
}

OfferTerms enteredTerms(const OfferTerms& before, OfferTerms entered) {
    if (before.lumpPeriod != 0 && entered.lumpPeriod == 0)
        entered.lumpSum = 0.0;
    return entered;
}

double termYearsOf(const ScheduleInputs& loan) {
    const std::int32_t perYear = periodsPerYearOf(loan.frequencyIndex);
    return perYear > 0 && loan.payments > 0 ? static_cast<double>(loan.payments) / perYear : 0.0;
}

double keepYearsOf(const ComparisonInputs& inputs, const Offer& loan1, const Offer& loan2) {
    if (inputs.keepYears)
        return *inputs.keepYears;
    return std::max({kMinKeepYears, termYearsOf(loan1.loan), termYearsOf(loan2.loan)});
}

AprMethod aprMethodOfTerritory(std::string_view isoCode) {
    // The 27 members of the Union and the three other members of the EEA,
    // which apply the same directives.
    static constexpr std::string_view kUnionAndArea[] = {
        "AT", "BE", "BG", "CY", "CZ", "DE", "DK", "EE", "ES", "FI", "FR", "GR", "HR", "HU", "IE",
        "IT", "LT", "LU", "LV", "MT", "NL", "PL", "PT", "RO", "SE", "SI", "SK", "IS", "LI", "NO"};
    return std::find(std::begin(kUnionAndArea), std::end(kUnionAndArea), isoCode) !=
                   std::end(kUnionAndArea)
               ? AprMethod::EU
               : AprMethod::US;
}

std::string_view aprMethodKey(AprMethod method) {
    return method == AprMethod::EU ? "EU" : "US";
}

std::optional<AprMethod> aprMethodOfKey(std::string_view key) {
    for (const AprMethod method : {AprMethod::US, AprMethod::EU})
        if (key == aprMethodKey(method))
            return method;
    return std::nullopt;
}

OfferFigures offerFiguresOf(const Offer& offer, const LenderSchedule& contract,
                            const LenderSchedule& withExtras) {
    OfferFigures figures;
    figures.closingCents = closingCents(offer);
    if (const auto flows = levelPaymentsOf(offer, contract))
        figures.rates = annualRatesOf(*flows);
    figures.path = costPathOf(offer, withExtras);
    figures.payoff = payoffOf(contract, withExtras);
    return figures;
}

Comparison comparisonOf(const OfferFigures& loan1, const OfferFigures& loan2, double keepYears) {
    Comparison comparison{keepYears, {loan1, loan2}, std::nullopt};
    for (OfferFigures& figures : comparison.offers)
        figures.kept = costIfKept(figures.path, keepYears);
    comparison.crossover = crossoverOf(comparison.offers[0].path, comparison.offers[1].path);
    return comparison;
}

Comparison compareOffers(const Offer& loan1, const Offer& loan2, double keepYears) {
    const auto figuresOf = [](const Offer& offer) {
        const LenderSchedule contract = lenderSchedule(offer.loan);
        return offer.extras.any()
                   ? offerFiguresOf(offer, contract, lenderSchedule(offer.loan, offer.extras))
                   : offerFiguresOf(offer, contract, contract);
    };
    return comparisonOf(figuresOf(loan1), figuresOf(loan2), keepYears);
}

std::optional<KeptLead> keptLeadOf(const Comparison& comparison) {
    if (!comparison.crossover)
        return std::nullopt;
    const Crossover& crossover = *comparison.crossover;
    const std::optional<KeptCost>& kept1 = comparison.offers[0].kept;
    const std::optional<KeptCost>& kept2 = comparison.offers[1].kept;
    KeptLead lead;
    if (!kept1 || !kept2)
        lead.cheaper = crossover.cheaperAt(comparison.keepYears);
    else if (kept1->costCents != kept2->costCents)
        lead.cheaper = kept1->costCents < kept2->costCents ? WhichLoan::Loan1 : WhichLoan::Loan2;
    // Kept within a stretch of short flips, the figures may name the offer
    // that takes the lasting lead only later: that crossing changes nothing.
    std::optional<WhichLoan> named = lead.cheaper;
    for (const Crossing& crossing : crossover.crossings) {
        if (crossing.years <= comparison.keepYears || crossing.cheaper == named)
            continue;
        lead.later.push_back(crossing);
        named = crossing.cheaper;
    }
    return lead;
}

} // namespace paysmith
