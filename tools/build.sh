#!/usr/bin/env bash
# Configures and builds the project into build/ (or the folder given as $1), with the CMake preset
# "default" (or the one given as $2; tools/test.sh builds with "ci").
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
if [[ -e "$build" && ! -w "$build" ]]; then
    echo "$build is not yours (left by a build as root?): remove it, e.g. sudo rm -r $build" >&2
    exit 1
fi
cmake --preset "${2:-default}" -S "$root" -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
