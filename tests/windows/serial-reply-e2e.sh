#!/usr/bin/env bash
# The program under Wine against a converter in "SDI12 to RS232" on COM6: the scan reads its 18-byte
# reply, which fills the address, baud and serial number and selects that main function, so "Send
# Settings" sends back exactly what the converter holds (not a 326-byte image of the form's start-up).
# Run inside scripts/wine-session:   serial-reply-e2e.sh SIMULATOR EXE
set -euo pipefail
ZOR_SIMULATOR="$(realpath "$1")"
ZOR_EXE="$(realpath "$2")"
export ZOR_SIMULATOR ZOR_EXE
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/program-driver.sh"

work="$(mktemp -d -t zor-serial.XXXXXX)"
log="$work/simulator.log"
finish() {
    status=$?
    stop_all
    if [ "$status" -ne 0 ]; then
        echo "--- simulator log"
        cat "$log" 2>/dev/null || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}

# Address "K", baud index 2 (2400), serial number "WINE0003".
printf '~ZOR3K\x02WINE0003END' >"$work/settings.cfg"
start_simulator 6 "$log" --settings "$work/settings.cfg" --settings-out "$work/sent.cfg"
start_program

wait_for 60 queries_answered "$log" 1 || fail "no query reached the simulator"
sleep 1
click_at "${send_settings_at[@]}"
wait_for 20 test -s "$work/sent.cfg" || fail "no image reached the simulator"
cmp "$work/settings.cfg" "$work/sent.cfg" || fail "the image sent differs from the converter's"
echo "the converter's own settings went back"
