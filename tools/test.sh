#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest; then builds the whole suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ and runs it, where any
# finding fails the test that made it; then gives each fuzz target a bounded run (about 30 s in
# all); last, it cross-builds the Qt-free core and its suites for Windows and runs them under Wine
# (tools/windows/test.sh). Every stage runs, whatever the one before it did; the script ends with
# each stage's count and one closing line over all, and fails when anything failed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" || exit 1
system="Debian $(cat /etc/debian_version 2>/dev/null || echo '?')"

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
stages=()
# stage NAME COUNTER COMMAND...: runs the command with its output shown and kept, then counts what
# passed and failed in that output with COUNTER. A stage that fails without a count (a build that
# breaks) counts as one failure.
stage() {
    local name=$1 counter=$2
    shift 2
    echo "=== $name"
    "$@" 2>&1 | tee "$logs/${#stages[@]}.log"
    local status=${PIPESTATUS[0]}
    local passed failed
    read -r passed failed < <("$counter" "$logs/${#stages[@]}.log")
    if [[ $status -ne 0 && $failed -eq 0 ]]; then
        failed=1
    fi
    stages+=("$name|$passed|$failed")
}
# "100% tests passed, 0 tests failed out of 170", once per CTest run.
ctest_count() {
    awk '/tests passed, [0-9]+ tests failed out of/ { failed += $4; total += $NF }
         END { print total - failed, failed + 0 }' "$1"
}
# "minutes-fuzzer: 500000 runs in 9s, ... nothing found" or "minutes-fuzzer: FAILED; ...".
fuzz_count() {
    awk '/^[a-z-]+-fuzzer: .*nothing found$/ { passed++ } /^[a-z-]+-fuzzer: FAILED/ { failed++ }
         END { print passed + 0, failed + 0 }' "$1"
}

run_ctest() {
    (cd "$1" && ctest --output-on-failure --timeout 600)
}
normal_suite() {
    "$root/tools/build.sh" "$root/build" ci && run_ctest "$root/build"
}
asan=${FARB_ASAN_BUILD:-$root/build-asan}
sanitizer_suite() {
    cmake --preset sanitizers -S "$root" -B "$asan" >/dev/null &&
        cmake --build "$asan" --parallel "$(nproc)" && run_ctest "$asan"
}
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Leaks inside system libraries that the tests cannot mend, each named by its library.
export LSAN_OPTIONS=suppressions=$root/tests/lsan-suppressions.txt:print_suppressions=0

stage "normal build" ctest_count normal_suite
stage "sanitizer build" ctest_count sanitizer_suite
stage "fuzzing" fuzz_count "$root/tools/fuzz.sh" --check
stage "Windows under Wine" ctest_count \
    "$root/tools/windows/test.sh" "${FARB_WINDOWS_BUILD:-$root/build-windows}"

echo "=== $system"
total_passed=0 total_failed=0
for entry in "${stages[@]}"; do
    IFS='|' read -r name passed failed <<<"$entry"
    printf '%-20s %4d passed, %d failed\n' "$name" "$passed" "$failed"
    ((total_passed += passed, total_failed += failed))
done
echo "total: $total_passed passed, $total_failed failed"
[[ $total_failed -eq 0 ]]
