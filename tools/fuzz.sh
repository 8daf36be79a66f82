#!/usr/bin/env bash
# Fuzzes the catalogue lines, the minutes conversion and the lamp link with libFuzzer, in the
# sanitizer build (build-asan/, or $FARB_ASAN_BUILD), which it configures and builds first.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]  fuzz each target for SECONDS (default 600); the inputs
#                                        found collect in build-asan/fuzz/corpus/TARGET
#   tools/fuzz.sh --check [TARGET...]    a fixed number of runs per target from a scratch copy of
#                                        the seeds, about 30 s in all (what tools/test.sh runs)
#
# Targets: catalogue-line-fuzzer minutes-fuzzer lamp-link-fuzzer (all three by default); their
# seeds are in tests/fuzz/corpus/TARGET. A finding stops its target, keeps the input that caused
# it in build-asan/fuzz/findings/ and makes the script fail.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FARB_ASAN_BUILD:-$root/build-asan}

declare -A check_runs=(
    [catalogue-line-fuzzer]=30000
    [minutes-fuzzer]=500000
    [lamp-link-fuzzer]=60000
)
check_seconds_cap=25

mode=long seconds=600
if [[ ${1:-} == --check ]]; then
    mode=check
    shift
elif [[ ${1:-} =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(catalogue-line-fuzzer minutes-fuzzer lamp-link-fuzzer)
for target in "${targets[@]}"; do
    [[ -n ${check_runs[$target]:-} ]] || { echo "unknown fuzz target: $target" >&2; exit 2; }
done

cmake --preset fuzzers -S "$root" -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
findings=$build/fuzz/findings
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=0
for target in "${targets[@]}"; do
    seeds=$root/tests/fuzz/corpus/$target
    options=(-timeout=10 -artifact_prefix="$findings/$target-" -print_final_stats=1)
    if [[ $mode == check ]]; then
        # Runs write what they find into their corpus, so they get a copy of the seeds.
        corpus=$scratch/$target
        cp -r "$seeds" "$corpus"
        options+=(-seed=1 -runs="${check_runs[$target]}" -max_total_time="$check_seconds_cap")
    else
        corpus=$build/fuzz/corpus/$target
        mkdir -p "$corpus"
        cp -n "$seeds"/* "$corpus"/
        options+=(-max_total_time="$seconds")
    fi
    log=$scratch/$target.log
    if "$build/tests/fuzz/$target" "${options[@]}" "$corpus" >"$log" 2>&1; then
        # "#40000	DONE   cov: 529 ft: 2824 corp: 434/73Kb ...": runs so far and edges covered.
        read -r runs edges < <(awk '/DONE/ { sub("#", "", $1); print $1, $4 }' "$log")
        time=$(awk '/^Done/ { print $5 }' "$log")
        echo "$target: $runs runs in ${time}s, $edges edges covered, nothing found"
    else
        failed=1
        echo "$target: FAILED; its output ends:" >&2
        tail -n 40 "$log" >&2
        echo "the input is kept in $findings/" >&2
    fi
done

if [[ $mode == long && $failed -eq 0 ]]; then
    echo "Inputs found are in $build/fuzz/corpus/; to add those that reach new code to the seeds:"
    echo "  $build/tests/fuzz/TARGET -set_cover_merge=1 tests/fuzz/corpus/TARGET $build/fuzz/corpus/TARGET"
fi
exit "$failed"
