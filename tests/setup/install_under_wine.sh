#!/usr/bin/env bash
# Installs the setup program silently into a Wine prefix of its own on a private X server, checks
# what it put where, runs the installed demo through farb-inspect, checks that neither the
# uninstaller nor the setup program touches anything while the program or the demo runs,
# uninstalls silently and checks that the prefix is as it was before.
#   install_under_wine.sh SETUP_EXE MAIN_EXE DEMO_EXE FARB_INSPECT_EXE VERSION
set -euo pipefail
setup=$1 main_exe=$2 demo_exe=$3 inspect=$4 version=$5
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
session=$(mktemp -d)
source "$(dirname "$0")/../../tools/windows/wine-session.sh"
trap 'wine_session_end; rm -rf "$session"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
now() { date +%s.%N; }
seconds_since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f", b - a }'; }
wine() { "$WINE" "$@" </dev/null 2>/dev/null; }

drive=$WINEPREFIX/drive_c
# Every file of the prefix but Wine's own and the temporary ones, and every key under Software of
# the machine and the user, as Wine saves them when its server stops (the rest is Wine's devices).
snapshot() {
    (cd "$drive" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort)
    "$WINESERVER" -k || true
    "$WINESERVER" -w || true
    sed -n 's/^\(\[Software\\.*\]\) [0-9]*$/\1/p' "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" |
        grep -v 'NetworkCards' | sort  # rewritten by Wine at each start
    "$WINESERVER" -p
}
before=$(snapshot)

started=$(now)
wine "$setup" /S >/dev/null || fail "the setup program exited with $?"
echo "installed in $(seconds_since "$started") s"

dir="$drive/Program Files/Farbprogramm"
cmp "$main_exe" "$dir/farbprogramm.exe" || fail "farbprogramm.exe differs from the built one"
cmp "$demo_exe" "$dir/farbprogramm-demo.exe" || fail "farbprogramm-demo.exe differs"
grep -q "^MIT License" "$dir/LICENSE.txt" || fail "no licence installed"
[[ -s "$dir/farbprogramm.ico" && -s "$dir/uninstall.exe" ]] || fail "icon or uninstaller missing"
extra=$(ls "$dir" | grep -vxE 'farbprogramm(-demo)?\.exe|LICENSE\.txt|farbprogramm\.ico|uninstall\.exe' || true)
[[ -z "$extra" ]] || fail "unexpected files installed: $extra"

# Wine may file the machine's Start menu under the user's; either is fine.
for name in "Farbprogramm" "Farbprogramm Demo"; do
    link=$(find "$drive/ProgramData" "$drive/users" -path '*Start Menu/Programs/*' \
        -name "$name.lnk" | head -1)
    [[ -n "$link" ]] || fail "no Start menu entry \"$name\""
    echo "Start menu entry: ${link#"$drive"/}"
done
target() { iconv -f UTF-16LE -t UTF-8 "$1" 2>/dev/null | tr -d '\0' || true; strings "$1"; }
target "$link" | grep -qi 'farbprogramm-demo\.exe' || fail "\"Farbprogramm Demo\" opens no demo"

entry=$(wine reg query "$key\\Farbprogramm" | tr -d '\r')
value() { awk -v n="$1" '$1 == n { $1 = ""; $2 = ""; sub(/^ +/, ""); print }' <<<"$entry"; }
[[ $(value DisplayName) == Farbprogramm ]] || fail "DisplayName: $(value DisplayName)"
[[ $(value DisplayVersion) == "$version" ]] || fail "DisplayVersion: $(value DisplayVersion)"
[[ $(value Publisher) == Lanvo ]] || fail "Publisher: $(value Publisher)"
[[ $(value DisplayIcon) == 'C:\Program Files\Farbprogramm\farbprogramm.ico' ]] ||
    fail "DisplayIcon: $(value DisplayIcon)"
[[ $(value UninstallString) == '"C:\Program Files\Farbprogramm\uninstall.exe"' ]] ||
    fail "UninstallString: $(value UninstallString)"
[[ $(value QuietUninstallString) == '"C:\Program Files\Farbprogramm\uninstall.exe" /S' ]] ||
    fail "QuietUninstallString: $(value QuietUninstallString)"
[[ $(value NoModify) == 0x1 && $(value NoRepair) == 0x1 ]] || fail "NoModify/NoRepair not set"
# In KiB, as the list of installed apps shows it: within one KiB per file of what is there.
size_kib=$(( $(value EstimatedSize) ))
actual_kib=$(( $(du -b --apparent-size -s "$dir" | cut -f1) / 1024 ))
(( size_kib >= actual_kib - 5 && size_kib <= actual_kib + 5 )) ||
    fail "EstimatedSize $size_kib KiB, installed $actual_kib KiB"

mkdir -p "$session/logs"
logs=$(wine winepath -w "$session/logs")
wine "$inspect" demo 'C:\Program Files\Farbprogramm\farbprogramm-demo.exe' "$logs" >&2 ||
    fail "the installed demo"

# While the program or a demo runs, a silent uninstallation and a silent installation over it
# must fail and change nothing. Run in place (_?=, which takes the rest of the command line
# unquoted: hence the folder in two arguments), the uninstaller returns its own exit code.
state() {
    (cd "$drive" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -type f -print0 |
        sort -z | xargs -0 md5sum)
    wine reg query "$key\\Farbprogramm" | tr -d '\r'
}
blocked_while_running() {  # program
    local running code installed
    installed=$(state)
    "$WINE" "$dir/$1" </dev/null >/dev/null 2>&1 &
    running=$!
    # The notice shows once the program holds its mutex.
    for ((tries = 0; tries < 100; tries++)); do
        xdotool search --name '^Wichtiger Hinweis$' >/dev/null 2>&1 && break
        sleep 0.1
    done
    xdotool search --name '^Wichtiger Hinweis$' >/dev/null 2>&1 || fail "$1 shows no notice"
    code=0
    wine "$dir/uninstall.exe" /S '_?=C:\Program' 'Files\Farbprogramm' || code=$?
    ((code != 0)) || fail "the uninstaller succeeded while $1 runs"
    echo "with $1 running, the uninstaller exits $code"
    code=0
    wine "$setup" /S >/dev/null || code=$?
    ((code != 0)) || fail "the setup program succeeded while $1 runs"
    [[ $(state) == "$installed" ]] || fail "with $1 running, the files or the entry changed"
    kill "$running"
    wait "$running" || true
    echo "with $1 running, the setup program exits $code; nothing changed"
}
started=$(now)
blocked_while_running farbprogramm.exe
blocked_while_running farbprogramm-demo.exe
echo "checked with running programs in $(seconds_since "$started") s"

# The uninstaller hands over to a copy of itself and returns at once: wait for its work, whose
# last step removes the uninstall entry.
started=$(now)
wine "$dir/uninstall.exe" /S >/dev/null || true
for ((tries = 0; tries < 300; tries++)); do
    [[ ! -e "$dir" ]] && ! wine reg query "$key\\Farbprogramm" >/dev/null && break
    sleep 0.2
done
[[ ! -e "$dir" ]] || fail "the uninstaller left: $(ls "$dir")"
echo "uninstalled in $(seconds_since "$started") s"
after=$(snapshot)
diff <(echo "$before") <(echo "$after") >&2 || fail "the prefix differs from before the install"
echo "setup ok: $(( $(stat -c %s "$setup") / 1024 )) KiB"
