#!/usr/bin/env bash
# The program under Wine against the converter simulator on COM7, values typed into the real window:
# "abc" in the threshold is refused with a box and nothing is written, also when another register set is
# chosen; "12,75" goes out as 12.75; an averaging period the buffer cannot hold is corrected at "Send
# Settings" and the send goes on; a reply cut by a pause applies nothing, so "Send Settings" then sends what
# the form shows (the image sent before); 300 in a Modbus "Address" cell is refused with a box and nothing
# is written; Alt+F4 after an edit asks first and Cancel keeps the edit; a converter swapped on the cable is
# named before anything is written and keeps its serial number; so is another main function (Cancel: nothing
# written). "Read Settings" and Alt+F4 over a refused "abc" ask first, then read over it or end the program.
# Run inside scripts/wine-session:   typed-values-e2e.sh SIMULATOR EXE window_probe.exe
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"
take_test_arguments "$@"

step() { echo "== $*"; }
images_accepted() { log_count "$1" "accepted ("; }

# type_into GROUP TEXT [CAPTION]: the first field listed after the group GROUP (created with the text
# CAPTION, empty when not given) clicked, its text replaced by TEXT.
type_into() {
    local at
    at="$(probe "$mainTitle" |
        awk -F'|' -v g="$1" -v c="${3:-}" 'found && $1 == c { print $3; exit } $1 == g { found = 1 }')"
    [ -n "$at" ] || fail "no field in \"$1\""
    # shellcheck disable=SC2086
    xdotool mousemove ${at/,/ }
    sleep 0.2
    xdotool click 1
    sleep 0.3
    xdotool key End shift+Home
    xdotool type --delay 30 "$2"
    sleep 0.5
}

# refused_by_box [BUTTON]: "Send Settings" (or BUTTON) shows an "Error" box, answered with Enter.
refused_by_box() {
    press 1 "$mainTitle" "${1:-Send Settings}"
    wait_for 10 window_shown "^Error$" || fail "no Error box"
    sleep 0.5
    xdotool key Return
    wait_for 10 eval '! window_shown "^Error$"' || fail "the Error box stayed"
}

# i32_at FILE OFFSET: the little-endian 32-bit value there.
i32_at() { od -A n -t d4 -j "$2" -N 4 "$1" | tr -d ' '; }

log="$work/simulator.log"
write_nmea_image "$work/settings.cfg"
start_simulator 7 "$log" --settings "$work/settings.cfg" --settings-out "$work/sent.cfg"
start_program "$exe"
wait_for_form || fail "the program's form did not appear"
wait_for 60 queries_answered "$log" 1 || fail "no query reached the simulator"
sleep 1

step "\"abc\" in the threshold is refused"
type_into "Threshold (switch ON level)" "abc"
refused_by_box
sleep 1
[ "$(images_accepted "$log")" = 0 ] || fail "an image was written"
press 1 "$mainTitle" "Read Settings"
wait_for 10 window_shown "^Unsent Settings$" || fail "Read Settings did not ask before reading over \"abc\""
xdotool key Return
wait_for 20 queries_answered "$log" 2 || fail "Read Settings read nothing"
sleep 1
probe "$mainTitle" | grep -q '^edit:abc|' && fail "the read left \"abc\" in the threshold"

step "\"abc\" in register set 0's threshold is refused when register set 1 is chosen, and never sent"
type_into "Threshold (switch ON level)" "abc"
refused_by_box "1"
refused_by_box
sleep 1
[ "$(images_accepted "$log")" = 0 ] || fail "an image was written"

step "\"12,75\" in the threshold goes out as 12.75"
type_into "Threshold (switch ON level)" "12,75"
press 1 "$mainTitle" "Send Settings"
wait_for 20 test -s "$work/sent.cfg" || fail "no image reached the simulator"
[ "$(i32_at "$work/sent.cfg" 158)" = 1275 ] || fail "threshold sent as $(i32_at "$work/sent.cfg" 158)"
# Everything else as the converter gave it.
cmp <(head -c 158 "$work/settings.cfg") <(head -c 158 "$work/sent.cfg") || fail "bytes before it differ"
cmp <(tail -c +163 "$work/settings.cfg") <(tail -c +163 "$work/sent.cfg") || fail "bytes after it differ"

