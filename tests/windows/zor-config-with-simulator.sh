#!/usr/bin/env bash
# zor-config.exe under Wine against the converter simulator linked as comN: scan, read (saved to a
# file), send of that file, and the image the simulator received compared with the file. Run inside
# scripts/wine-session (with-simulator.sh sets ZOR_TEST_COM_PORT).
#   zor-config-with-simulator.sh WINE-EXEC ZOR-CONFIG.EXE
set -euo pipefail
wine_exec="$1"
exe="$2"
port="COM${ZOR_TEST_COM_PORT:?run through with-simulator.sh}"
work="$(mktemp -d -t zor-config-wine.XXXXXX)"
trap 'rm -rf "$work"' EXIT
cd "$work"
rm -f "${ZOR_TEST_RECEIVED:?}"

passed=0
failed=0
# Runs one check (a function below) in a subshell that stops at its first failing command (not in a
# condition, where errexit would be off); each counts, and the run goes on past a failed one.
check() {
    echo "== $1"
    set +e
    ( set -e; "$2" )
    local status=$?
    set -e
    if [ "$status" -eq 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $1"
    fi
}

scan() {
    "$wine_exec" "$exe" scan | tee scan.txt
    grep -q "^$port: NMEA0183 to SDI12 Slave, firmware 1.7, serial ZS410001" scan.txt
}

read_settings() {
    "$wine_exec" "$exe" read --port "$port" -o read.cfg
    [ "$(stat -c %s read.cfg)" -eq 326 ]
}

send_settings() {
    "$wine_exec" "$exe" send read.cfg --port "$port" | tee send.txt
    grep -q "1 of 1 converter(s) configured" send.txt
    for _ in $(seq 1 50); do [ -s "$ZOR_TEST_RECEIVED" ] && break; sleep 0.1; done
    cmp read.cfg "$ZOR_TEST_RECEIVED"
}

no_converter() {
    local code=0
    "$wine_exec" "$exe" read --port COM250 || code=$?
    [ "$code" -eq 3 ]
}

# A file the system cannot open is said in the system's own sentence, not the window's "Handle Invalid".
file_words() {
    local code=0
    "$wine_exec" "$exe" show missing.cfg 2>show.err || code=$?
    cat show.err
    [ "$code" -eq 5 ]
    grep -q "cannot open missing.cfg: [A-Z]" show.err
    ! grep -q "Handle Invalid\|error 2" show.err
}

check scan scan
check read read_settings
check send send_settings
check "no converter on another port" no_converter
check "file words" file_words
echo "zor-config under Wine: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
