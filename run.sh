#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine, with the converter simulator on COM3 (a real
# converter is not reachable from Wine here). Installs what is missing first.
# With no display, it runs on a virtual screen and saves a screenshot after a few seconds.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
cd "$root"

scripts/setup-machine
cmake -S . -B build-native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-native -j "$(nproc)" --target zor-simulator
cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build-windows -j "$(nproc)" --target zor_mx410

export ZOR_EXE="$root/build-windows/src/ZOR-MX-410.exe"
export ZOR_SIM="$root/build-native/tools/simulator/zor-simulator"
export ZOR_SHOT="$root/build-windows/screenshot.png"
export ZOR_SIM_LOG="$root/build-windows/simulator.log"
[ -n "${DISPLAY:-}" ] && export ZOR_HAS_DISPLAY=1
exec scripts/wine-session bash -c '
    rm -f "$ZOR_SIM_LOG"
    "$ZOR_SIM" --wine-com 3 --log "$ZOR_SIM_LOG" & sim=$!
    trap "kill $sim 2>/dev/null" EXIT
    echo "Converter simulator on COM3, its log in $ZOR_SIM_LOG"
    if [ -n "${ZOR_HAS_DISPLAY:-}" ]; then
        scripts/wine-exec "$ZOR_EXE"
    else
        scripts/wine-exec "$ZOR_EXE" & app=$!
        # The scan finds the simulator within a second; the screenshot shows the form filled from it.
        for _ in $(seq 1 300); do
            grep -q "query (~ZOR0) answered" "$ZOR_SIM_LOG" 2>/dev/null && break
            sleep 0.1
        done
        sleep "${ZOR_RUN_SECONDS:-3}"
        import -window root "$ZOR_SHOT" && echo "Screenshot of the running program: $ZOR_SHOT"
        kill $app 2>/dev/null; wait $app 2>/dev/null || true
    fi'
