#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest; then builds the whole suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ and runs it, where any
# finding fails the test that made it; then gives each fuzz target a bounded run (about 30 s in
# all); last, it cross-builds the Qt-free core and its suites for Windows and runs them under Wine
# (tools/windows/test.sh). Any failure fails the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$root/build" ci

summaries=$(mktemp)
trap 'rm -f "$summaries"' EXIT
run_ctest() {
    (cd "$1" && ctest --output-on-failure --timeout 600) | tee -a "$summaries"
}
run_ctest "$root/build"

asan=${FARB_ASAN_BUILD:-$root/build-asan}
cmake --preset sanitizers -S "$root" -B "$asan" >/dev/null
cmake --build "$asan" --parallel "$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
run_ctest "$asan"
"$root/tools/fuzz.sh" --check

"$root/tools/windows/test.sh" "${FARB_WINDOWS_BUILD:-$root/build-windows}" | tee -a "$summaries"

# One closing line over the three CTest runs: the normal build, the sanitizer build, Windows.
awk '/tests passed, [0-9]+ tests failed out of/ { failed += $4; total += $NF }
     END { printf "total: %d passed, %d failed\n", total - failed, failed }' "$summaries"
