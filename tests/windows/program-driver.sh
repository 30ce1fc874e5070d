# Shell functions that drive the real program under Wine against the converter simulator: start both,
# click the main window at its fixed layout, answer dialogs by typing, wait for what the simulator saw.
# Sourced by the end-to-end test and the timing benchmark; run inside scripts/wine-session.
#
# The main window is 1080 x 650, centred on the 1920 x 1080 screen at (420, 215); without a window
# manager Wine draws its frame itself and the client area starts 4 px in and 23 px down. The points
# below are the centres of the buttons in screen coordinates (the form's layout, as the headless
# backend computes it with the same frame).
read_settings_at=(1294 830)
send_settings_at=(1419 830)
open_config_at=(1294 790)
save_config_at=(1419 790)
rescan_ports_at=(1379 460)

: "${WINEPREFIX:?run inside scripts/wine-session}"
driver_pids=()

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

# start_simulator COM-NUMBER LOG [OPTIONS...]: the simulator linked as comN, once the link is there.
start_simulator() {
    local number="$1" log="$2"
    shift 2
    "$ZOR_SIMULATOR" --wine-com "$number" --log "$log" "$@" &
    driver_pids+=($!)
    local link="$WINEPREFIX/dosdevices/com$number"
    for _ in $(seq 1 100); do
        [ -L "$link" ] && return 0
        sleep 0.05
    done
    echo "the simulator did not link $link" >&2
    return 1
}

start_program() {
    (cd "$(dirname "$ZOR_EXE")" && exec /usr/lib/wine/wine64 "$ZOR_EXE") >/dev/null 2>&1 &
    driver_pids+=($!)
}

stop_all() {
    local pid
    for pid in "${driver_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${driver_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    driver_pids=()
}

# wait_for SECONDS COMMAND...: until the command succeeds; fails after the time.
wait_for() {
    local limit="$1"
    shift
    local start
    start="$(now)"
    until "$@"; do
        if awk -v a="$start" -v b="$(now)" -v l="$limit" 'BEGIN { exit !(b - a > l) }'; then return 1; fi
        sleep 0.05
    done
}

# log_count LOG TEXT N: the simulator's log holds TEXT at least N times.
log_count() { [ "$(grep -c -F -- "$2" "$1" 2>/dev/null || true)" -ge "$3" ]; }
queries_answered() { log_count "$1" "query (~ZOR0) answered" "$2"; }
packets_accepted() { [ "$(grep -c -E 'packet [0-9]+ accepted' "$1" 2>/dev/null || true)" -ge "$2" ]; }

click_at() {
    xdotool mousemove "$1" "$2" click 1
}

# A window of the program with this title is shown.
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

# The firmware as the converter keeps it: the file and its last packet's zero filling (a whole packet of
# zeros when the size is a multiple of 32).
write_padded_firmware() {
    local size
    size="$(stat -c %s "$1")"
    { cat "$1"; zeros $((32 - size % 32)); } >"$2"
}
