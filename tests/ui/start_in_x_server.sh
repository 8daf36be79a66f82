#!/usr/bin/env bash
# Starts the real program in a real X server without a window manager, checks that the main
# window and the medical notice come up, answers the notice and saves a screenshot. Then checks
# the window's icon and its class against the desktop entry, chooses a programme and starts it
# through AT-SPI, as assistive technology would.
# Usage: start_in_x_server.sh PROGRAM SCREENSHOT_TOOL OUTPUT.png DESKTOP_ENTRY PRESS_OVER_ATSPI
set -euo pipefail
program=$1 screenshot=$2 output=$3 desktop_entry=$4 press_over_atspi=$5

if [[ -z "${DISPLAY_UNDER_TEST:-}" ]]; then
    exec env DISPLAY_UNDER_TEST=1 xvfb-run -a -s "-screen 0 1024x768x24" \
        dbus-run-session -- "$0" "$@"
fi

# The accessibility bus runs before the program, so Qt registers on it at start.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export LC_ALL=C.UTF-8
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

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

main=$(xdotool search --name "^Lanvo Farbprogram  V1.15\$" | head -n 1)
# 'WM_CLASS(STRING) = "farbprogramm", "farbprogramm"': instance, then class.
class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
[[ -n "$class" && "$class" == "$wm_class" ]] ||
    { echo "window class '$class', the desktop entry expects '$wm_class'" >&2; exit 1; }
icons=$(xprop -len 1000000 -id "$main" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
for size in 16 32 48 256; do
    grep -qF "Icon ($size x $size)" <<<"$icons" || { echo "no $size px window icon: $icons" >&2; exit 1; }
done
echo "window class $class, icons: $icons"

# "Adipositas (Fettsucht", the first programme of the first category; then Start over AT-SPI.
xdotool mousemove --window "$main" 420 177 click 1
"$press_over_atspi" farbprogramm Start Restdauer
