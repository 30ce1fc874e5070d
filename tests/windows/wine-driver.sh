# The one driver of our Windows programs under Wine, sourced by the end-to-end tests, the screenshot
# scripts, run.sh and the timing benchmark; run inside scripts/wine-session. It starts the converter
# simulator linked as a COM port and the program, finds the program's widgets through window_probe.exe,
# clicks and types with xdotool, waits for what the simulator logged, and stops what it started.
#
# window_probe reports each "WinObj" window as caption|x,y,w,h|centre x,y|visible|enabled, the first
# line being the top-level window itself on screen. A caption is the text a widget was created with:
# labels and buttons whose text changes later keep it, so they are found by their first text.
# Set probe (window_probe.exe) before using the functions that look at windows.
: "${WINEPREFIX:?run inside scripts/wine-session}"
wine="${ZOR_WINE:?run inside scripts/wine-session}"
mainTitle="ZOR-MX-410 Configuration Utility (V1.3)"
pickerTitle="NMEA0183 Sentence Picker"

driver_pids=()
driver_logs=()
app=""
# A scratch folder for the script, removed at exit.
work="$(mktemp -d -t zor-wine.XXXXXX)"
# A command the script wants run at exit while the program still runs (a last screenshot).
before_stop=""

# At exit: the script's last command, everything started here stopped, and on failure what each
# simulator saw.
driver_exit() {
    local status=$? log
    [ -z "$before_stop" ] || eval "$before_stop" || true
    stop_all
    if [ "$status" -ne 0 ]; then
        for log in ${driver_logs[@]+"${driver_logs[@]}"}; do
            echo "--- simulator log $log"
            cat "$log" 2>/dev/null || true
        done
    fi
    rm -rf "$work"
    exit "$status"
}
trap driver_exit EXIT

# take_test_arguments SIMULATOR EXE PROBE: the three arguments every end-to-end test is started with
# (the converter simulator, the program, window_probe.exe), as absolute paths.
take_test_arguments() {
    ZOR_SIMULATOR="$(realpath "$1")"
    exe="$(realpath "$2")"
    probe="$(realpath "$3")"
}

