#!/usr/bin/env bash
# The program under Wine against the converter simulator on COM5, driven by clicks on the real window:
# the scan finds the converter, "Read Settings" asks again, "Send Settings" sends back exactly the image
# the converter gave, and a firmware file of a few kilobytes chosen with "Open Config" arrives whole.
# Then "Rescan Ports" finds a second converter on COM3 that starts its 326-byte reply 250 ms late (busy
# writing its EEPROM): the reply is read whole, so "Send Settings" sends back exactly its settings.
# Run inside scripts/wine-session:   exchanges-e2e.sh SIMULATOR EXE window_probe.exe [SCREENSHOT]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"
take_test_arguments "$@"
shot="${4:-}"

log="$work/simulator.log"
[ -z "$shot" ] || before_stop='import -window root "$shot"'
step() { echo "== $*"; }

write_nmea_image "$work/settings.cfg"
[ "$(stat -c %s "$work/settings.cfg")" = 326 ] || fail "the test image is not 326 bytes"
# 3000 bytes: 93 whole packets and a last one of 24 bytes and zero filling.
write_firmware 3000 "$work/update.binary"
write_padded_firmware "$work/update.binary" "$work/expected-firmware"

start_simulator 5 "$log" --settings "$work/settings.cfg" --settings-out "$work/sent.cfg" \
    --firmware-out "$work/firmware.out"
start_program "$exe"

step "the scan finds the converter on COM5"
wait_for_form || fail "the program's form did not appear"
wait_for 60 queries_answered "$log" 1 || fail "no query reached the simulator"
sleep 1

step "Read Settings"
press 1 "$mainTitle" "Read Settings"
wait_for 20 queries_answered "$log" 2 || fail "Read Settings sent no query on the open port"
sleep 1

step "Send Settings"
press 1 "$mainTitle" "Send Settings"
wait_for 20 test -s "$work/sent.cfg" || fail "no image reached the simulator"
cmp "$work/settings.cfg" "$work/sent.cfg" || fail "the image sent differs from the one read"

step "firmware update from Open Config"
press 1 "$mainTitle" "Open Config"
choose_file_in_dialog "Z:${work//\//\\}\\update.binary" || fail "no open dialog"
confirm_firmware_warning || fail "no firmware warning"
wait_for 120 test -s "$work/firmware.out" || fail "the firmware update did not end"
cmp "$work/expected-firmware" "$work/firmware.out" || fail "the firmware kept differs from the file"
packets_accepted "$log" 94 || fail "fewer than 94 packets accepted"
step "a reply starting 250 ms late is read whole"
cp "$work/settings.cfg" "$work/late.cfg"
printf 'LATE0003' | dd of="$work/late.cfg" bs=1 seek=6 conv=notrunc status=none
late="$work/late.log"
start_simulator 3 "$late" --settings "$work/late.cfg" --settings-out "$work/late-sent.cfg" --reply-delay 250
press 1 "$mainTitle" "Rescan Ports"
wait_for 20 queries_answered "$late" 1 || fail "Rescan Ports sent no query to COM3"
sleep 1.5
press 1 "$mainTitle" "Send Settings"
wait_for 20 test -s "$work/late-sent.cfg" || fail "no image reached the late converter"
cmp "$work/late.cfg" "$work/late-sent.cfg" || fail "the late converter's reply was not read whole"
echo "all exchanges went through"
