#!/usr/bin/env bash
# Builds the Windows setup program, farbprogramm-setup-<version>.exe, with the two programs it
# ships, into build-windows/ (or the folder given as $1), and prints its path. Installs the Debian
# packages it needs first (mingw-w64, NSIS, icoutils, librsvg2-bin).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-windows}

bash "$root/tools/install-deps.sh"
# Configured as tools/windows/test.sh configures it, so both share one build folder.
cmake --preset windows -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target setup --parallel "$(nproc)"
cat "$build/setup-exe.txt"
