#!/usr/bin/env bash
# Starts the real program in a real X server without a window manager, checks that the main
# window and the medical notice come up, answers the notice and saves a screenshot.
# Usage: start_in_x_server.sh PROGRAM SCREENSHOT_TOOL OUTPUT.png
set -euo pipefail
program=$1 screenshot=$2 output=$3

if [[ -z "${DISPLAY_UNDER_TEST:-}" ]]; then
    exec env DISPLAY_UNDER_TEST=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

export LC_ALL=C.UTF-8
# A runtime directory of its own, so a program running elsewhere on the machine does not make
# this start a second one.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT

window_exists() {
    local tree
    tree=$(xwininfo -root -tree 2>/dev/null) || return 1
    grep -qF "\"$1\"" <<<"$tree"
}
wait_for_window() {
    for _ in $(seq 1 100); do
        window_exists "$1" && return 0
        kill -0 "$pid" 2>/dev/null || { echo "program ended early" >&2; return 1; }
        sleep 0.1
    done
    echo "no window titled '$1' appeared" >&2
    return 1
}

wait_for_window "Lanvo Farbprogram  V1.15"
wait_for_window "Wichtiger Hinweis"
notices=$(xwininfo -root -tree | grep -cF '"Wichtiger Hinweis"')
[[ "$notices" -eq 1 ]] || { echo "expected one notice, saw $notices" >&2; exit 1; }

notice=$(xdotool search --name "^Wichtiger Hinweis$" | head -n 1)
xdotool windowfocus --sync "$notice" key Return
for _ in $(seq 1 50); do
    window_exists "Wichtiger Hinweis" || break
    sleep 0.1
done
if window_exists "Wichtiger Hinweis"; then
    echo "the notice did not close on OK" >&2
    exit 1
fi
kill -0 "$pid" || { echo "the program ended after OK" >&2; exit 1; }

"$screenshot" "$output"
echo "window and notice came up; screenshot in $output"
