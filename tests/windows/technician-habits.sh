#!/usr/bin/env bash
# The real program under Wine as a technician uses it: installed in a folder whose name the ANSI code
# page cannot write, with an nmea.txt an editor saved (a UTF-8 byte-order mark first, the last record
# without its "*END*" and its last field without a line end). The picker shows the whole catalogue (its
# buttons no longer all read "-----", and the last sentence lists its last field); Alt+F4 and Escape
# leave the picker as "Cancel" does, and the program runs on. Checked by what Win32 reports of the
# windows (window_probe) and by pictures of the sentence buttons and parameter rows. Then the keyboard and the fields:
# Tab from "SDI12 Address" reaches "Read Settings", and 65535 typed into "Start Reg" stays whole. Last,
# read-only files chosen with "Open Config": a settings file is applied, a firmware file reaches its
# warning; saving over a file asks first, and "No" keeps it. The read-only files lie in a folder
# mounted read-only (wine-session runs us in a mount namespace of our own), where not even root may
# open a file for writing: a program that asked for write access would be refused there, as a
# technician's is by a write-protected file.
# Run inside scripts/wine-session.
#   technician-habits.sh PROGRAM.exe window_probe.exe nmea.txt
set -euo pipefail
program="$(realpath "$1")"
probe="$(realpath "$2")"
catalogue="$(realpath "$3")"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"

# Wine's drive Z: is the whole file system: the scratch folder serves as the install folder's parent.
install="$work/Склад-Ω"
mkdir -p "$install"
cp "$program" "$install/"
{
    printf '\xEF\xBB\xBF'
    head -c -9 "$catalogue" # without the last field's CR LF and the "*END*" line after it
} >"$install/nmea.txt"
# The last sentence has all 32 fields: its last one fills the picker's last parameter row.
[ "$(tail -c 18 "$install/nmea.txt")" = "Transducer 8: name" ] || fail "the catalogue must end in its last field"
# A service install ("service" beside the program) may type the serial number a save needs without a
# converter.
touch "$install/service"

start_program "$install/$(basename "$program")"
running() { kill -0 "$app" 2>/dev/null; }
pickerShown() { [ "$(line "$pickerTitle" "$pickerTitle" | cut -d'|' -f4)" = 1 ]; }
mainInUse() { [ "$(probe "$mainTitle" | head -1 | cut -d'|' -f5)" = 1 ]; }

wait_for_form || fail "the program's form did not appear"

echo "install folder and catalogue: the first and the last two sentence buttons captioned apart"
press 1 "$mainTitle" "Pick"
xdotool mousemove 0 0
sleep 0.5
# Window texts keep "-----" (captions are drawn, not set as titles): buttons uncaptioned look alike.
for at in 10,30 95,30 265,435 350,435; do crop "$pickerTitle" "-----" "$at,80,22" "$work/$at.png"; done
differs "$work/10,30.png" "$work/95,30.png" || fail "the first sentence buttons are not captioned"
differs "$work/265,435.png" "$work/350,435.png" || fail "the last sentence buttons are not captioned"
echo "catalogue: the last sentence lists the field that ends the file"
# The parameter rows are created empty, one below the other every 15 pixels: the last (the 32nd) as no
# sentence shows it, then as the last sentence shows it.
lastRow="$(probe "$pickerTitle" | awk -F'|' '$1 == "" && $2 ~ /^5,485,[0-9]+,15$/ { print $2; exit }')"
[ -n "$lastRow" ] || fail "no 32nd parameter row in the picker"
crop "$pickerTitle" "" "$lastRow" "$work/row-empty.png"
press 1 "$pickerTitle" "-----" "350,435,80,22"
xdotool mousemove 0 0
sleep 0.5
crop "$pickerTitle" "" "$lastRow" "$work/row-last.png"
differs "$work/row-empty.png" "$work/row-last.png" || fail "the last sentence lacks its last field"
press 1 "$pickerTitle" "Cancel"

for leave in alt+F4 Escape; do
    echo "picker left with $leave"
    press 1 "$mainTitle" "Pick"
    pickerShown || fail "the picker did not open"
    mainInUse && fail "the main window stays in use under the picker"
    press 1 "$pickerTitle" "-----" "10,30,80,22" # GPGGA: the focus inside the picker
    xdotool key "$leave"
    sleep 1
    running || fail "$leave ended the program"
    pickerShown && fail "$leave left the picker up"
    mainInUse || fail "the main window is not back in use after $leave"
