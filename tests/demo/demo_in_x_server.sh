#!/usr/bin/env bash
# Runs the demo in a real X server without a window manager: checks that both windows carry the
# program icon, answers the notice, plugs in the virtual text lamp, chooses "Grippe", presses
# Start and waits for the first minute's green in the virtual lamp's window; then saves a
# screenshot of both windows. A second demo whose notice is cancelled must end.
# Usage: demo_in_x_server.sh DEMO SCREEN_COLOUR_COUNT SCREENSHOT_TOOL OUTPUT.png VERSION
set -euo pipefail
demo=$1 count_colour=$2 screenshot=$3 output=$4

if [[ -z "${DISPLAY_UNDER_TEST:-}" ]]; then
    exec env DISPLAY_UNDER_TEST=1 xvfb-run -a -s "-screen 0 1280x680x24" "$0" "$@"
fi

export LC_ALL=C.UTF-8
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
"$demo" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT

fail() {
    echo "$*" >&2
    exit 1
}
window_of() { xdotool search --name "^$1\$" 2>/dev/null | head -n 1; }
wait_for_window() {
    for _ in $(seq 1 100); do
        [[ -n "$(window_of "$1")" ]] && return 0
        kill -0 "$pid" 2>/dev/null || fail "the demo ended early"
        sleep 0.1
    done
    fail "no window titled '$1' appeared"
}
# Pixels of colour $2 inside window $1.
colour_count() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    "$count_colour" "$X" "$Y" "$WIDTH" "$HEIGHT" "$2"
}
# Waits up to 15 seconds until window $1 shows at least $3 pixels of colour $2.
wait_for_colour() {
    local deadline=$((SECONDS + 15))
    while ((SECONDS < deadline)); do
        (($(colour_count "$1" "$2") >= $3)) && return 0
        sleep 0.1
    done
    fail "the virtual lamp never showed $2 ($4)"
}
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# The demo's title is the program's with " – Demo" after it, never the program's own.
main_title="Lanvo Farbprogram  V$5 – Demo"
wait_for_window "$main_title"
wait_for_window "Virtuelle Lampe"
wait_for_window "Wichtiger Hinweis"
main=$(window_of "$main_title")
lamp=$(window_of "Virtuelle Lampe")
for window in "$main" "$lamp"; do
    [[ $(xprop -len 1000000 -id "$window" _NET_WM_ICON) == *"Icon (16 x 16)"* ]] ||
        fail "window $window carries no program icon"
done

# "DEMO · virtuelle Lampe" in white on its orange plate at (299, 52), 236 x 32 pixels in the
# header (DemoMarkLayout).
mark_pixels() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$main")"
    "$count_colour" $((X + 299)) $((Y + 52)) 236 32 "$1"
}
for _ in $(seq 1 50); do
    plate=$(mark_pixels BE4600) lettering=$(mark_pixels FFFFFF)
    ((plate > 236 * 32 / 2 && lettering > 200)) && break
    sleep 0.1
done
((plate > 236 * 32 / 2 && lettering > 200)) ||
    fail "no demo mark in the header: $plate plate and $lettering letter pixels"

xdotool windowfocus --sync "$(window_of "Wichtiger Hinweis")" key Return
for _ in $(seq 1 50); do
    [[ -z "$(window_of "Wichtiger Hinweis")" ]] && break
    sleep 0.1
done
[[ -z "$(window_of "Wichtiger Hinweis")" ]] || fail "the notice did not close on OK"

# The lamp field is 300 x 180 pixels; most of it must show the colour.
field_pixels=40000
green=00EC00 off=000000
(($(colour_count "$lamp" "$green") < field_pixels)) || fail "green before any command"

# Alt+E is the lamp window's "Einstecken"; the text lamp is its first choice.
xdotool windowfocus --sync "$lamp" key alt+e

# Second category, "Allgemeine Krankheiten 2" (18-pixel rows from y 168), then its first
# programme, "Grippe". Choosing a programme switches the lamp off.
click_at "$main" 120 195
click_at "$main" 420 177
wait_for_colour "$lamp" "$off" "$field_pixels" "off after choosing Grippe"
(($(colour_count "$lamp" "$green") < field_pixels)) || fail "green before Start"

click_at "$main" 712 332
wait_for_colour "$lamp" "$green" "$field_pixels" "green of the first tick"

"$screenshot" "$output"

# A second demo whose notice is cancelled must end with its main window, though its lamp
# window is still open.
"$demo" &
cancelled=$!
trap 'kill "$pid" "$cancelled" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
wait_for_window "Wichtiger Hinweis"
xdotool windowfocus --sync "$(window_of "Wichtiger Hinweis")" key Escape
for _ in $(seq 1 50); do
    kill -0 "$cancelled" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$cancelled" 2>/dev/null && fail "the demo ran on after its notice was cancelled"
echo "the first tick's green reached the virtual lamp; screenshot in $output; a cancelled demo ended"
