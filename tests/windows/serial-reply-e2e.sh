#!/usr/bin/env bash
# The program under Wine against a converter in "SDI12 to RS232" on COM6: the scan reads its 18-byte
# reply, which fills the address, baud and serial number and selects that main function, so "Send
# Settings" sends back exactly what the converter holds (not a 326-byte image of the form's start-up).
# Run inside scripts/wine-session:   serial-reply-e2e.sh SIMULATOR EXE window_probe.exe
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"
take_test_arguments "$@"

log="$work/simulator.log"
# Address "K", baud index 2 (2400), serial number "WINE0003".
printf '~ZOR3K\x02WINE0003END' >"$work/settings.cfg"
start_simulator 6 "$log" --settings "$work/settings.cfg" --settings-out "$work/sent.cfg"
start_program "$exe"

wait_for_form || fail "the program's form did not appear"
wait_for 60 queries_answered "$log" 1 || fail "no query reached the simulator"
sleep 1
press 1 "$mainTitle" "Send Settings"
wait_for 20 test -s "$work/sent.cfg" || fail "no image reached the simulator"
cmp "$work/settings.cfg" "$work/sent.cfg" || fail "the image sent differs from the converter's"
echo "the converter's own settings went back"
