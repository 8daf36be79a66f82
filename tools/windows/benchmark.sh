#!/usr/bin/env bash
# Start-up to the first visible window and peak working set of farbprogramm.exe against the
# plainest Win32 window built the same way, under Wine on a private X server, runs interleaved.
# Not part of the tests: the figures depend on the machine.
#   tools/windows/benchmark.sh [runs] [build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-7}
build=${2:-$root/build-windows}
cmake --build "$build" --parallel 2 --target farbprogramm minimal-window startup-probe fake_ftd2xx \
    >/dev/null
session=$(mktemp -d)
source "$build/wine.env"
source "$root/tools/windows/wine-session.sh"
trap 'wine_session_end; rm -rf "$session"' EXIT
cp "$build/ui/win32/farbprogramm.exe" "$build/tests/win32/minimal-window.exe" \
    "$build/tests/win32/startup-probe.exe" "$build/tests/lamp/fake-d2xx/ftd2xx.dll" "$session/"
cd "$session"
export FAKE_D2XX_DEVICES="TTL232R,FT0001,"
title="Lanvo Farbprogram  V$(cat "$build/version.txt")"

# Wine ends console lines with CR LF.
probe() { "$WINE" startup-probe.exe "$1" "$2" </dev/null | tr -d "\r"; }
# One unmeasured start of each fills the caches.
probe farbprogramm.exe "$title" >/dev/null
probe minimal-window.exe Minimal >/dev/null
for _ in $(seq "$runs"); do
    echo "farbprogramm $(probe farbprogramm.exe "$title")"
    echo "minimal $(probe minimal-window.exe Minimal)"
done >runs.txt

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
minimum() { sort -n | head -1; }
# The median says what a start costs on this machine as it is; the minimum, what it costs when
# nothing else competes for the two cores.
for program in farbprogramm minimal; do
    ms=$(awk -v p=$program '$1 == p {print $2}' runs.txt | median)
    fastest=$(awk -v p=$program '$1 == p {print $2}' runs.txt | minimum)
    kib=$(awk -v p=$program '$1 == p {print $3}' runs.txt | median)
    printf '%-13s start-up to visible window %6.1f ms (fastest %6.1f)   peak working set %6d KiB\n' \
        "$program" "$ms" "$fastest" "$kib"
    eval "${program}_ms=$ms ${program}_fastest=$fastest ${program}_kib=$kib"
done
awk -v a="$farbprogramm_ms" -v b="$minimal_ms" -v e="$farbprogramm_fastest" \
    -v f="$minimal_fastest" -v c="$farbprogramm_kib" -v d="$minimal_kib" -v n="$runs" \
    'BEGIN {printf "ratio         start-up %.2fx (fastest %.2fx)   peak working set %.2fx   (%d runs each; goal: at most 1.5x)\n", a / b, e / f, c / d, n}'
