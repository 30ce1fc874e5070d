#!/usr/bin/env bash
# Runs a command with the converter simulator serving on a pseudo-terminal linked as comN of the Wine
# prefix, then stops the simulator and shows its log. Run inside scripts/wine-session.
#   with-simulator.sh SIMULATOR N [SIMULATOR OPTIONS...] -- COMMAND [ARGS...]
set -euo pipefail
simulator="$1"
number="$2"
shift 2
options=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    options+=("$1")
    shift
done
[ "${1:-}" = "--" ] && shift
: "${WINEPREFIX:?run inside scripts/wine-session}"
link="$WINEPREFIX/dosdevices/com$number"
log="$(mktemp -t zor-simulator.XXXXXX)"

"$simulator" --wine-com "$number" --log "$log" ${options[@]+"${options[@]}"} &
pid=$!
stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "--- simulator log"
    cat "$log"
    rm -f "$log"
}
trap stop EXIT

for _ in $(seq 1 100); do
    [ -L "$link" ] && break
    sleep 0.05
done
if [ ! -L "$link" ]; then
    echo "the simulator did not link $link"
    exit 1
fi
status=0
ZOR_TEST_COM_PORT="$number" "$@" || status=$?
# A command that ends before it prints anything is otherwise a silent failure in the test log.
[ "$status" -eq 0 ] || echo "the command under test ended with exit code $status"
exit "$status"
