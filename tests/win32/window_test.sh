#!/usr/bin/env bash
# farbprogramm.exe under Wine on a private X server, against the fake ftd2xx.dll beside it: the
# notice, the layout at 96 and 144 dpi, a treatment's first minute on a binary and on a text
# lamp, a choice by keyboard, the second start and close, a sleep and the session's end during a
# treatment, keys that must not end one, what a screen reader outside the program hears of a
# treatment driven by keys, and the conformance scenarios, all checked by farb-inspect.
#   window_test.sh farbprogramm.exe farb-inspect.exe ftd2xx.dll
set -euo pipefail
session=$(mktemp -d)
source "$(dirname "$0")/../../tools/windows/wine-session.sh"
trap 'wine_session_end; rm -rf "$session"' EXIT

cp "$1" "$2" "$3" "$session/"
cd "$session"
logs=$(mkdir -p logs && "$WINE" winepath -w "$session/logs" 2>/dev/null </dev/null)

failed=0
run() {
    echo "== $*"
    rm -f logs/*
    "$WINE" farb-inspect.exe "$1" farbprogramm.exe "$logs" "${@:2}" </dev/null || failed=1
}

export FAKE_D2XX_DEVICES="TTL232R,FT0001,"
run cancel
# Traced: Wine relays only these calls of the program, and prints its task bar's stubs.
"$WINE" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /f /d \
    'kernel32.SetThreadExecutionState;kernel32.PowerCreateRequest;kernel32.PowerSetRequest;kernel32.PowerClearRequest' \
    >/dev/null 2>&1 </dev/null
WINEDEBUG=-all,+relay,fixme+explorerframe run session 96 binary \
    "$("$WINE" winepath -w "$session/trace.txt" 2>/dev/null </dev/null)" 2>"$session/trace.txt"
"$WINE" reg delete 'HKCU\Software\Wine\Debug' /v RelayInclude /f >/dev/null 2>&1 </dev/null
FAKE_D2XX_DEVICES="Luma-Glanz,LG0001,V1.0" run session 96 text
run speech
run conformance 96

"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
    >/dev/null 2>&1 </dev/null
wine_session_restart
run session 144
exit $failed
