#!/usr/bin/env bash
# The program under Wine against the converter simulator on COM5, driven by clicks on the real window:
# the scan finds the converter, "Read Settings" asks again, "Send Settings" sends back exactly the image
# the converter gave, and a firmware file of a few kilobytes chosen with "Open Config" arrives whole.
# Run inside scripts/wine-session:   exchanges-e2e.sh SIMULATOR EXE [SCREENSHOT]
set -euo pipefail
ZOR_SIMULATOR="$(realpath "$1")"
ZOR_EXE="$(realpath "$2")"
export ZOR_SIMULATOR ZOR_EXE
shot="${3:-}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/program-driver.sh"

work="$(mktemp -d -t zor-e2e.XXXXXX)"
log="$work/simulator.log"
finish() {
    status=$?
    [ -n "$shot" ] && import -window root "$shot" 2>/dev/null || true
    stop_all
    if [ "$status" -ne 0 ]; then
        echo "--- simulator log"
        cat "$log" 2>/dev/null || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT
step() { echo "== $*"; }
fail() {
    echo "FAILED: $*"
    exit 1
}

write_nmea_image "$work/settings.cfg"
[ "$(stat -c %s "$work/settings.cfg")" = 326 ] || fail "the test image is not 326 bytes"
# 3000 bytes: 93 whole packets and a last one of 24 bytes and zero filling.
head -c 3000 < <(seq 100000 199999 | tr -d "\n") >"$work/update.binary"
write_padded_firmware "$work/update.binary" "$work/expected-firmware"

start_simulator 5 "$log" --settings "$work/settings.cfg" --settings-out "$work/sent.cfg" \
    --firmware-out "$work/firmware.out"
start_program

step "the scan finds the converter on COM5"
wait_for 60 queries_answered "$log" 1 || fail "no query reached the simulator"
sleep 1

step "Read Settings"
click_at "${read_settings_at[@]}"
wait_for 20 queries_answered "$log" 2 || fail "Read Settings sent no query on the open port"
sleep 1

step "Send Settings"
click_at "${send_settings_at[@]}"
wait_for 20 test -s "$work/sent.cfg" || fail "no image reached the simulator"
cmp "$work/settings.cfg" "$work/sent.cfg" || fail "the image sent differs from the one read"

step "firmware update from Open Config"
click_at "${open_config_at[@]}"
choose_file_in_dialog "Z:${work//\//\\}\\update.binary" || fail "no open dialog"
confirm_firmware_warning || fail "no firmware warning"
wait_for 120 test -s "$work/firmware.out" || fail "the firmware update did not end"
cmp "$work/expected-firmware" "$work/firmware.out" || fail "the firmware kept differs from the file"
packets_accepted "$log" 94 || fail "fewer than 94 packets accepted"
echo "all exchanges went through"
