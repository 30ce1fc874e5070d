#!/usr/bin/env bash
# "Stop Scanning" stops the port scan of the real program under Wine, whenever it is clicked.
# Converters that never answer sit on COM2, COM10, COM20 and COM30 (the numbers between have no port
# and are passed at once); COM2 shows where the scan is. One that answers sits on COM40, which the scan
# reaches about two seconds after COM2 (half a second for each silent port) and must never reach once
# stopped. Each round starts the scan ("Rescan Ports"), stops it a different time after COM2 was asked
# (while a reply is awaited, and every 20 ms across the 50 ms step that follows COM2's silence), and
# then for two seconds nothing may reach COM40 and the port label and the button must stay as the stop
# left them ("---", "Rescan Ports"), the same picture in every round. Right after each stop the window
# gets the ticks Windows may still deliver of the timer the stop killed (window_probe posts a tick of
# every identifier the program may have used: Wine itself drops them): none may run the scan on.
# Run inside scripts/wine-session:   stop-scanning.sh SIMULATOR EXE window_probe.exe
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"
take_test_arguments "$@"

marker="$work/com2.log"
watch="$work/com40.log"
start_simulator 2 "$marker" --silent
for number in 10 20 30; do start_simulator "$number" "$work/com$number.log" --silent; done
start_program "$exe"
wait_for_form || fail "the program's form did not appear"
# The scan the program starts by itself passes COM30 and ends without a converter before COM40 has one:
# every round below is started by the button, its stop timed from its own query on COM2.
wait_for 20 log_has "$work/com30.log" "query (~ZOR0)" 1 || fail "the first scan did not reach COM30"
sleep 1
start_simulator 40 "$watch"

# The button, and the strip from the port label to the button's right edge: the label is created as
# "---" and the button as "Rescan Ports", so the probe finds them by those captions.
read -r bx by <<<"$(centre "$mainTitle" "Rescan Ports")"
IFS='|' read -r _ _ label _ <<<"$(line "$mainTitle" "---" "15,25,100,25")"
IFS='|' read -r _ button _ <<<"$(line "$mainTitle" "Rescan Ports")"
[ -n "$label" ] && [ -n "$bx" ] || fail "no port label or scan button in the Comm Port group"
IFS=, read -r lx ly <<<"$label"
IFS=, read -r _ _ bw bh <<<"$button"
strip() { grab $((lx - 50)) $((ly - bh / 2)) $((bx + bw / 2 - lx + 50)) "$bh" "$1"; }
label() { grab $((lx - 50)) $((ly - bh / 2)) 100 "$bh" "$1"; }

round=0
# The pointer rests on the button: a round starts the scan with a click, and its stop is a click alone,
# sent the given time after COM2 was asked.
xdotool mousemove "$bx" "$by"
for delay in ${ZOR_STOP_DELAYS:-0.1 0.16 0.18 0.2 0.22 0.24 0.26 0.28 0.3 0.32 0.34 0.5 0.8 1.1}; do
    round=$((round + 1))
    xdotool mousemove "$bx" "$by"
    sleep 0.3
    xdotool click 1
    wait_for 20 log_has "$marker" "query (~ZOR0)" $((round + 1)) || fail "round $round: the scan did not reach COM2"
    sleep "$delay"
    xdotool click 1
    xdotool mousemove 0 0
    # Wine notices the pointer left the button on a poll of its own: the picture waits for the repaint.
    sleep 0.8
    strip "$work/stopped-$round.png"
    label "$work/label-$round.png"
    "$wine" "$probe" "$mainTitle" --queue-ticks 1000 || fail "round $round: the ticks were not posted"
    sleep 2
    strip "$work/later-$round.png"
    echo "round $round: stopped $delay s after COM2 was asked"
    ! log_has "$watch" "query (~ZOR0)" 1 || fail "round $round: the scan went on to COM40 after the stop"
    ! differs "$work/stopped-$round.png" "$work/later-$round.png" ||
        fail "round $round: the port label or the button changed after the stop"
    ! differs "$work/label-1.png" "$work/label-$round.png" ||
        fail "round $round: the port label reads otherwise than after the first stop"
    [ "$(log_count "$marker" "query (~ZOR0)")" = $((round + 1)) ] || fail "round $round: COM2 was asked again"
done
echo "the scan stopped at every click"
