#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program with its virtual lamp, which needs no
# hardware. The program for a real lamp is build/ui/farbprogramm.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$root/build"
exec "$root/build/ui/demo/farbprogramm-demo"
