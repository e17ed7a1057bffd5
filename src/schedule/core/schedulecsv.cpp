#include "schedule/core/schedulecsv.h"

#include "base/text/csvfield.h"
#include "loan/core/frequency.h"
#include "schedule/core/inputlines.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace paysmith {

namespace {

void appendInteger(std::string& out, std::uint64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// `scaled` is the number times 10^places.
void appendFixed(std::string& out, std::int64_t scaled, int places) {
    // The magnitude through unsigned arithmetic, so the most negative value
    // has one too.
    const std::uint64_t magnitude =
        scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::uint64_t unit = 1;
    for (int k = 0; k < places; ++k)
        unit *= 10;
    if (scaled < 0)
        out += '-';
    appendInteger(out, magnitude / unit);
    out += '.';
    for (std::uint64_t digit = unit / 10; digit > 0; digit /= 10)
        out += static_cast<char>('0' + magnitude / digit % 10);
}

void appendCents(std::string& out, std::int64_t cents) {
    appendFixed(out, cents, 2);
}

// Rounded half away from zero to `places` decimals, as the loan page's
// fields hold the value.
void appendRounded(std::string& out, double value, int places) {
    appendFixed(out, std::llround(static_cast<long double>(value) * std::pow(10.0L, places)),
                places);
}

void appendInput(std::string& out, const InputLine& line) {
    appendCsvField(out, line.caption);
    out += ',';
    switch (line.kind) {
    case InputKind::Money:
        appendRounded(out, line.value, 2);
        break;
    case InputKind::RatePercent:
        appendRounded(out, line.value, 4);
        break;
    case InputKind::Count:
        out += std::to_string(static_cast<std::int64_t>(line.value));
        break;
    case InputKind::Frequency: {
        // The table's captions are ASCII.
        std::string caption;
        for (char16_t c : frequencyCaptionOf(static_cast<std::int32_t>(line.value)))
            caption += static_cast<char>(c);
        appendCsvField(out, caption);
        break;
    }
    }
    out += '\n';
}

} // namespace

std::string centsText(std::int64_t cents) {
    std::string text;
    appendCents(text, cents);
    return text;
}

std::string roundedText(double value, int places) {
    std::string text;
    appendRounded(text, value, places);
    return text;
}

std::string scheduleCsv(const ScheduleInputs& inputs, const ExtraPayments& extras) {
    return scheduleCsv(inputs, extras, lenderSchedule(inputs, extras));
}

std::string scheduleCsv(const ScheduleInputs& inputs, const ExtraPayments& extras,
                        const LenderSchedule& schedule) {
    std::string out;
    const bool withExtras = extras.any();
    if (!schedule.exists())
        return out;
    // About 60 characters a line.
    out.reserve((schedule.rows.size() + kInputLines + 3) * 64);
    for (const InputLine& line : inputLines(inputs))
        appendInput(out, line);
    out += '\n';
    out += withExtras ? "Period,Payment,Extra,Principal,Interest,Taxes,Insurance,Balance\n"
                      : "Period,Payment,Principal,Interest,Taxes,Insurance,Balance\n";
    // The extra only with extras; a total's balance stays empty.
    const auto appendRow = [&](const ScheduleRow<std::int64_t>& row, bool total) {
        enum { kExtra = 1, kBalance = 6 };
        const std::int64_t cells[] = {row.payment, row.extra,     row.principal, row.interest,
                                      row.taxes,   row.insurance, row.balance};
        for (int k = 0; k < static_cast<int>(std::size(cells)); ++k) {
            if (k == kExtra && !withExtras)
                continue;
            out += ',';
            if (!(total && k == kBalance))
                appendCents(out, cells[k]);
        }
        out += '\n';
    };
    std::uint64_t period = 0;
    for (const auto& row : schedule.rows) {
        appendInteger(out, ++period);
        appendRow(row, false);
    }
    const auto& totals = schedule.totals;
    out += "Total";
    // A sum of balances means nothing.
    appendRow({totals.payment, totals.principal, totals.interest, totals.taxes, totals.insurance, 0,
               totals.extra},
              true);
    return out;
}

} // namespace paysmith
