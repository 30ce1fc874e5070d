#!/usr/bin/env bash
# Builds everything and runs every test: the native build (headless backend, ASan + UBSan), the fuzz
# targets and benchmarks (built, each fuzz target run for a short while, each benchmark once) and the
# Windows build (MinGW-w64) with its tests under Wine. Installs what is missing first.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
cd "$root"
jobs="$(nproc)"

scripts/setup-machine

echo "== native build and tests"
cmake -S . -B build-native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-native -j "$jobs"
(cd build-native && ctest --output-on-failure -j "$jobs")

scripts/fuzz-and-benchmarks

echo "== Windows build and tests under Wine"
cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DZOR_SIMULATOR="$root/build-native/tools/simulator/zor-simulator" >/dev/null
cmake --build build-windows -j "$jobs"
scripts/wine-session bash -c 'cd build-windows && ctest --output-on-failure'
