#include "schedule/wording/schedulewords.h"

#include "base/qt/qtstrings.h"
#include "figures/kit/moneytext.h"
#include "loan/core/frequency.h"

namespace paysmith {

QString inputText(const InputLine& line, const MoneyText& money) {
    switch (line.kind) {
    case InputKind::Money:
        return money.ofUnits(line.value);
    case InputKind::RatePercent:
        return money.ofRatePercent(line.value);
    case InputKind::Count:
        return QString::number(static_cast<std::int64_t>(line.value));
    case InputKind::Frequency:
        break;
    }
    // As the frequency box lists it.
    return translated("paysmith::Frequency",
                      frequencyCaptionOf(static_cast<std::int32_t>(line.value)));
}

QString noScheduleMessage(const NoScheduleWords& words, const TIntlSupport& format) {
    if (words.pattern.empty())
        return {};
    // Room for any figure: the interest of a large loan at a high rate
    // passes the amount field's mask.
    const MoneyText money(format, MoneyText::kTotalMask);
    QString text = translated("paysmith::Schedule", words.pattern).arg(words.loanNumber);
    for (int k = 0; k < words.figures; ++k)
        text = text.arg(money.ofCents(words.cents[static_cast<std::size_t>(k)]));
    return text;
}

} // namespace paysmith
