#include "compare/page/extrasguard.h"

#include "base/qt/qtstrings.h"
#include "compare/core/comparison.h"
#include "numfield/widget/fieldalerts.h"
#include "numfield/widget/numericfield.h"

namespace paysmith {

namespace {

// Validation codes of the extras' own refusals, beyond the field's.
constexpr int kExtrasRefused = 1000;

} // namespace

ExtrasGuard::ExtrasGuard(TNumericField* perPeriod, TNumericField* lumpSum,
                         TNumericField* lumpPeriod, LoanOf loan, QObject* parent)
    : QObject(parent), m_perPeriod(perPeriod), m_lumpSum(lumpSum), m_lumpPeriod(lumpPeriod),
      m_loan(std::move(loan)) {
    for (TNumericField* field : {perPeriod, lumpSum, lumpPeriod})
        guard(field);
}

ExtraPayments ExtrasGuard::shown() const {
    OfferTerms terms;
    terms.extraPerPeriod = m_perPeriod->model().shownValue();
    terms.lumpSum = m_lumpSum->model().shownValue();
    terms.lumpPeriod = static_cast<std::int32_t>(m_lumpPeriod->model().shownValue());
    return extrasOf(terms);
}

void ExtrasGuard::guard(TNumericField* field) {
    field->model().OnUserValidation = [this](TNumericFieldModel&, int& code) {
        if (code != 0)
            return;
        const ExtraPayments extras = shown();
        const auto refusal = refusalOfExtras(m_loan(), extras);
        if (refusal && !(liftedByEitherField(*refusal) && m_told == extras))
            code = kExtrasRefused + static_cast<int>(*refusal);
    };
    connect(field, &TNumericField::OnError, this, [this, field](int code, const QString& message) {
        if (code < kExtrasRefused) {
            fieldAlerts().showError(field, message);
            return;
        }
        const auto refusal = static_cast<ExtraRefusal>(code - kExtrasRefused);
        const ExtraPayments extras = shown();
        if (liftedByEitherField(refusal))
            m_told = extras;
        const ExtrasWords words = refusalWords(refusal, m_loan(), extras);
        fieldAlerts().showError(
            field, translatedWithNumbers("paysmith::Schedule", words.text, words.numbers));
    });
}

} // namespace paysmith
