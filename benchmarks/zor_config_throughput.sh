#!/usr/bin/env bash
# Measures zor-config natively (no Wine) against simulated converters that keep to the 9600-baud line in
# both directions (--paced-input; their answers are paced by default):
#   1. `send` configuring one converter, then 10 converters from one file at once (goal: at most 1.2 x);
#   2. a 32768-byte firmware update to one converter, beside the least the line allows for its 1025
#      packets, then to 10 converters at once (goal: at most 1.2 x; about a minute each).
#   ZOR_BENCH_SEND_ONLY=1 skips the firmware part.
# Needs the native build (zor-config, zor-simulator and the pty shim the tests use). Not a test.
#   benchmarks/zor_config_throughput.sh [BUILD-DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-native}"
cmake --build "$build" -j2 --target zor-config zor-simulator zor_pty_serial_shim >/dev/null
sim="$build/tools/simulator/zor-simulator"
shim="$(find "$build/tests" -name 'libzor_pty_serial_shim.so' | head -1)"
work="$(mktemp -d -t zor-config-bench.XXXXXX)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
zc() { LD_PRELOAD="$shim" ASAN_OPTIONS=verify_asan_link_order=0 "$build/src/cli/zor-config" "$@"; }

start_simulator() { # name, options...: the simulator's pty in $pty
    local name="$1"
    shift
    "$sim" --log "$work/$name.log" --paced-input "$@" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 1 100); do grep -q /dev/pts/ "$work/$name.log" 2>/dev/null && break; sleep 0.02; done
    pty="$(grep -o '/dev/pts/[0-9]*' "$work/$name.log")"
}

seconds() { python3 -c "print(round($2 - $1, 2))"; }
ratio() { python3 -c "print(round($2 / $1, 2))"; }

ports=()
for i in $(seq 0 9); do
    start_simulator "line$i"
    ports+=(--port "$pty")
done
zc read --port "${ports[1]}" -o "$work/line.cfg" >/dev/null

begin=$(date +%s.%N)
zc send "$work/line.cfg" "${ports[@]:0:2}" >"$work/send1.txt"
end=$(date +%s.%N)
one=$(seconds "$begin" "$end")
tail -1 "$work/send1.txt"
begin=$(date +%s.%N)
zc send "$work/line.cfg" "${ports[@]}" >"$work/send.txt"
end=$(date +%s.%N)
ten=$(seconds "$begin" "$end")
tail -1 "$work/send.txt"
echo "send (verified) to 1 converter: $one s, to 10 converters: $ten s, ratio $(ratio "$one" "$ten")"
[ "${ZOR_BENCH_SEND_ONLY:-}" = 1 ] && exit 0

head -c 32768 /dev/urandom >"$work/update.binary"
fw_ports=()
for i in $(seq 0 9); do
    start_simulator "firmware$i" --firmware-out "$work/received$i.binary"
    fw_ports+=(--port "$pty")
done
begin=$(date +%s.%N)
zc firmware "$work/update.binary" "${fw_ports[@]:0:2}" --yes 2>/dev/null | tail -1
end=$(date +%s.%N)
one=$(seconds "$begin" "$end")
# 1025 packets of 35 bytes out and one acknowledgement byte back, 10 bits a byte at 9600 baud.
line=$(python3 -c "print(round(1025 * 36 * 10 / 9600, 2))")
echo "firmware 32768 bytes to 1 converter: $one s (the line alone: $line s)"
begin=$(date +%s.%N)
zc firmware "$work/update.binary" "${fw_ports[@]}" --yes 2>/dev/null | tail -1
end=$(date +%s.%N)
ten=$(seconds "$begin" "$end")
echo "firmware 32768 bytes to 10 converters: $ten s, ratio $(ratio "$one" "$ten")"
for i in $(seq 0 9); do
    cmp <(head -c 32768 "$work/received$i.binary") "$work/update.binary"
done && echo "firmware received intact by all 10"
