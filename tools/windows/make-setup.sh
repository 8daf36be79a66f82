#!/usr/bin/env bash
# Makes the setup program with makensis from packaging/windows/farbprogramm.nsi. With --sign, the
# two programs are signed copies beside OUTFILE, and the uninstaller and the setup program are
# signed as NSIS finishes them, all through sign.sh (with a certificate, or by attaching the
# detached signatures in FARB_SIGNATURES).
#   make-setup.sh [--sign] OUTFILE VERSION MAIN_EXE DEMO_EXE LICENCE ICON
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sign=()
if [[ $1 == --sign ]]; then
    shift
    sign=(-DSIGN="bash \"$here/sign.sh\"")
    # makensis runs the signing in the script's folder.
    if [[ -n ${FARB_SIGNATURES:-} ]]; then
        export FARB_SIGNATURES=$(realpath -m "$FARB_SIGNATURES")
    fi
fi
outfile=$1 version=$2 main_exe=$3 demo_exe=$4 licence=$5 icon=$6
if ((${#sign[@]})); then
    programs=$(dirname "$outfile")/programs
    mkdir -p "$programs"
    cp "$main_exe" "$programs/farbprogramm.exe"
    cp "$demo_exe" "$programs/farbprogramm-demo.exe"
    main_exe=$programs/farbprogramm.exe demo_exe=$programs/farbprogramm-demo.exe
    bash "$here/sign.sh" "$main_exe" "$demo_exe"
fi
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DMAIN_EXE="$main_exe" \
    -DDEMO_EXE="$demo_exe" -DLICENCE="$licence" -DICON="$icon" -DOUTFILE="$outfile" "${sign[@]}" \
    "$here/../../packaging/windows/farbprogramm.nsi"
