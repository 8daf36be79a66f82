#!/usr/bin/env bash
# Checks that a release can be rebuilt byte for byte: clones the commit checked out here twice,
# into folders whose paths differ in length, and runs tools/release.sh in each, the second later,
# under another time zone, umask, locale and number of jobs. Each file of the two SHA256SUMS must
# be equal; where one differs, diffoscope (or cmp, without it) shows where. Ends with
# "release-check: N passed, M failed" and fails when M is not 0.
#   tools/release-check.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse HEAD)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0 failed=0
check() {
    if "${@:2}"; then
        echo "ok: $1"
        passed=$((passed + 1))
    else
        echo "FAIL: $1" >&2
        failed=$((failed + 1))
    fi
}

# release NAME FOLDER UMASK ENV...: a clean clone of the commit in FOLDER, released into
# FOLDER/out.
release() {
    local name=$1 folder=$2
    git clone -q --no-checkout "$root" "$folder/src"
    git -C "$folder/src" checkout -q --detach "$commit"
    echo "$name: at $(date -u +%T) in $folder/src, umask $3, ${*:4}"
    (umask "$3" && cd "$folder/src" && env "${@:4}" bash tools/release.sh "$folder/out") \
        >"$folder/release.log" 2>&1 || { tail -n 30 "$folder/release.log" >&2; return 1; }
}
first=$scratch/a
second=$scratch/a-much-longer-path-for-the-second-build/and/deeper/still
mkdir -p "$first" "$second"
started=$(date +%s)
check "the first release is made" release first "$first" 022 TZ=UTC LC_ALL=C.UTF-8 FARB_RELEASE_JOBS=2
echo "the second release begins $(($(date +%s) - started)) s after the first"
check "the second release is made" \
    release second "$second" 002 TZ=Pacific/Kiritimati LC_ALL=C FARB_RELEASE_JOBS=3

# Each file of the first release's SHA256SUMS against the second's.
same_file() {
    local a=$first/out/$1 b=$second/out/$1
    [[ -f $a && -f $b ]] && cmp -s "$a" "$b" && return 0
    if command -v diffoscope >/dev/null; then
        diffoscope --text - "$a" "$b" | head -n 200 >&2 || true
    else
        echo "(no diffoscope: apt-get install diffoscope-minimal) $(cmp -l "$a" "$b" | wc -l) bytes differ" >&2
    fi
    return 1
}
if [[ -f $first/out/SHA256SUMS && -f $second/out/SHA256SUMS ]]; then
    cat "$first/out/SHA256SUMS"
    while read -r _ file; do
        check "$file is the same in both" same_file "$file"
    done <"$first/out/SHA256SUMS"
    check "SHA256SUMS is the same in both" cmp -s "$first/out/SHA256SUMS" "$second/out/SHA256SUMS"
fi
echo "release-check: $passed passed, $failed failed"
((failed == 0))
