#!/usr/bin/env bash
# Starts the real program in a real X server without a window manager, checks that the main
# window and the medical notice come up, answers the notice and saves a screenshot. Then checks
# the window's icon and its class against the desktop entry, chooses a programme and starts it
# through AT-SPI, as assistive technology would. Then starts it again: the second start must
# leave the lamp driver alone, say so in a box and end. Killed outright, the first must not block
# the next start.
# Usage: start_in_x_server.sh PROGRAM SCREENSHOT_TOOL OUTPUT.png DESKTOP_ENTRY PRESS_OVER_ATSPI
#        VERSION
set -euo pipefail
program=$1 screenshot=$2 output=$3 desktop_entry=$4 press_over_atspi=$5
title="Lanvo Farbprogram  V$6"

if [[ -z "${DISPLAY_UNDER_TEST:-}" ]]; then
    exec env DISPLAY_UNDER_TEST=1 xvfb-run -a -s "-screen 0 1024x768x24" \
        dbus-run-session -- "$0" "$@"
fi

# The accessibility bus runs before the program, so Qt registers on it at start.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export LC_ALL=C.UTF-8
# A runtime directory of its own, so a program running elsewhere on the machine does not make
# this start a second one.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
logs=$(mktemp -d)
# The loader names each library a process asks for; the lamp driver asks for libftd2xx first.
LD_DEBUG=libs "$program" 2>"$logs/first" &
pid=$!
trap 'kill "$pid" "${second:-}" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR" "$logs"' EXIT

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

wait_for_window "$title"
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
main=$(xdotool search --name "^$title\$" | head -n 1)
# 'WM_CLASS(STRING) = "farbprogramm", "farbprogramm"': instance, then class.
class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
[[ -n "$class" && "$class" == "$wm_class" ]] ||
    { echo "window class '$class', the desktop entry expects '$wm_class'" >&2; exit 1; }
icons=$(xprop -len 1000000 -id "$main" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
for size in 16 32 48 128; do
    grep -qF "Icon ($size x $size)" <<<"$icons" || { echo "no $size px window icon: $icons" >&2; exit 1; }
done
echo "window class $class, icons: $icons"

# "Adipositas (Fettsucht", the first programme of the first category; then Start over AT-SPI.
xdotool mousemove --window "$main" 420 177 click 1
"$press_over_atspi" farbprogramm Start Restdauer

fail() {
    echo "$*" >&2
    exit 1
}
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
until_true() {
    for _ in $(seq 1 50); do
        eval "$1" && return 0
        sleep 0.1
    done
    fail "$2"
}
main=$(shown "$title")
grep -q "find library=libftd2xx" "$logs/first" || fail "the loader log shows no driver load"
LD_DEBUG=libs "$program" 2>"$logs/second" &
second=$!
until_true '[[ -n "$(shown Farbprogramm)" ]]' "the second start showed no box"
[[ "$(shown "$title")" == "$main" ]] || fail "the second start opened a window"
xdotool windowfocus --sync "$(shown Farbprogramm)" key Return
until_true '! kill -0 "$second" 2>/dev/null' "the second start did not end"
status=0
wait "$second" || status=$?
[[ $status -eq 1 ]] || fail "the second start ended with $status"
grep -q "find library=libftd2xx" "$logs/second" && fail "the second start loaded the driver"

owner() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:de.lanvo.farbprogramm | grep -q "boolean true"
}
owner || fail "the running program owns no name on the session bus"
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
"$program" 2>/dev/null &
pid=$!
wait_for_window "Wichtiger Hinweis"
[[ -z "$(shown Farbprogramm)" ]] || fail "the lock of the killed run blocked the next start"
echo "window and notice came up; screenshot in $output; a second start told and ended"
