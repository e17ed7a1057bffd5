#include "compare/core/comparecsv.h"

#include "base/text/csvfield.h"
#include "compare/core/costpath.h"
#include "schedule/core/schedulecsv.h"

#include <algorithm>
#include <cmath>

namespace paysmith {

namespace {

using Cell = std::optional<std::string>;

void appendLine(std::string& out, std::string_view caption, const Cell& loan1, const Cell& loan2) {
    appendCsvField(out, caption);
    for (const Cell* cell : {&loan1, &loan2}) {
        out += ',';
        if (*cell)
            appendCsvField(out, **cell);
    }
    out += '\n';
}

template <typename Value, typename Text> Cell cellOf(const std::optional<Value>& value, Text text) {
    return value ? Cell(text(*value)) : std::nullopt;
}

constexpr std::string_view kCrossingCaption = "Costs cross after (years)";

std::string crossingText(const Crossing& crossing) {
    return std::string(crossing.cheaper == WhichLoan::Loan1 ? "Loan 1" : "Loan 2") +
           " costs less from then on";
}

} // namespace

std::string comparisonCsv(const Offer& loan1, const Offer& loan2, const Comparison& comparison) {
    const auto each = [&comparison](auto cell) {
        return std::pair{cell(comparison.offers[0]), cell(comparison.offers[1])};
    };
    std::string out;
    appendLine(out, "Item", "Loan 1", "Loan 2");
    const auto line = [&](std::string_view caption, const std::pair<Cell, Cell>& cells) {
        appendLine(out, caption, cells.first, cells.second);
    };
    line("Fees", {roundedText(loan1.fees, 2), roundedText(loan2.fees, 2)});
    line("Points (%)", {roundedText(loan1.pointsPercent, 3), roundedText(loan2.pointsPercent, 3)});
    line("Fees and points",
         each([](const OfferFigures& f) { return cellOf(f.closingCents, centsText); }));
    line("APR, United States (%)", each([](const OfferFigures& f) {
             return cellOf(f.rates,
                           [](const AnnualRates& r) { return roundedText(r.aprPercent, 6); });
         }));
    line("APRC, European Union (%)", each([](const OfferFigures& f) {
             return cellOf(f.rates,
                           [](const AnnualRates& r) { return roundedText(r.aprcPercent, 6); });
         }));
    const std::string years = roundedText(comparison.keepYears, 2);
    line("Years kept", {years, years});
    line("Periods kept", each([](const OfferFigures& f) {
             return cellOf(f.kept, [](const KeptCost& k) { return std::to_string(k.periods); });
         }));
    line("Cost of borrowing if kept", each([](const OfferFigures& f) {
             return cellOf(f.kept, [](const KeptCost& k) { return centsText(k.costCents); });
         }));
    line("Balance still owed then", each([](const OfferFigures& f) {
             return cellOf(f.kept, [](const KeptCost& k) { return centsText(k.balanceCents); });
         }));
    line("Extra each payment",
         {centsText(loan1.extras.perPeriodCents), centsText(loan2.extras.perPeriodCents)});
    line("Lump sum", {centsText(loan1.extras.lumpSumCents), centsText(loan2.extras.lumpSumCents)});
    line("Lump sum with payment",
         {std::to_string(loan1.extras.lumpPeriod), std::to_string(loan2.extras.lumpPeriod)});
    line("Payments until paid off", each([](const OfferFigures& f) {
             return cellOf(f.payoff,
                           [](const PayoffSummary& p) { return std::to_string(p.periods); });
         }));
    line("Interest with extra payments", each([](const OfferFigures& f) {
             return cellOf(f.payoff,
                           [](const PayoffSummary& p) { return centsText(p.totalInterestCents); });
         }));
    line("Interest saved by extra payments", each([](const OfferFigures& f) {
             return cellOf(f.payoff,
                           [](const PayoffSummary& p) { return centsText(p.interestSavedCents); });
         }));
    // A line for every lasting crossing, one empty line for none.
    const std::vector<Crossing> none;
    const std::vector<Crossing>& crossings =
        comparison.crossover ? comparison.crossover->crossings : none;
    if (crossings.empty())
        appendLine(out, kCrossingCaption, std::nullopt, std::nullopt);
    for (const Crossing& crossing : crossings)
        appendLine(out, kCrossingCaption, roundedText(crossing.years, 2), crossingText(crossing));

    // The cost so far at the end of every year of the longer loan.
    const std::optional<CostPath>& path1 = comparison.offers[0].path;
    const std::optional<CostPath>& path2 = comparison.offers[1].path;
    if (!path1 && !path2)
        return out;
    out += '\n';
    appendLine(out, "Years", "Cost of borrowing so far Loan 1", "Cost of borrowing so far Loan 2");
    const auto yearsOf = [](const std::optional<CostPath>& path) {
        return path ? path->yearsAt(path->payments()) : 0.0;
    };
    const auto lastYear =
        static_cast<std::int32_t>(std::ceil(std::max(yearsOf(path1), yearsOf(path2))));
    const auto costAt = [](const std::optional<CostPath>& path, std::int32_t year) -> Cell {
        if (!path)
            return std::nullopt;
        const auto k =
            std::min<std::int64_t>(std::int64_t{year} * path->periodsPerYear, path->payments());
        return centsText(path->cost[static_cast<std::size_t>(k)]);
    };
    for (std::int32_t year = 0; year <= lastYear; ++year)
        appendLine(out, std::to_string(year), costAt(path1, year), costAt(path2, year));
    return out;
}

} // namespace paysmith