done
# fieldAfter CAPTION: the screen centre "x y" of the first edit control after the window of that caption.
fieldAfter() {
    probe "$mainTitle" | awk -F'|' -v c="$1" 'seen && $1 ~ /^edit:/ { print $3; exit } $1 == c { seen = 1 }' |
        tr ',' ' '
}
# fieldTextAfter CAPTION: the text of that edit control.
fieldTextAfter() {
    probe "$mainTitle" | awk -F'|' -v c="$1" 'seen && $1 ~ /^edit:/ { print substr($1, 6); exit } $1 == c { seen = 1 }'
}
focused() { probe "$mainTitle" | awk '/^focus:/ { print substr($0, 7) }'; }

echo "keyboard: Tab from SDI12 Address to Read Settings"
# shellcheck disable=SC2046
xdotool mousemove $(fieldAfter "SDI12 Address") click 1
sleep 0.5
reached=""
for _ in $(seq 1 20); do
    xdotool key Tab
    sleep 0.2
    [ "$(focused)" = "Read Settings" ] && { reached=1; break; }
done
[ -n "$reached" ] || fail "Tab from SDI12 Address did not reach Read Settings (the focus is on \"$(focused)\")"

echo "fields: 65535 typed into Start Reg"
press 1 "$mainTitle" "Modbus Master to SDI12 Slave"
# shellcheck disable=SC2046
xdotool mousemove $(fieldAfter "Start Reg") click 1
sleep 0.3
xdotool type --delay 100 65535
sleep 0.5
[ "$(fieldTextAfter "Start Reg")" = 65535 ] || fail "Start Reg holds \"$(fieldTextAfter "Start Reg")\", not 65535"
echo "files: read-only settings and firmware open"
mkdir "$work/protected"
write_nmea_image "$work/protected/site.cfg"
head -c 100 /dev/zero >"$work/protected/vendor.binary"
chmod 444 "$work/protected/site.cfg" "$work/protected/vendor.binary"
mount --bind "$work/protected" "$work/protected"
mount -o remount,bind,ro "$work/protected"
before_stop="umount --lazy '$work/protected' 2>/dev/null"
[ "$(echo x 2>/dev/null >>"$work/protected/site.cfg" && echo writable)" != writable ] ||
    fail "the read-only folder takes writes"
press 1 "$mainTitle" "Open Config"
choose_file_in_dialog "Z:${work//\//\\}\\protected\\site.cfg" || fail "no open dialog"
wait_for 10 window_shown "^Unsent Settings$" || fail "opening over the typed Start Reg did not ask"
xdotool key Return
sleep 1.5
window_shown "^Error$" && fail "the read-only settings file was refused"
[ "$(line "$mainTitle" "NMEA Sentence ID" | cut -d'|' -f4)" = 1 ] || fail "the settings file was not applied"
press 1 "$mainTitle" "Open Config"
choose_file_in_dialog "Z:${work//\//\\}\\protected\\vendor.binary" || fail "no open dialog"
wait_for 10 window_shown "Firmware Update Warning" || fail "the read-only firmware file was refused"
xdotool key Escape
sleep 1
umount --lazy "$work/protected"
before_stop=""

echo "files: saving over a file asks first"
echo old >"$work/old.cfg"
# shellcheck disable=SC2046
xdotool mousemove $(fieldAfter "Serial Number") click 1
sleep 0.3
xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 50 SIM00042
sleep 0.3
[ "$(fieldTextAfter "Serial Number")" = SIM00042 ] || fail "Serial Number holds \"$(fieldTextAfter "Serial Number")\""
press 1 "$mainTitle" "Save Config"
wait_for 20 window_shown "^Save As$" || fail "no save dialog"
sleep 1
xdotool type --delay 20 "Z:${work//\//\\}\\old.cfg"
xdotool key Return
# The dialog's question, while the dialog stays up (Wine titles it "Error": the dialog has no title).
wait_for 10 window_shown "^Error$" || fail "no question before the file is replaced"
window_shown "^Save As$" || fail "the save dialog closed without asking"
xdotool key n
sleep 1
xdotool key Escape
wait_for 10 bash -c '! xdotool search --name "^Save As$" >/dev/null 2>&1' || fail "the save dialog stays up"
[ "$(cat "$work/old.cfg")" = old ] || fail "the file was replaced after No"
echo "install folder, catalogue, leaving the picker, Tab, typing and files as expected"
