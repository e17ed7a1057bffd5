#!/usr/bin/env bash
# Checks a built Debian package as a user would meet it: unpacked with dpkg -x
# into an empty folder, its desktop entry and AppStream metainfo validate, and
# its usr/bin/paysmith starts in an X session, shows the first-run help from
# usr/share/paysmith/help of that tree, prints the schedule to a PDF file
# through the print module of that tree, and ends cleanly when its window is
# closed. Usage: scripts/test-installed.sh [package.deb, default the newest in dist/]
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "${1:-$(ls -t dist/paysmith_*.deb | head -n 1)}")
./scripts/setup.sh package

work=$(mktemp -d)
root="$work/root"
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/paysmith.desktop"
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml
for size in 16 32 48 64 128; do
  [ -f "$root/usr/share/icons/hicolor/${size}x$size/apps/paysmith.png" ] ||
    fail "no ${size}x$size icon"
done
man -l "$root/usr/share/man/man1/paysmith.1.gz" >/dev/null 2>&1 || fail "the man page does not format"

source scripts/xvfb-session.sh
# A fresh configuration: the first run shows its help.
export XDG_CONFIG_HOME="$work/config"
start_x_session
version=$(dpkg-deb -f "$deb" Version)
# The files the program opens tell where it took its help page from. A session
# bus of its own keeps the accessibility bridge from autolaunching one, which
# would outlive the program and keep strace -f waiting.
dbus-run-session -- strace -f -qq -e trace=open,openat -e signal=none -o "$work/opened" \
  "$root/usr/bin/paysmith" &
app=$!

main=$(wait_for_window "^Paysmith, ${version//./\\.}\$") || fail "the main window did not appear"
help=$(wait_for_window '^Paysmith Help$') || fail "the first run showed no help"
grep -q "\"$root/usr/share/paysmith/help/[^\"]*\.html\", O_RDONLY" "$work/opened" ||
  fail "the help page was not read from the unpacked usr/share/paysmith/help"
wmctrl -i -c "$help"
wait_until_gone '^Paysmith Help$' || fail "the help did not close"

# Printing loads the print module on first use; its dialog, with no printer
# here, offers "Print to File (PDF)", which writes the file named in the dialog.
# (Saving as PDF writes without the module, so it would prove nothing here.)
# From the menu: a page's button letter typed right after a page turn is lost
# now and then while strace slows the program.
printed="$work/printed.pdf"
activate "$main" || fail "the main window did not get the focus"
xdotool key alt+f p
dialog=$(wait_for_window '^Print$') || fail "File > Print Schedule showed no print dialog"
# Without its module, the program says so in a box of that title instead.
module="$root/usr/bin/\.\./lib/[^\"]*/paysmith/paysmith_print\.so"
grep -q "\"$module\", O_RDONLY[^)]*) = [0-9]" "$work/opened" ||
  fail "the print module was not opened from the unpacked usr/lib"
wait_until_active "$dialog" || fail "the print dialog did not get the focus"
xdotool key alt+f ctrl+a
xdotool type --delay 40 "$printed"
xdotool key Return
# A PDF is whole once its closing %%EOF is written.
pdf_whole() { [ -f "$printed" ] && tail -c 6 "$printed" | grep -q '%%EOF'; }
poll pdf_whole || fail "printing to a file wrote no whole PDF"
[ "$(head -c 5 "$printed")" = '%PDF-' ] || fail "the printed file is no PDF"
pages=$(pdfinfo "$printed" | awk '/^Pages:/ { print $2 }') || fail "pdfinfo cannot read the printed PDF"
[ "${pages:-0}" -ge 1 ] || fail "the printed PDF has no page"

wmctrl -i -c "$main"
wait_for_exit "$app" || fail "Paysmith did not end cleanly after its window was closed"
rm -rf "$work"
echo "installed tree: 1 passed, 0 failed"
