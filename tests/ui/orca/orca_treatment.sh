#!/usr/bin/env bash
# A whole treatment by keyboard alone, heard through the real Orca (run inside with_orca.sh,
# which sets SPEECH_LOG): the notice, a category, a programme with its steps, Start, a new
# colour, Pause, F2, the status bar, Stop, the lamp pulled out and plugged in.
# The rig's timers are the test's: each second of the treatment is a "tick" sent to it.
#   orca_treatment.sh ORCA_RIG
set -euo pipefail
rig=$1
: "${SPEECH_LOG:?run inside with_orca.sh}"
scratch=$(mktemp -d)
mkfifo "$scratch/commands"
"$rig" <"$scratch/commands" >"$scratch/answers" 2>"$scratch/rig.err" &
rig_pid=$!
exec 3>"$scratch/commands"
trap 'exec 3>&-; kill "$rig_pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT

failed=0
heard_from=0
# What Orca said since the last step, with the words Orca puts in for punctuation ("14 colon
# 00", "left paren") and its role word for a notification taken out again.
said() {
    tail -n +"$((heard_from + 1))" "$SPEECH_LOG" |
        LC_ALL=C sed -E 's/^notification //; s/ +left paren\(/ (/g; s/ colon: /: /g; s/ colon /:/g; s/ dot ,/.,/g'
}
# Waits up to 10 s for a line of what Orca said since the last step to match the pattern.
hear() { # PATTERN WHAT
    for _ in $(seq 100); do
        # Bytes, not characters: speech-dispatcher 0.12's log module writes Latin-1.
        if said | LC_ALL=C grep -qE -- "$1"; then
            echo "ok   $2"
            return 0
        fi
        sleep 0.1
    done
    echo "FAIL $2: nothing matching '$1' was said; Orca said:"
    said | sed 's/^/       /'
    failed=1
}
# The next step's speech starts here.
step() {
    sleep 0.5
    heard_from=$(wc -l <"$SPEECH_LOG")
}
key() {
    step
    xdotool key --clearmodifiers "$@"
}
rig_command() {
    step
    echo "$1" >&3
    for _ in $(seq 100); do
        grep -qxF "done $1" "$scratch/answers" && return 0
        sleep 0.1
    done
    echo "FAIL the rig did not run '$1'"
    failed=1
}

hear "Wichtiger Hinweis" "the notice is spoken"
hear "ersetzt nicht den Arztbesuch" "with its text"
key Return
main=""
for _ in $(seq 50); do
    main=$(xdotool search --name "^Lanvo Farbprogram" 2>/dev/null | head -n 1) && [[ -n $main ]] && break
    sleep 0.1
done
step
xdotool windowfocus --sync "$main"
hear "Hauptgruppen" "the category list has the focus"
hear "Allgemeine Krankheiten" "with its selected category"
key Tab
hear "Beschwerden" "Tab reaches the programme list"
key Down
hear "^Adipositas \(Fettsucht" "the first Down speaks the first programme"
key Tab
hear "Start" "Tab reaches Start"
key space
hear "^Behandlung l.{1,2}uft: Adipositas \(Fettsucht, noch 19:00" "Start is spoken with the time"
# Five minutes of green, then yellow begins; a burst of ticks keeps Orca busy with the time text
# for a moment, so the tick that changes the colour comes on its own.
rig_command "tick 299"
sleep 1
rig_command "tick 1"
hear "^jetzt [a-z].*, [0-9]+ Min\., noch 14:00" "a new colour is spoken when it begins"
key Tab
hear "Pause" "Tab reaches Pause"
key space
hear "^Pause bei 14:00" "Pause is spoken with the time"
key F2
hear "^Adipositas \(Fettsucht, Pause, noch 14:00, jetzt " "F2 tells the state"
# Orca's "read status bar": Orca's key and Enter on the keypad, twice.
key --delay 100 Insert+KP_Enter Insert+KP_Enter
# Orca 43 says "statusbar" and "Pause label.", Orca 48 "status bar" and "Pause.".
hear "^status ?bar" "Orca finds the window's status bar"
hear "^Pause( label)?\.$" "which reads the status text"
hear "^14:00( label)?\.$" "and the time left"
hear "^USB combo box" "and the connection"
key Tab
hear "Stop" "Tab reaches Stop"
key space
hear "^Behandlung gestoppt" "Stop is spoken"
rig_command unplug
rig_command poll
hear "^keine Verbindung" "the lamp pulled out is spoken"
rig_command plug
rig_command poll
hear "^Lampe verbunden" "the lamp plugged in is spoken"
echo "--- what Orca said"
cat "$SPEECH_LOG"
exit "$failed"
