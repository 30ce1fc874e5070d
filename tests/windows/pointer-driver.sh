# Helpers for driving the real program under Wine with the X pointer, sourced by the end-to-end
# scripts: window_probe reports each "WinObj" window as caption|x,y,w,h|centre x,y|visible|enabled.
# Needs: wine, probe (window_probe.exe), set before sourcing.
wine=/usr/lib/wine/wine64
mainTitle="ZOR-MX-410 Configuration Utility (V1.3)"
pickerTitle="NMEA0183 Sentence Picker"

# probe TITLE: the windows of that top-level window (first line: the window itself, on screen).
probe() { "$wine" "$probe" "$1" 2>/dev/null | tr -d '\r' || true; }
# line TITLE CAPTION [PLACEMENT]: the first window with that caption (and placement in its parent).
line() {
    probe "$1" | awk -F'|' -v c="$2" -v p="${3:-}" '$1 == c && (p == "" || $2 == p) { print; exit }'
}
# centre TITLE CAPTION [PLACEMENT]: "x y" on screen.
centre() { line "$@" | cut -d'|' -f3 | tr ',' ' '; }
# press BUTTON TITLE CAPTION [PLACEMENT]: clicks it with mouse button 1 or 3 and lets it repaint.
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
# crop TITLE CAPTION PLACEMENT FILE: a screenshot of that window only.
crop() {
    local l geometry size
    l="$(line "$1" "$2" "$3")"
    geometry="$(cut -d'|' -f2 <<<"$l")"
    size="$(cut -d, -f3 <<<"$geometry")x$(cut -d, -f4 <<<"$geometry")"
    local c x y w h
    c="$(cut -d'|' -f3 <<<"$l")"
    w="${size%x*}"
    h="${size#*x}"
    x=$((${c%,*} - w / 2))
    y=$((${c#*,} - h / 2))
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$4"
}
# shot TITLE FILE: the whole top-level window.
shot() {
    local first geometry c w h
    first="$(probe "$1" | head -1)"
    geometry="$(cut -d'|' -f2 <<<"$first")"
    IFS=, read -r x y w h <<<"$geometry"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
}
# differs A B: the two pictures are not the same pixel for pixel.
differs() {
    local n
    n="$(compare -metric AE "$1" "$2" null: 2>&1 || true)"
    [ "${n%% *}" != 0 ]
}
# waitFor TEXT FILE [TENTHS]: until the file holds the text.
waitFor() {
    for _ in $(seq 1 "${3:-100}"); do
        grep -q -F -- "$1" "$2" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}
# waitForForm: the main form and the picker are built.
waitForForm() {
    for _ in $(seq 1 100); do
        probe "$pickerTitle" | grep -q -F "Cancel|" && return 0
        sleep 0.2
    done
    return 1
}
