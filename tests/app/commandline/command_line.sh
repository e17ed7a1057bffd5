#!/usr/bin/env bash
# The command line without a display: --report prints the loans of the file
# it is given, --help and --version answer, and a file that cannot be read is
# named on standard error with exit status 2, as is one that holds no settings
# of the program; values the window refuses are said on standard error.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
export XDG_CONFIG_HOME="$work/config"
fail() { echo "FAIL: $*"; exit 1; }

printf '[LastValues]\nLoan1=250000\nterm2=0\n' > "$work/loans.ini"
report=$("$program" --report --settings "$work/loans.ini") || fail "--report did not exit 0"
[[ $report == '{"loans": [{"name": "Loan 1", "amount": 250000.00,'* ]] || fail "report: $report"
[[ $report == *'"payment": 1621.50,'*'"payments": 0,'*'"lender": null, '*'"crossover": null, "crossings": []}' ]] || fail "report: $report"
# With no settings written yet, the report gives the example loans.
"$program" --report | grep -q '"totalPaid": 252750.06' || fail "no example loans without a file"
[ ! -e "$XDG_CONFIG_HOME" ] || fail "the report wrote settings"

# The numbers of the report are English whatever the user's locale.
printf '[LastValues]\nLoan1=250000,5\nExtra2=-5\n' > "$work/german.ini"
report=$(LC_ALL=de_DE.UTF-8 "$program" --report --settings "$work/german.ini" 2> "$work/err") ||
  fail "German file did not exit 0"
[[ $report == *'"amount": 250000.50,'*'"term": "30.00 years.", "years": 30,'* ]] || fail "German: $report"
[ "$(wc -l < "$work/err")" -eq 1 ] && grep -q -- ' -5 ' "$work/err" || fail "refusal: $(cat "$work/err")"

printf 'just some notes\nLoan1=5\n' > "$work/garbage.txt"
head -c 4096 "$program" > "$work/binary"
: > "$work/empty.ini"
for target in "$work/missing.ini" "$work" "$work/garbage.txt" "$work/binary" "$work/empty.ini"; do
  status=0
  "$program" --report --settings "$target" > "$work/out" 2> "$work/err" || status=$?
  [ "$status" -eq 2 ] || fail "unreadable $target: exit $status"
  [ "$(wc -l < "$work/err")" -eq 1 ] && grep -qF "$target" "$work/err" ||
    fail "unreadable $target: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "unreadable $target: printed a report"
done

"$program" --help | grep -q -- '--report' || fail "--help names no --report"
[[ "$("$program" --version)" =~ ^paysmith\ [0-9]+\.[0-9]+$ ]] || fail "--version"
echo "1 passed, 0 failed"
