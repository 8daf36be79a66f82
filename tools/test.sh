#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest; then builds the whole suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ and runs it, where any
# finding fails the test that made it; then gives each fuzz target a bounded run (about 30 s in
# all). Any failure fails the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$root/build"
cd "$root/build"
ctest --output-on-failure --timeout 600

asan=${FARB_ASAN_BUILD:-$root/build-asan}
cmake -C "$root/tests/robustness/sanitizers.cmake" -S "$root" -B "$asan" >/dev/null
cmake --build "$asan" --parallel "$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cd "$asan"
ctest --output-on-failure --timeout 600
"$root/tools/fuzz.sh" --check
