#!/usr/bin/env bash
# Runs a command with the converter simulator serving on a pseudo-terminal linked as comN of the Wine
# prefix, then stops the simulator and shows its log. Run inside scripts/wine-session.
#   with-simulator.sh SIMULATOR N [SIMULATOR OPTIONS...] -- COMMAND [ARGS...]
set -euo pipefail
ZOR_SIMULATOR="$1"
number="$2"
shift 2
options=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    options+=("$1")
    shift
done
[ "${1:-}" = "--" ] && shift
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"

log="$work/simulator.log"
start_simulator "$number" "$log" ${options[@]+"${options[@]}"} || fail "no simulator on com$number"
status=0
ZOR_TEST_COM_PORT="$number" "$@" || status=$?
# A command that ends before it prints anything is otherwise a silent failure in the test log.
[ "$status" -eq 0 ] || echo "the command under test ended with exit code $status"
stop_all
echo "--- simulator log"
cat "$log"
driver_logs=()
exit "$status"
