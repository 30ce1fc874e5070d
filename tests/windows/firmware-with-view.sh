#!/usr/bin/env bash
# A right click on parameter slot 2 while a firmware update runs leaves the update whole: the real
# program under Wine updates the simulator on COM6 with a 6000-byte file chosen with "Open Config", and
# slot 2 is right-clicked twice while the packets go out (the form holds "GPGGA", so outside an update
# the click starts the real-time view and its "s"). The simulator must accept every packet, receive the
# end byte 255, keep the firmware of the file, and receive nothing but the start tag, the packets and
# the end byte, and no packet may follow the acknowledgement of the one before by less than 10 ms.
# Run inside scripts/wine-session:   firmware-with-view.sh SIMULATOR EXE window_probe.exe
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-driver.sh
source "$here/wine-driver.sh"
take_test_arguments "$@"

log="$work/simulator.log"
write_nmea_image "$work/settings.cfg"
# 187 whole packets and a last one of 16 bytes and zero filling: about two seconds under Wine.
write_firmware 6000 "$work/update.binary"
write_padded_firmware "$work/update.binary" "$work/expected-firmware"
packets=188

start_simulator 6 "$log" --settings "$work/settings.cfg" --firmware-out "$work/firmware.out"
start_program "$exe"
wait_for_form || fail "the program's form did not appear"
wait_for 30 queries_answered "$log" 1 || fail "the scan did not find the converter on COM6"
sleep 1
read -r sx sy <<<"$(centre "$mainTitle" "2" "25,50,50,25")"
[ -n "$sx" ] || fail "no parameter slot 2"

press 1 "$mainTitle" "Open Config"
choose_file_in_dialog "Z:${work//\//\\}\\update.binary" || fail "no open dialog"
confirm_firmware_warning || fail "no firmware warning"
accepted() { grep -c -E 'packet [0-9]+ accepted' "$log" || true; }
for at in 10 100; do
    wait_for 15 packets_accepted "$log" "$at" || fail "the update stopped before packet $at ($(accepted) accepted)"
    xdotool mousemove "$sx" "$sy" click 3
    # A click after the end would prove nothing.
    ! log_has "$log" "firmware update ended" 1 || fail "the update ended before the right click"
    echo "slot 2 right-clicked after packet $at"
done
wait_for 20 log_has "$log" "firmware update ended (255)" 1 ||
    fail "the update did not end ($(accepted) packets accepted)"
sleep 1

# Bytes the simulator read from the start tag on: the tag, the packets and 255, nothing more.
received="$(awk '/rx 5: ~ZORf/ { on = 1 } on && / rx [0-9]+: / { sub(/.* rx /, ""); sum += $1 + 0 }
    END { print sum + 0 }' "$log")"
[ "$(accepted)" = "$packets" ] || fail "$(accepted) packets accepted, not $packets"
! grep -q -E 'rejected|given up|streaming|unknown byte|dropped' "$log" ||
    fail "the converter saw something other than the update: $(grep -E 'rejected|given up|streaming|unknown byte|dropped' "$log" | head -3)"
[ "$received" = $((5 + 35 * packets + 1)) ] ||
    fail "$received bytes written from the start tag on, not $((5 + 35 * packets + 1))"
cmp "$work/expected-firmware" "$work/firmware.out" || fail "the firmware kept differs from the file"
# The converter may still be writing its flash after it answered: no packet follows an acknowledgement
# by less than 10 ms, as the simulator measured from the acknowledgement leaving to the packet coming.
# Counted over every packet rather than read off the shortest one: a program that sends at once shows it
# on most packets however loaded the machine; one packet cut short by the clocks' rounding (at most one in
# twenty) is not it.
summary="$(sed -n 's/.*followed their acknowledgement after \([0-9]*\) ms at the least, \([0-9]*\) ms in the median, \([0-9]*\) of \([0-9]*\) within 10 ms.*/\1 \2 \3 \4/p' "$log" | tail -1)"
read -r least median early counted <<<"$summary"
[ -n "${counted:-}" ] || fail "the simulator reported no pauses after the acknowledgements"
[ $((early * 20)) -le "$counted" ] ||
    fail "$early of $counted packets followed their acknowledgement within 10 ms (median $median ms)"
echo "$early of $counted packets followed their acknowledgement within 10 ms: $least ms at the least, $median in the median"
echo "the update went through whole with the slot right-clicked during it"
