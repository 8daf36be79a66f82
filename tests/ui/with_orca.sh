#!/usr/bin/env bash
# Runs a command beside the real screen reader Orca, headless: a private X server and session
# bus, the accessibility bus, speech-dispatcher with a module that writes every utterance as one
# line to $SPEECH_LOG, and Orca with empty settings. The command finds DISPLAY and SPEECH_LOG set,
# and Qt programs it starts register with AT-SPI.
#   with_orca.sh COMMAND...
# Exits 77 (CTest's skip) where Orca or speech-dispatcher is not installed.
set -euo pipefail
for tool in orca speech-dispatcher xvfb-run dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed, so no screen reader can be heard here"
        exit 77
    fi
done
if [[ -z ${WITH_ORCA_INSIDE:-} ]]; then
    exec env WITH_ORCA_INSIDE=1 xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi

scratch=$(mktemp -d)
pids=()
cleanup() {
    # Orca does not end on SIGTERM in good time.
    kill "${pids[@]}" 2>/dev/null || true
    sleep 0.5
    kill -9 "${pids[@]}" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
export SPEECH_LOG=${SPEECH_LOG:-$scratch/speech.log}
: >"$SPEECH_LOG"

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done

# Every utterance, one line each; the generic module's parser mangles printf, so echo.
speech=$scratch/speech
mkdir -p "$speech/modules"
{
    cat /etc/speech-dispatcher/speechd.conf
    echo 'AddModule "textlog" "sd_generic" "textlog.conf"'
    echo 'DefaultModule textlog'
    echo 'DefaultLanguage "de"'
    # No sound device here: ALSA's null device takes the sound icons.
    echo 'AudioOutputMethod "alsa"'
    echo 'AudioALSADevice "null"'
} >"$speech/speechd.conf"
cat >"$speech/modules/textlog.conf" <<EOF
GenericExecuteSynth "echo \'\$DATA\' >> $SPEECH_LOG"
GenericLanguage "de" "de" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "de" "MALE1" "de"
AddVoice "en" "MALE1" "en"
EOF
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
speech-dispatcher -s -t 0 -C "$speech" >/dev/null 2>&1 &
pids+=($!)
sleep 1
mkdir -p "$scratch/orca"
orca --replace -u "$scratch/orca" >"$scratch/orca.out" 2>&1 &
pids+=($!)
# Orca greets once it listens to the desktop.
for _ in $(seq 150); do
    [[ -s $SPEECH_LOG ]] && break
    sleep 0.1
done
if [[ ! -s $SPEECH_LOG ]]; then
    echo "Orca said nothing within 15 s; its output:" >&2
    cat "$scratch/orca.out" >&2
    exit 1
fi

export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
