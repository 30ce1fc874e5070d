#!/usr/bin/env bash
# Timings of the real program under Wine against the converter simulator with its line paced at
# 9600 baud both ways (about 1.04 ms a byte): a 32768-byte firmware update against the line's limit,
# the time from start-up to the converter found on COM1, COM5 and COM20, and "Rescan Ports" with one
# port, COM20: to "No converter found" when it stays silent, to the query answered when a converter is
# there (goals: within 1 s and within 0.5 s of the click); zor-config's scan the same. A measurement,
# not a test.
#   benchmarks/wine_exchange_timings.sh      (after building build-native and build-windows)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${ZOR_IN_WINE_SESSION:-}" != 1 ]; then
    exec "$root/scripts/wine-session" "$0" "$@"
fi
ZOR_SIMULATOR="$root/build-native/tools/simulator/zor-simulator"
exe="$root/build-windows/src/ZOR-MX-410.exe"
probe="$root/build-windows/src/window_probe.exe"
# shellcheck source=../tests/windows/wine-driver.sh
source "$root/tests/windows/wine-driver.sh"

echo "== start-up to the converter found (the query answered on its port)"
for port in 1 5 20; do
    log="$work/scan-$port.log"
    start_simulator "$port" "$log" --paced-input
    start="$(now)"
    start_program "$exe"
    wait_for 120 queries_answered "$log" 1
    found="$(now)"
    printf 'COM%-3s %6.2f s\n' "$port" "$(elapsed "$start" "$found")"
    stop_all
    rm -f "$WINEPREFIX/dosdevices/com$port"
    sleep 1
done

# The status line's rectangle on the screen, found once: grabbing it is quick, asking window_probe is not.
status_rectangle() {
    local l w h c
    l="$(line "$mainTitle" "Status" "10,20,460,25")"
    IFS=, read -r _ _ w h <<<"$(cut -d'|' -f2 <<<"$l")"
    c="$(cut -d'|' -f3 <<<"$l")"
    echo "$((${c%,*} - w / 2)) $((${c#*,} - h / 2)) $w $h"
}
# click_rescan: "Rescan Ports" clicked, the moment of the click in clicked.
click_rescan() {
    # shellcheck disable=SC2046
    xdotool mousemove $(centre "$mainTitle" "Rescan Ports")
    sleep 0.3
    clicked="$(now)"
    xdotool click 1
}

echo "== Rescan Ports with one port, COM20"
log="$work/rescan-silent.log"
start_simulator 20 "$log" --paced-input --silent
start_program "$exe"
wait_for_form
wait_for 60 log_has "$log" "left unanswered" 1
sleep 2 # the start-up scan has ended; the status line says so
read -r sx sy sw sh <<<"$(status_rectangle)"
grab "$sx" "$sy" "$sw" "$sh" "$work/none-found.png"
click_rescan
wait_for 30 log_has "$log" "left unanswered" 2
# From the query on, the status line shows the exchange until the scan has ended with the same text.
scan_ended() { grab "$sx" "$sy" "$sw" "$sh" "$work/status.png" && ! differs "$work/none-found.png" "$work/status.png"; }
wait_for 30 scan_ended
printf 'silent port:  "No converter found" %6.2f s after the click (goal at most 1.00)\n' \
    "$(elapsed "$clicked" "$(now)")"
stop_all
rm -f "$WINEPREFIX/dosdevices/com20"
sleep 1

log="$work/rescan-answer.log"
start_simulator 20 "$log" --paced-input
start_program "$exe"
wait_for_form
wait_for 60 queries_answered "$log" 1
sleep 2
click_rescan
wait_for 30 queries_answered "$log" 2
printf 'converter:    query answered %6.2f s after the click (goal at most 0.50)\n' "$(elapsed "$clicked" "$(now)")"
stop_all

cli="$root/build-windows/src/cli/zor-config.exe"
if [ -x "$cli" ]; then
    start_simulator 20 "$log" --paced-input --silent
    start="$(now)"
    "$wine" "$cli" scan >/dev/null 2>&1 || true
    printf 'zor-config scan, COM0 to COM200 with one silent port: %6.2f s, Wine start-up included\n' \
        "$(elapsed "$start" "$(now)")"
    stop_all
fi
rm -f "$WINEPREFIX/dosdevices/com20"
sleep 1

echo "== firmware update of 32768 bytes"
log="$work/firmware.log"
write_firmware 32768 "$work/update.binary"
start_simulator 1 "$log" --paced-input --firmware-out "$work/firmware.out"
start_program "$exe"
wait_for 60 queries_answered "$log" 1
sleep 1
press 1 "$mainTitle" "Open Config"
choose_file_in_dialog "Z:${work//\//\\}\\update.binary"
confirm_firmware_warning
start="$(now)"
wait_for 600 test -s "$work/firmware.out"
took="$(elapsed "$start" "$(now)")"
# 1024 whole packets and a last one of zeros; each 35 bytes out and one back at 960 bytes a second.
awk -v took="$took" 'BEGIN { limit = 1025 * 36 / 960
    printf "update %.2f s, line limit %.2f s, ratio %.2f (goal at most 1.30)\n", took, limit, took / limit }' 
