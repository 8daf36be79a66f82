#!/usr/bin/env bash
# Ends the real program with a signal during a treatment, over the fake vendor library, which logs
# every byte the lamp gets: SIGTERM with no message bus at all, then SIGHUP followed at once by
# SIGTERM on private buses with logind's stand-in, whose inhibitors show that the program holds
# sleep off during the treatment and delays a sleep. Each time the lamp's last bytes after the colour must
# be one off command and the exit status 0. Last, SIGINT while the notice is open, in the program
# and in the demo: status 0 as well.
# Usage: end_on_signal.sh PROGRAM DEMO FAKE_D2XX_FOLDER VERSION
set -euo pipefail
program=$1 demo=$2 title="Lanvo Farbprogram  V$4"

if [[ -z "${DISPLAY_UNDER_TEST:-}" ]]; then
    exec env DISPLAY_UNDER_TEST=1 xvfb-run -a -s "-screen 0 1024x768x24" \
        "$(dirname "$0")/with_private_buses.sh" "$0" "$@"
fi
export LC_ALL=C.UTF-8 LD_LIBRARY_PATH=$3${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export FAKE_D2XX_DEVICES="TTL232R,FT0001,"  # a binary lamp: no answer to the version query
scratch=$(mktemp -d)
trap 'kill -KILL "${pid:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT

fail() {
    echo "$run: $*" >&2
    [[ -s $scratch/$run.err ]] && sed 's/^/    /' "$scratch/$run.err" >&2
    exit 1
}
until_true() {
    for _ in $(seq 1 150); do
        eval "$1" && return 0
        sleep 0.1
    done
    fail "$2"
}
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true; }

# Starts a program, named `run`, with the environment given as arguments; returns at the notice.
start() {
    run=$1 log=$scratch/$1.log
    shift
    mkdir -m 700 "$scratch/$run"
    env XDG_RUNTIME_DIR="$scratch/$run" FAKE_D2XX_LOG="$log" "$@" 2>"$scratch/$run.err" &
    pid=$!
    until_true '[[ -n "$(shown "Wichtiger Hinweis")" ]]' "no notice came up"
}
# Answers the notice, chooses the first programme and starts it; returns once the lamp is green.
start_treatment() {
    xdotool windowfocus --sync "$(shown "Wichtiger Hinweis")" key Return
    until_true '[[ -z "$(shown "Wichtiger Hinweis")" ]]' "the notice stayed"
    xdotool mousemove --window "$(shown "$title")" 420 177 click 1 \
        mousemove --window "$(shown "$title")" 700 330 click 1
    until_true 'grep -qx "FT_Write(FF 42)" "$log"' "the lamp never turned green"
}
ends_with_status_0() {
    until_true '! kill -0 "$pid" 2>/dev/null' "the program did not end"
    local status=0
    wait "$pid" || status=$?
    [[ $status -eq 0 ]] || fail "exit status $status; $(cat "$scratch/$run.err")"
}
lamp_switched_off_once() {
    local after
    after=$(awk '/^FT_Write\(/ { after = $0 == "FT_Write(FF 42)" ? "" : after $0 " " }
                 END { print after }' "$log")
    [[ "$after" == "FT_Write(FF 4B) " ]] || fail "after the colour the lamp got '$after'"
}

no_bus=unix:path=$scratch/no-bus
start term-without-bus "$program" DBUS_SESSION_BUS_ADDRESS="$no_bus" DBUS_SYSTEM_BUS_ADDRESS="$no_bus"
start_treatment
kill -TERM "$pid"
ends_with_status_0
lamp_switched_off_once

/usr/bin/python3 -m dbusmock --system --template logind >/dev/null &
logind=$!
trap 'kill -KILL "${pid:-}" "$logind" 2>/dev/null || true; rm -rf "$scratch"' EXIT
list_inhibitors() {
    dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
        org.freedesktop.login1.Manager.ListInhibitors 2>/dev/null
}
until_true 'list_inhibitors >/dev/null' "logind's stand-in did not come up"
start hup-then-term "$program"
start_treatment
until_true '[[ "$(list_inhibitors | grep -o "\"block\"\|\"delay\"" | sort | xargs)" == "block delay" ]]' \
    "the program holds no block and delay inhibitor during the treatment"
kill -HUP "$pid"
kill -TERM "$pid" 2>/dev/null || true
ends_with_status_0
lamp_switched_off_once

for target in "$demo" "$program"; do
    start "int-at-notice-${target##*/}" "$target"
    kill -INT "$pid"
    ends_with_status_0
done
! grep -q "FT_Write(FF 42)" "$log" || fail "a colour reached the lamp without a treatment"
echo "SIGTERM, SIGHUP and SIGINT ended the programs with status 0; the lamp got one off command"
