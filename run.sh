#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine, with the converter simulator on COM3 (a real
# converter is not reachable from Wine here). Installs what is missing first.
# With no display, it runs on a virtual screen and saves a screenshot after a few seconds.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
cd "$root"

if [ "${ZOR_IN_WINE_SESSION:-}" != 1 ]; then
    [ -n "${DISPLAY:-}" ] && export ZOR_HAS_DISPLAY=1
    scripts/setup-machine
    cmake -S . -B build-native -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build build-native -j "$(nproc)" --target zor-simulator
    cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build build-windows -j "$(nproc)" --target zor_mx410
    exec scripts/wine-session "$0"
fi

ZOR_SIMULATOR="$root/build-native/tools/simulator/zor-simulator"
# shellcheck source=tests/windows/wine-driver.sh
source tests/windows/wine-driver.sh
exe="$root/build-windows/src/ZOR-MX-410.exe"
shot="$root/build-windows/screenshot.png"
log="$root/build-windows/simulator.log"

rm -f "$log"
start_simulator 3 "$log"
echo "Converter simulator on COM3, its log in $log"
start_program "$exe"
if [ -n "${ZOR_HAS_DISPLAY:-}" ]; then
    # Until the user closes the program.
    wait "$app" || true
else
    # The scan finds the simulator within a second; the screenshot shows the form filled from it.
    wait_for 30 queries_answered "$log" 1 || true
    sleep "${ZOR_RUN_SECONDS:-3}"
    import -window root "$shot" && echo "Screenshot of the running program: $shot"
fi