step "an averaging period beyond the buffer is corrected at Send Settings, and the send goes on"
rm -f "$work/sent.cfg"
type_into "Averaging Period (s)" "5000" "0"
press 1 "$mainTitle" "Send Settings"
wait_for 10 window_shown "^Averaging Period$" || fail "no averaging warning"
sleep 0.5
xdotool key Return
wait_for 20 test -s "$work/sent.cfg" || fail "the click that left the field sent nothing"
[ "$(i32_at "$work/sent.cfg" 294)" = 60 ] || fail "sample count sent as $(i32_at "$work/sent.cfg" 294)"
cp "$work/sent.cfg" "$work/shown.cfg"

step "a cut reply applies nothing; Send Settings (whose question the converter answers whole) sends what the form shows"
kill "${driver_pids[0]}"
wait "${driver_pids[0]}" 2>/dev/null || true
# Another converter: sentence "GPRMC", threshold 99.99, averaging off; its reply pauses after 200 bytes.
sed -e 's/GPGGA/GPRMC/g' "$work/settings.cfg" >"$work/other.cfg"
printf '\x0f\x27\x00\x00' | dd of="$work/other.cfg" bs=1 seek=158 conv=notrunc status=none
printf '\x00' | dd of="$work/other.cfg" bs=1 seek=302 conv=notrunc status=none
rm -f "$work/sent.cfg"
log="$work/cut.log"
start_simulator 7 "$log" --settings "$work/other.cfg" --settings-out "$work/sent.cfg" \
    --split-after 200 --split-pause 1500 --split-replies 1 --swap-after 2 SWAP0002
press 1 "$mainTitle" "Rescan Ports"
wait_for 60 queries_answered "$log" 1 || fail "no query reached the second simulator"
sleep 3
press 1 "$mainTitle" "Send Settings"
wait_for 20 test -s "$work/sent.cfg" || fail "no image reached the second simulator"
cmp "$work/shown.cfg" "$work/sent.cfg" || fail "the image sent is not what the form showed"

step "300 in a Modbus \"Address\" cell is refused"
press 1 "$mainTitle" "Modbus Master to SDI12 Slave"
type_into "Address" "300"
refused_by_box
sleep 1
[ "$(images_accepted "$log")" = 1 ] || fail "an image was written"

step "Alt+F4 after an edit asks first; Cancel keeps the edit"
type_into "Address" "1"
press 1 "$mainTitle" "NMEA0183 to SDI12 Slave"
type_into "Threshold (switch ON level)" "7"
xdotool key alt+F4
wait_for 10 window_shown "^Unsent Settings$" || fail "closing with an unsent edit did not ask"
sleep 0.5
xdotool key Escape
wait_for 10 eval '! window_shown "^Unsent Settings$"' || fail "the box stayed"
sleep 1
shown "$mainTitle" || fail "Cancel closed the program"

step "a converter swapped on the cable is named before anything is written, and keeps its serial number"
rm -f "$work/sent.cfg"
press 1 "$mainTitle" "Send Settings"
wait_for 10 window_shown "^Another Converter$" || fail "the swapped converter was not named"
sleep 1
[ -s "$work/sent.cfg" ] && fail "written before the technician confirmed"
xdotool key Return
wait_for 20 test -s "$work/sent.cfg" || fail "no image reached the simulator"
[ "$(dd if="$work/sent.cfg" bs=1 skip=6 count=8 status=none)" = SWAP0002 ] ||
    fail "the swapped converter was sent serial $(dd if="$work/sent.cfg" bs=1 skip=6 count=8 status=none)"

step "settings of another main function: Send names it, and Cancel writes nothing"
[ "$(i32_at "$work/sent.cfg" 158)" = 700 ] || fail "the kept edit was sent as $(i32_at "$work/sent.cfg" 158)"
press 1 "$mainTitle" "Modbus Master to SDI12 Slave"
press 1 "$mainTitle" "Send Settings"
wait_for 10 window_shown "^Another Converter$" || fail "the other main function was not named"
xdotool key Escape
sleep 1
[ "$(images_accepted "$log")" = 2 ] || fail "written after Cancel"

step "\"abc\" left in a field: Alt+F4 asks, and OK ends the program"
press 1 "$mainTitle" "NMEA0183 to SDI12 Slave"
type_into "Threshold (switch ON level)" "abc"
xdotool key alt+F4
wait_for 10 window_shown "^Unsent Settings$" || fail "Alt+F4 did not ask"
xdotool key Return
wait_for 10 eval '! shown "$mainTitle"' || fail "the program did not close after OK"
echo "typed values went out as shown or were refused"
