#!/usr/bin/env bash
# The real program under Wine: clicks through the three main function radios with the X pointer
# (xdotool) and checks, after each, what Win32 reports of the form's windows (window_probe): where the
# groups stand, which show and which take input. Run inside scripts/wine-session.
#   main-form-layouts.sh PROGRAM.exe window_probe.exe
set -euo pipefail
program="$1"
probe="$2"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"

start_program "$program"
wait_for_form || fail "the program's form did not appear"
sleep 0.5
# No converter is linked: the scan of the start-up is stopped ("Stop Scanning"), since the form's
# changes wait while a scan might still read a converter over them.
press 1 "$mainTitle" "Rescan Ports"
sleep 0.3

# One look at the windows after each click; the checks read it.
windows=""
look() { windows="$(probe "$mainTitle")"; }
look
failures=0
# expect CAPTION PLACEMENT VISIBLE ENABLED (the first window of that caption)
expect() {
    local got
    got="$(pick "$1" <<<"$windows" | cut -d'|' -f2,4,5)"
    if [ "$got" != "$2|$3|$4" ]; then
        echo "  $1: expected $2 visible $3 enabled $4, Win32 reports ${got:-nothing}"
        failures=$((failures + 1))
    fi
}
# Clicks the window with that caption, then looks again.
click() {
    press 1 "$mainTitle" "$1"
    look
}

echo "as built"
expect "SDI12 Register Set Select" "10,10,200,320" 1 1
expect "NMEA Sentence ID" "230,10,250,60" 1 1
expect "Control Output Parameters" "500,10,250,440" 1 1
expect "Averaging" "755,10,290,170" 1 0
expect "Modbus Baud Rate" "500,10,150,150" 0 1
expect "Address" "60,10,100,305" 0 1

click "Modbus Master to SDI12 Slave"
echo "Modbus Master to SDI12 Slave"
expect "SDI12 Register Set Select" "10,10,540,320" 1 1
expect "NMEA Sentence ID" "230,10,250,60" 0 1
expect "NMEA to SDI12 Parameter Select" "230,80,250,250" 0 1
expect "Control Output Parameters" "500,10,250,440" 0 1
expect "Modbus Baud Rate" "555,10,150,150" 1 1
expect "Modbus Timeout" "555,165,150,55" 1 1
expect "Address" "60,10,100,305" 1 1
expect "Reg Count" "375,10,100,305" 1 1

click "SDI12 to RS232"
echo "SDI12 to RS232"
expect "SDI12 Register Set Select" "10,10,480,320" 1 0
expect "Address" "60,10,100,305" 1 0
expect "Modbus Baud Rate" "495,10,150,150" 1 1
expect "Modbus Timeout" "495,165,150,55" 1 0
expect "Control Output Parameters" "500,10,250,440" 0 1

click "NMEA0183 to SDI12 Slave"
echo "NMEA0183 to SDI12 Slave"
expect "SDI12 Register Set Select" "10,10,200,320" 1 1
expect "NMEA Sentence ID" "230,10,250,60" 1 1
expect "Control Output Parameters" "500,10,250,440" 1 1
expect "Modbus Baud Rate" "215,10,150,150" 0 1
expect "Address" "60,10,100,305" 0 1

[ "$failures" -eq 0 ] || fail "$failures differences"
echo "every layout as expected"
