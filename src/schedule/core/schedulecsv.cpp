#include "schedule/core/schedulecsv.h"

#include <charconv>
#include <cstdlib>

namespace paysmith {

namespace {

void appendInteger(std::string& out, std::uint64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void appendCents(std::string& out, std::int64_t cents) {
    // The magnitude through unsigned arithmetic, so the most negative value
    // has one too.
    const std::uint64_t magnitude =
        cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    if (cents < 0)
        out += '-';
    appendInteger(out, magnitude / 100);
    out += '.';
    out += static_cast<char>('0' + magnitude % 100 / 10);
    out += static_cast<char>('0' + magnitude % 10);
}

} // namespace

std::string centsText(std::int64_t cents) {
    std::string text;
    appendCents(text, cents);
    return text;
}

std::string scheduleCsv(const LenderSchedule& schedule) {
    std::string out;
    if (!schedule.exists())
        return out;
    // About 60 characters a line.
    out.reserve((schedule.rows.size() + 2) * 64);
    out += "Period,Payment,Principal,Interest,Taxes,Insurance,Balance\n";
    std::uint64_t period = 0;
    for (const auto& row : schedule.rows) {
        appendInteger(out, ++period);
        for (std::int64_t cents :
             {row.payment, row.principal, row.interest, row.taxes, row.insurance, row.balance}) {
            out += ',';
            appendCents(out, cents);
        }
        out += '\n';
    }
    const auto& totals = schedule.totals;
    out += "Total";
    for (std::int64_t cents :
         {totals.payment, totals.principal, totals.interest, totals.taxes, totals.insurance}) {
        out += ',';
        appendCents(out, cents);
    }
    // A sum of balances means nothing.
    out += ",\n";
    return out;
}

} // namespace paysmith
