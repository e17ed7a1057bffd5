#include "compare/core/apr.h"

#include "compare/core/periodicrate.h"
#include "schedule/core/cents.h"

#include <cmath>

namespace paysmith {

std::optional<LevelPayments> levelPaymentsOf(const Offer& offer) {
    return levelPaymentsOf(offer, lenderSchedule(offer.loan));
}

std::optional<LevelPayments> levelPaymentsOf(const Offer& offer, const LenderSchedule& schedule) {
    const std::optional<std::int64_t> closing = closingCents(offer);
    if (!closing || !schedule.exists())
        return std::nullopt;
    return LevelPayments{roundCents(offer.loan.amount) - *closing, schedule.payment,
                         offer.loan.payments, schedule.periodsPerYear};
}

std::optional<AnnualRates> annualRatesOf(const LevelPayments& flows) {
    if (flows.amountFinancedCents <= 0 || flows.paymentCents <= 0 || flows.count <= 0 ||
        flows.periodsPerYear <= 0)
        return std::nullopt;
    const double worth =
        static_cast<double>(flows.amountFinancedCents) / static_cast<double>(flows.paymentCents);
    const double rate = periodicRateOf(worth, flows.count);
    const AnnualRates rates{100.0 * rate * flows.periodsPerYear,
                            100.0 * std::expm1(flows.periodsPerYear * std::log1p(rate))};
    if (!std::isfinite(rates.aprPercent) || !std::isfinite(rates.aprcPercent))
        return std::nullopt;
    return rates;
}

std::optional<AnnualRates> annualRatesOf(const Offer& offer) {
    const std::optional<LevelPayments> flows = levelPaymentsOf(offer);
    if (!flows)
        return std::nullopt;
    return annualRatesOf(*flows);
}

} // namespace paysmith
