#!/usr/bin/env bash
# Cross-builds the Qt-free libraries and their GoogleTest suites for 64-bit Windows with mingw-w64
# into build-windows/ (or the folder given as $1) and runs them under Wine through CTest, headless,
# in a Wine prefix of their own that is removed afterwards. Any failure fails the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-windows}
wine_bin=/usr/lib/wine

# Optimised as the Linux build is (-O2; at -O3 GCC 12 warns falsely of overlapping copies in string
# concatenation), without its debug information, which would only slow the static links down.
cmake --toolchain "$root/tools/windows/mingw-w64.cmake" -S "$root" -B "$build" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DFARB_BUILD_UI=OFF -DFARB_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"

WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all
# A new prefix would offer to install the .NET and HTML engines, which no test needs.
export WINEDLLOVERRIDES="mscoree,mshtml="
trap '"$wine_bin/wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
# One server and one set of Wine's background services for all the suites, started here with their
# output elsewhere: a service started by a test would hold CTest's output pipe open after it.
# Creating the prefix takes some seconds, which thus count against no test's time.
"$wine_bin/wineserver" -p
"$wine_bin/wine64" wineboot --init >/dev/null 2>&1

cd "$build" && ctest --output-on-failure --timeout 600
