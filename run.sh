#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine. Installs what is missing first.
# With no display, it runs on a virtual screen and saves a screenshot after a few seconds.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
cd "$root"

scripts/setup-machine
cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build-windows -j "$(nproc)" --target zor_mx410

exe="$root/build-windows/src/ZOR-MX-410.exe"
if [ -n "${DISPLAY:-}" ]; then
    exec scripts/wine-session scripts/wine-exec "$exe"
fi
shot="$root/build-windows/screenshot.png"
scripts/wine-session bash -c '
    scripts/wine-exec "$1" & app=$!
    sleep "${ZOR_RUN_SECONDS:-8}"
    import -window root "$2" && echo "Screenshot of the running program: $2"
    kill $app 2>/dev/null; wait $app 2>/dev/null || true' _ "$exe" "$shot"