# set_screen_dpi DPI: the scale of the prefix's screen for programs started from now on (96 is 100 %).
set_screen_dpi() {
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    "$wine" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

# wait_for SECONDS COMMAND...: until the command succeeds; fails after the time.
wait_for() {
    local limit="$1" start
    shift
    start="$(now)"
    until "$@"; do
        if awk -v a="$start" -v b="$(now)" -v l="$limit" 'BEGIN { exit !(b - a > l) }'; then return 1; fi
        sleep 0.05
    done
}

# --- the simulator and the program

# start_simulator COM-NUMBER LOG [OPTIONS...]: the simulator linked as comN, once the link is there.
start_simulator() {
    local number="$1" log="$2"
    shift 2
    local link="$WINEPREFIX/dosdevices/com$number"
    "$ZOR_SIMULATOR" --wine-com "$number" --log "$log" "$@" &
    driver_pids+=($!)
    driver_logs+=("$log")
    wait_for 5 test -L "$link" && return 0
    echo "the simulator did not link $link" >&2
    return 1
}

# start_program EXE: started from its own folder, where it looks for nmea.txt; its process id in app.
start_program() {
    (cd "$(dirname "$1")" && exec "$wine" "./$(basename "$1")") </dev/null >/dev/null 2>&1 &
    app=$!
    driver_pids+=("$app")
}

stop_program() {
    [ -n "$app" ] || return 0
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    local pid others=()
    for pid in "${driver_pids[@]}"; do [ "$pid" = "$app" ] || others+=("$pid"); done
    driver_pids=(${others[@]+"${others[@]}"})
    app=""
}

# Stops every simulator and program started here.
stop_all() {
    local pid
    for pid in ${driver_pids[@]+"${driver_pids[@]}"}; do kill "$pid" 2>/dev/null || true; done
    for pid in ${driver_pids[@]+"${driver_pids[@]}"}; do wait "$pid" 2>/dev/null || true; done
    driver_pids=()
    app=""
}

# fail MESSAGE: ends the script; the exit shows what each simulator saw.
fail() {
    echo "FAILED: $*"
    exit 1
}

# --- the simulator's log

# log_count LOG TEXT: how many lines hold TEXT.
log_count() { grep -c -F -- "$2" "$1" 2>/dev/null || true; }
# log_has LOG TEXT N: TEXT on at least N lines.
log_has() { [ "$(log_count "$1" "$2")" -ge "$3" ]; }
queries_answered() { log_has "$1" "query (~ZOR0) answered" "$2"; }
packets_accepted() { [ "$(grep -c -E 'packet [0-9]+ accepted' "$1" 2>/dev/null || true)" -ge "$2" ]; }

# --- the program's windows

# probe TITLE: the windows of that top-level window.
probe() { "$wine" "$probe" "$1" 2>/dev/null | tr -d '\r' || true; }
# pick CAPTION [PLACEMENT]: from probe lines on input, the first with that caption (and placement).
pick() { awk -F'|' -v c="$1" -v p="${2:-}" '$1 == c && (p == "" || $2 == p) { print; exit }'; }
# line TITLE CAPTION [PLACEMENT]: that window's probe line.
line() { probe "$1" | pick "$2" "${3:-}"; }
# centre TITLE CAPTION [PLACEMENT]: "x y" on screen.
centre() { line "$@" | cut -d'|' -f3 | tr ',' ' '; }
# shown TITLE: the top-level window exists and is visible.
shown() { [ "$(probe "$1" | head -1 | cut -d'|' -f4)" = 1 ]; }
# enabled TITLE CAPTION [PLACEMENT]: Win32 reports the window enabled.
enabled() { [ "$(line "$@" | cut -d'|' -f5)" = 1 ]; }

# wait_for_form: the main form and the sentence picker are built (the picker's last button is there).
form_built() { probe "$pickerTitle" | grep -q -F "Cancel|" && probe "$mainTitle" | grep -q -F "Modbus Timeout|"; }
wait_for_form() { wait_for 30 form_built; }

# press BUTTON TITLE CAPTION [PLACEMENT]: clicks that window with mouse button 1 or 3, lets it repaint.
press() {
    local button="$1" at
    shift
    at="$(centre "$@")"
    [ -n "$at" ] || { echo "no window \"$2\" in \"$1\""; return 1; }
    # shellcheck disable=SC2086
    xdotool mousemove $at
    sleep 0.2
    xdotool click "$button"
    sleep 0.6
}

# A top-level window with this title (a dialog of the program) exists.
window_shown() { xdotool search --name "$1" >/dev/null 2>&1; }

# Chooses a file in the open dialog "Open Config" shows: its name typed into the dialog, then Enter.
choose_file_in_dialog() {
    wait_for 20 window_shown "^Open" || return 1
    sleep 1
    xdotool type --delay 20 "$1"
    xdotool key Return
}

# The answer to the firmware warning: Enter presses its default button, OK.
confirm_firmware_warning() {
    wait_for 20 window_shown "Firmware Update Warning" || return 1
    sleep 0.5
    xdotool key Return
}

# --- pictures

# grab X Y W H FILE: that rectangle of the screen.
grab() { import -window root -crop "${3}x${4}+${1}+${2}" +repage "$5"; }
# crop TITLE CAPTION PLACEMENT FILE: a screenshot of that window only.
crop() {
    local l w h c
    l="$(line "$1" "$2" "$3")"
    IFS=, read -r _ _ w h <<<"$(cut -d'|' -f2 <<<"$l")"
    c="$(cut -d'|' -f3 <<<"$l")"
    grab $((${c%,*} - w / 2)) $((${c#*,} - h / 2)) "$w" "$h" "$4"
}
# shot TITLE FILE: the whole top-level window.
shot() {
    local x y w h
    IFS=, read -r x y w h <<<"$(probe "$1" | head -1 | cut -d'|' -f2)"
    grab "$x" "$y" "$w" "$h" "$2"
}
# differs A B: the two pictures are not the same pixel for pixel.
differs() {
    local n
    n="$(compare -metric AE "$1" "$2" null: 2>&1 || true)"
    [ "${n%% *}" != 0 ]
}

# --- test files

# The 326-byte "~ZOR1" image the simulator starts with: address 5, serial number SIM00042, "GPGGA" in
# every register set, set 0 with parameters 1 to 5, threshold 12.50 (">"), hysteresis 0.50, averaging
# 6 samples every 10 s over a buffer of 60, state word 0, firmware "1.7". Values the form keeps as they
# are, so the image sent back must be the same bytes.
i32() {
    local v="$1"
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) \
        $(((v >> 24) & 255)))"
}
zeros() { head -c "$1" /dev/zero; }
i32_set() { # the first value, then nine zeros
    i32 "$1"
    zeros 36
}
write_nmea_image() {
    {
        printf '~ZOR15SIM00042'
        for _ in $(seq 1 10); do
            printf 'GPGGA'
            zeros 1
        done
        i32_set 31       # parameter select masks
        zeros 40         # monitored parameters (1, sent as 0)
        i32 2            # threshold decimals
        i32_set 1250     # thresholds
        i32_set 1        # threshold functions
        i32_set 50       # hystereses
        i32 1; i32 0     # triggered output on, not reflected in the LED
        i32 10; i32 1    # sample rates
        i32 6; i32 0     # sample counts
        printf '\x01'
        zeros 9          # flag bytes: averaging enabled
        i32 60; i32 0    # buffer length, state word
        printf '1.7END'
    } >"$1"
}

# write_firmware SIZE FILE: a firmware file of digits.
write_firmware() { head -c "$1" < <(seq 100000 199999 | tr -d "\n") >"$2"; }

# The firmware as the converter keeps it: the file and its last packet's zero filling (a whole packet of
# zeros when the size is a multiple of 32).
write_padded_firmware() {
    local size
    size="$(stat -c %s "$1")"
    { cat "$1"; zeros $((32 - size % 32)); } >"$2"
}
