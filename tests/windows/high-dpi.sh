#!/usr/bin/env bash
# The real program under Wine on a screen of 144 DPI (150 %): it declares itself DPI-aware, so Windows
# leaves the scaling to it, and every window stands at 1.5 times its place and size of 96 DPI, as
# Win32 reports them (window_probe). The picture of it is kept for people to look at. The prefix's
# scale is set back to 96 DPI at the end, for the tests that follow.
# Run inside scripts/wine-session:   high-dpi.sh PROGRAM.exe window_probe.exe PICTURE.png
set -euo pipefail
program="$(realpath "$1")"
probe="$(realpath "$2")"
picture="$3"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"

# Windows scales a program that does not declare itself aware as a bitmap (Wine does not): the
# manifest that declares it must be in the program.
grep -q -a "PerMonitorV2" "$program" || fail "the program's manifest does not declare per-monitor DPI awareness"
set_screen_dpi 144
before_stop="import -window root '$picture' || true; set_screen_dpi 96"

start_program "$program"
wait_for_form || fail "the program's form did not appear"
sleep 0.5
windows="$(probe "$mainTitle")"

failures=0
# expect CAPTION PLACEMENT-AT-96-DPI: the first window of that caption stands at 1.5 times it, each
# number within the pixel that rounding a half (and a client area of odd size) may move it.
expect() {
    local got
    got="$(pick "$1" <<<"$windows" | cut -d'|' -f2)"
    if ! awk -F, -v got="$got" '{
            n = split(got, g, ",")
            if (n != 4) exit 1
            for (i = 1; i <= 4; i++) { d = g[i] - $i * 1.5; if (d > 1 || d < -1) exit 1 }
        }' <<<"$2"; then
        echo "  $1: expected 1.5 x $2, Win32 reports ${got:-nothing}"
        failures=$((failures + 1))
    fi
}
# The main window: its outer size (1080 x 650 at 96 DPI).
size="$(head -1 <<<"$windows" | cut -d'|' -f2 | cut -d, -f3,4)"
[ "$size" = "1620,975" ] || {
    echo "  main window: expected 1620,975, Win32 reports $size"
    failures=$((failures + 1))
}
expect "SDI12 Register Set Select" "10,10,200,320"
expect "NMEA Sentence ID" "230,10,250,60"
expect "NMEA to SDI12 Parameter Select" "230,80,250,250"
expect "Control Output Parameters" "500,10,250,440"
expect "Averaging" "755,10,290,170"
expect "Read Settings" "810,580,120,25"
expect "Status" "5,515,480,55"

[ "$failures" -eq 0 ] || fail "$failures differences at 144 DPI"
echo "every window at 1.5 times its place and size; picture: $picture"
