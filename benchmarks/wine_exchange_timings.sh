#!/usr/bin/env bash
# Timings of the real program under Wine against the converter simulator with its line paced at
# 9600 baud both ways (about 1.04 ms a byte): a 32768-byte firmware update against the line's limit,
# and the time from start-up to the converter found on COM1, COM5 and COM20. A measurement, not a test.
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
