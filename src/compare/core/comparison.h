#pragma once

#include "compare/core/apr.h"
#include "compare/core/crossover.h"
#include "compare/core/kept.h"
#include "compare/core/offer.h"
#include "schedule/core/payoff.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace paysmith {

// How a rate that counts the closing costs is stated.
enum class AprMethod {
    US, // the APR, Regulation Z's actuarial method
    EU, // the APRC, the consumer and mortgage credit directives' method
};

// What the user adds to a loan to compare it as an offer, and what the
// borrower means to pay early.
struct OfferTerms {
    double fees = 0.0;           // currency, paid at closing
    double pointsPercent = 0.0;  // percent of the amount, paid at closing
    double extraPerPeriod = 0.0; // currency, with every payment
    double lumpSum = 0.0;        // currency, once
    std::int32_t lumpPeriod = 0; // the payment the lump sum goes with

    friend bool operator==(const OfferTerms&, const OfferTerms&) = default;
};

// The terms' extra payments in cents; amounts that cents cannot hold count
// as none.
ExtraPayments extrasOf(const OfferTerms& terms);

// The terms the user has entered over `before`: the lump sum's payment
// number set to 0 takes the lump sum away with it. A lump sum entered while
// the number is 0 stays, waiting for its number.
OfferTerms enteredTerms(const OfferTerms& before, OfferTerms entered);

// The comparison's inputs. A span or method the user has not chosen follows
// the loans (the longer term) and the user's region.
struct ComparisonInputs {
    std::array<OfferTerms, 2> offers{};
    std::optional<double> keepYears;
    std::optional<AprMethod> method;

    friend bool operator==(const ComparisonInputs&, const ComparisonInputs&) = default;
};

// The shortest span the years kept may be.
inline constexpr double kMinKeepYears = 0.25;

// The loan's term in years as its payments and frequency give it.
double termYearsOf(const ScheduleInputs& loan);

// The span a comparison keeps the loans for: the chosen one, or by default
// the longer of the two terms.
double keepYearsOf(const ComparisonInputs& inputs, const Offer& loan1, const Offer& loan2);

// The method of the region with this ISO 3166 code: the EU's in the European
// Union and the European Economic Area, the US one elsewhere.
AprMethod aprMethodOfTerritory(std::string_view isoCode);

std::string_view aprMethodKey(AprMethod method); // "US", "EU"
std::optional<AprMethod> aprMethodOfKey(std::string_view key);

struct OfferFigures {
    std::optional<std::int64_t> closingCents; // fees + points
    std::optional<AnnualRates> rates;
    std::optional<KeptCost> kept;
    std::optional<PayoffSummary> payoff;
    // Period by period, for the figures above, the chart and the CSV.
    std::optional<CostPath> path;
};

struct Comparison {
    double keepYears = 0.0;
    std::array<OfferFigures, 2> offers{};
    // Empty when either loan has no schedule.
    std::optional<Crossover> crossover;
};

// An offer's figures but the cost if kept, from its lender's schedules
// without its extras and with them.
OfferFigures offerFiguresOf(const Offer& offer, const LenderSchedule& contract,
                            const LenderSchedule& withExtras);

// Two offers' figures kept for `keepYears`, and where their costs cross.
Comparison comparisonOf(const OfferFigures& loan1, const OfferFigures& loan2, double keepYears);

Comparison compareOffers(const Offer& loan1, const Offer& loan2, double keepYears);

// Which offer costs less kept for the comparison's years, and how that
// changes if kept longer.
struct KeptLead {
    // By the costs if kept, as the figures show them; empty when they are
    // equal.
    std::optional<WhichLoan> cheaper;
    // The lasting crossings after the years kept, each to the other offer
    // than the one named before it.
    std::vector<Crossing> later;
};

// Empty when either loan has no schedule.
std::optional<KeptLead> keptLeadOf(const Comparison& comparison);

} // namespace paysmith
