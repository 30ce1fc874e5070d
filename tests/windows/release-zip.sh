#!/usr/bin/env bash
# The release as a technician gets it: scripts/make-release packs the program and nmea.txt into one
# zip; unpacked into an empty folder, the program finds its catalogue beside itself. The proof is the
# picker's first sentence button: captioned from the file ("GPGGA") it looks different from the same
# program's button in a folder without the file ("-----"). Run inside scripts/wine-session.
#   release-zip.sh MAKE-RELEASE BUILD_DIR window_probe.exe
set -euo pipefail
make_release="$1"
build="$2"
probe="$3"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"

"$make_release" "$build" "$work/release.zip" >/dev/null
listing="$(unzip -Z1 "$work/release.zip" | sort | tr '\n' ' ')"
[ "$listing" = "ZOR-MX-410/ ZOR-MX-410/ZOR-MX-410.exe ZOR-MX-410/nmea.txt " ] ||
    fail "the zip holds: $listing"
unzip -q "$work/release.zip" -d "$work/with"
mkdir -p "$work/without"
cp "$work/with/ZOR-MX-410/ZOR-MX-410.exe" "$work/without/"

# firstButton FOLDER PICTURE: starts the program there, opens the picker, crops its first button.
firstButton() {
    start_program "$1/ZOR-MX-410.exe"
    wait_for_form || fail "the program from $1 did not start"
    press 1 "$mainTitle" "Pick"
    xdotool mousemove 0 0
    sleep 0.5
    crop "$pickerTitle" "-----" "10,30,80,22" "$2"
    stop_program
    sleep 0.5
}
firstButton "$work/with/ZOR-MX-410" "$work/with.png"
firstButton "$work/without" "$work/without.png"
differs "$work/with.png" "$work/without.png" ||
    fail "the first sentence button reads the same with and without nmea.txt"
echo "the release unpacks to the program and its catalogue, and the program reads the catalogue"
