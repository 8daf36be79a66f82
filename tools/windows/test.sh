#!/usr/bin/env bash
# Cross-builds the Qt-free libraries and their GoogleTest suites for 64-bit Windows with mingw-w64
# into build-windows/ (or the folder given as $1) and runs them under Wine through CTest, headless,
# in a Wine prefix of their own that is removed afterwards. Any failure fails the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-windows}

cmake --preset windows -S "$root" -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
# WINE and WINESERVER, as the build found them.
source "$build/wine.env"

WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all
# A new prefix would offer to install the .NET and HTML engines, which no test needs.
export WINEDLLOVERRIDES="mscoree,mshtml="
trap '"$WINESERVER" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
# One server and one set of Wine's background services for all the suites, started here with their
# output elsewhere: a service started by a test would hold CTest's output pipe open after it.
# Creating the prefix takes some seconds, which thus count against no test's time.
"$WINESERVER" -p
"$WINE" wineboot --init >/dev/null 2>&1

cd "$build" && ctest --output-on-failure --timeout 600
