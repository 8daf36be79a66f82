#!/usr/bin/env bash
# Ends the real program with a signal during a treatment, over the fake vendor library, which
# logs every byte the lamp gets: SIGTERM (log-out, shut-down) with no message bus at all, then
# SIGHUP followed at once by SIGTERM (a closed terminal, then the session's end) on private buses
# without any service. Each time the lamp's last bytes must be one off command, after the
# treatment's colour, and the exit status 0. Last, SIGINT while the start-up notice is open, in
# the program and in the demo: status 0 as well.
# Usage: end_on_signal.sh PROGRAM DEMO FAKE_D2XX_FOLDER
set -euo pipefail
program=$1 demo=$2 fake_d2xx=$3

if [[ -z "${DISPLAY_UNDER_TEST:-}" ]]; then
    exec env DISPLAY_UNDER_TEST=1 xvfb-run -a -s "-screen 0 1024x768x24" \
        "$(dirname "$0")/with_private_buses.sh" "$0" "$@"
fi

export LC_ALL=C.UTF-8
export LD_LIBRARY_PATH=$fake_d2xx${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
# A binary lamp: it gives no answer to the version query.
export FAKE_D2XX_DEVICES="TTL232R,FT0001,"
scratch=$(mktemp -d)
trap 'kill -KILL "${pid:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT

fail() {
    echo "$*" >&2
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

# Starts the program under `run`'s name with the environment given as arguments, up to the notice.
start() {
    run=$1
    shift
    log=$scratch/$run.log
    mkdir -m 700 "$scratch/$run"
    env XDG_RUNTIME_DIR="$scratch/$run" FAKE_D2XX_LOG="$log" "$@" 2>"$scratch/$run.err" &
    pid=$!
    until_true '[[ -n "$(shown "Wichtiger Hinweis")" ]]' "$run: no notice came up"
}

# Answers the notice, chooses the first programme and starts it; returns once the lamp is green.
start_treatment() {
    xdotool windowfocus --sync "$(shown "Wichtiger Hinweis")" key Return
    until_true '[[ -z "$(shown "Wichtiger Hinweis")" ]]' "$run: the notice stayed"
    local main
    main=$(shown "Lanvo Farbprogram  V1.15")
    xdotool mousemove --window "$main" 420 177 click 1
    xdotool mousemove --window "$main" 700 330 click 1
    until_true 'grep -qx "FT_Write(FF 42)" "$log"' "$run: the lamp never turned green"
}

ends_with_status_0() {
    until_true '! kill -0 "$pid" 2>/dev/null' "$run: the program did not end"
    local status=0
    wait "$pid" || status=$?
    [[ $status -eq 0 ]] || fail "$run: exit status $status; $(cat "$scratch/$run.err")"
}

# What the lamp was sent after the treatment's last colour, one write each.
after_last_colour() {
    awk '/^FT_Write\(/ { if ($0 == "FT_Write(FF 42)") after = ""; else after = after $0 " " }
         END { print after }' "$log"
}

no_bus=unix:path=$scratch/no-bus
start term-without-bus "$program" DBUS_SESSION_BUS_ADDRESS="$no_bus" DBUS_SYSTEM_BUS_ADDRESS="$no_bus"
start_treatment
kill -TERM "$pid"
ends_with_status_0
[[ "$(after_last_colour)" == "FT_Write(FF 4B) " ]] ||
    fail "$run: after the colour the lamp got '$(after_last_colour)', not one off command"

start hup-then-term "$program"
start_treatment
kill -HUP "$pid"
kill -TERM "$pid" 2>/dev/null || true
ends_with_status_0
[[ "$(after_last_colour)" == "FT_Write(FF 4B) " ]] ||
    fail "$run: after the colour the lamp got '$(after_last_colour)', not one off command"

for target in "$program" "$demo"; do
    start "int-at-notice-$(basename "$target")" "$target"
    kill -INT "$pid"
    ends_with_status_0
done
! grep -qx "FT_Write(FF 42)" "$scratch/int-at-notice-$(basename "$program").log" ||
    fail "a colour reached the lamp although no treatment ran"
echo "SIGTERM, SIGHUP and SIGINT ended the program with status 0; the lamp got one off command"
