#!/usr/bin/env bash
# The real program under Wine against the converter simulator streaming sentences, driven with the X
# pointer: the picker opens, a sentence and a parameter are chosen and taken with "OK"; the incoming
# view starts and stops; a right click on slot 2 shows its value in the status line and a click on the
# line ends it. Checked by what Win32 reports of the windows (window_probe), by the bytes the simulator
# received ("s" and "x"), and by pictures: the rows and the status line change while a view runs.
# Keeps its screenshots for people in SHOTS (default: a temporary folder, removed at the end). Run inside scripts/wine-session.
#   nmea-tools.sh PROGRAM.exe window_probe.exe SIMULATOR SENTENCES [SHOTS]
set -euo pipefail
program="$1"
probe="$2"
simulator="$3"
sentences="$4"
shots="${5:-}"
here="$(cd "$(dirname "$0")" && pwd)"
ZOR_SIMULATOR="$simulator"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"

shots="${shots:-$work/shots}"
mkdir -p "$shots"
log="$work/simulator.log"
start_simulator 3 "$log" --sentences "$sentences" --sentence-period 200
start_program "$program"
# rx TEXT N: the simulator received TEXT in one read at least N times.
rx() { wait_for 3 log_has "$log" "rx 1: $1" "$2"; }

wait_for_form || fail "the program's form did not appear"
wait_for 15 log_has "$log" "~ZOR0" 1 || fail "the scan did not reach the simulator"
sleep 2
shot "$mainTitle" "$shots/main-form.png"

echo "picker: choose GPGGA and its parameter 2"
press 1 "$mainTitle" "Pick"
shown "$pickerTitle" || fail "the picker did not open"
press 1 "$pickerTitle" "-----" "10,30,80,22"     # the first sentence button
press 1 "$pickerTitle" "" "5,35,540,15"          # row 1: parameter 2
xdotool mousemove 0 0
sleep 0.5
shot "$pickerTitle" "$shots/picker.png"
press 1 "$pickerTitle" "OK"
! shown "$pickerTitle" || fail "OK did not close the picker"
[ "$(probe "$mainTitle" | head -1 | cut -d'|' -f5)" = 1 ] || fail "the main window is still out of use"

echo "incoming view"
press 1 "$mainTitle" "Pick"
crop "$pickerTitle" "Parameters" "480,15,550,510" "$work/rows-before.png"
press 1 "$pickerTitle" "View Incoming NMEA"
rx s 1 || fail "the incoming view did not start the stream"
sleep 3
crop "$pickerTitle" "Parameters" "480,15,550,510" "$work/rows-during.png"
shot "$pickerTitle" "$shots/incoming.png"
differs "$work/rows-before.png" "$work/rows-during.png" || fail "no sentence appeared in the rows"
! enabled "$pickerTitle" "OK" || fail "OK stays in use while the view runs"
press 1 "$pickerTitle" "View Incoming NMEA"     # now "Hide Incoming NMEA"
rx x 1 || fail "stopping the view did not stop the stream"
press 1 "$pickerTitle" "Cancel"
! shown "$pickerTitle" || fail "Cancel did not close the picker"

echo "real-time view of slot 2"
crop "$mainTitle" "Status" "10,20,460,25" "$work/line-before.png"
press 3 "$mainTitle" "2" "25,50,50,25"
# "s" goes out only for a five-character identifier: the one "OK" put into the form.
rx s 2 || fail "the right click did not start the view"
xdotool mousemove 0 0
sleep 2
crop "$mainTitle" "Status" "10,20,460,25" "$work/line-during.png"
shot "$mainTitle" "$shots/realtime.png"
differs "$work/line-before.png" "$work/line-during.png" || fail "the status line shows no value"
! enabled "$mainTitle" "Read Settings" || fail "Read Settings stays in use during the view"
press 1 "$mainTitle" "Status" "10,20,460,25"
rx x 2 || fail "a click on the status line did not end the view"
enabled "$mainTitle" "Read Settings" || fail "Read Settings is not back in use"
echo "picker, incoming view and real-time view as expected; screenshots in $shots"
