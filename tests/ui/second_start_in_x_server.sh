#!/usr/bin/env bash
# Starts the real program twice in one X session without a window manager: the second start
# must leave the lamp driver alone, say so in a box and end, and the first window gets the
# focus. Then the first is killed outright: the lock it leaves must not block the next start.
# Usage: second_start_in_x_server.sh PROGRAM
set -euo pipefail
program=$1

if [[ -z "${DISPLAY_UNDER_TEST:-}" ]]; then
    exec env DISPLAY_UNDER_TEST=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

export LC_ALL=C.UTF-8
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
logs=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR" "$logs"' EXIT

fail() {
    echo "$*" >&2
    exit 1
}
windows_titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
wait_for_window() {
    for _ in $(seq 1 100); do
        [[ -n "$(windows_titled "$1")" ]] && return 0
        sleep 0.1
    done
    fail "no window titled '$1' appeared"
}
wait_until_gone() {
    for _ in $(seq 1 50); do
        [[ -z "$(windows_titled "$1")" ]] && return 0
        sleep 0.1
    done
    fail "the window '$1' stayed"
}
answer() {
    wait_for_window "$1"
    xdotool windowfocus --sync "$(windows_titled "$1" | head -n 1)" key Return
    wait_until_gone "$1"
}
# The loader names each library a process asks for; the lamp driver asks for libftd2xx first.
start() {
    LD_DEBUG=libs "$program" 2>"$logs/$1" &
    pids+=($!)
}
asked_for_driver() { grep -q "find library=libftd2xx" "$logs/$1"; }

main_title="Lanvo Farbprogram  V1.15"
notice="Wichtiger Hinweis"
box="Farbprogramm"

start first
first=${pids[0]}
wait_for_window "$main_title"
answer "$notice"
asked_for_driver first || fail "the loader log shows no driver for the first start"

start second
second=${pids[1]}
wait_for_window "$box"
[[ $(windows_titled "$main_title" | wc -l) -eq 1 ]] || fail "the second start opened a window"
answer "$box"
for _ in $(seq 1 50); do
    kill -0 "$second" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$second" 2>/dev/null && fail "the second start did not end"
status=0
wait "$second" || status=$?
[[ $status -eq 1 ]] || fail "the second start ended with $status"
asked_for_driver second && fail "the second start loaded the lamp driver"
for _ in $(seq 1 30); do
    [[ "$(xdotool getwindowfocus)" == "$(windows_titled "$main_title")" ]] && break
    sleep 0.1
done
[[ "$(xdotool getwindowfocus)" == "$(windows_titled "$main_title")" ]] ||
    fail "the running window did not get the focus"
kill -0 "$first" || fail "the first start ended"

kill -KILL "$first"
wait "$first" 2>/dev/null || true
wait_until_gone "$main_title"
[[ -e "$XDG_RUNTIME_DIR/farbprogramm.lock" ]] || fail "the killed run left no lock to test with"
start third
wait_for_window "$notice"
[[ -z "$(windows_titled "$box")" ]] || fail "the lock of the killed run blocked the next start"
echo "second start told and ended; the lock of a killed run did not block the next start"
