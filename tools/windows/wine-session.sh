# Sourced by the scripts that run the Windows window: a private X server, a private Wine prefix
# with Wine's own fonts, and unmanaged windows. Sets DISPLAY; wine_session_end tears all of it
# down. Needs $session, an empty folder of the caller's, and WINE and WINESERVER, the programs the
# cross build found (CTest passes them; a script sources wine.env from the build folder).
: "${WINE:?the cross build's wine64, from its wine.env}" "${WINESERVER:?the cross build's wineserver}"
export WINEPREFIX=$session/prefix WINEDEBUG=-all
# No .NET or HTML engine prompts, and no menu entries written into the host's home.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_session_end() {
    "$WINESERVER" -k 2>/dev/null || true
    [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null || true
}

# Starts the server and Wine's background services with their output elsewhere: a service
# started later would hold the caller's output pipe open.
wine_session_restart() {
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    "$WINESERVER" -p
    "$WINE" wineboot --init >/dev/null 2>&1 </dev/null
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$session/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $session/display ]] && break
    sleep 0.05
done
if [[ ! -s $session/display ]]; then
    echo "Xvfb did not start within 5 s: no X display for Wine (is the package xvfb installed?)" >&2
    exit 1
fi
export DISPLAY=:$(cat "$session/display")

mkdir -p "$WINEPREFIX"
wine_session_restart
# Debian's Wine does not look into its own font folder: without these, dialogs lack MS Shell Dlg.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
# Without a window manager every managed window's close waits some 2 s for one.
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
