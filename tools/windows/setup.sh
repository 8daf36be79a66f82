#!/usr/bin/env bash
# Builds the Windows setup program, farbprogramm-setup-<version>.exe, with the two programs it
# ships, into build-windows/ (or the folder given as $1), and prints its path. Installs the Debian
# packages it needs first (mingw-w64, NSIS, icoutils, librsvg2-bin, osslsigncode).
# Signed: with FARB_SIGN_PKCS12 (a code-signing certificate and its key, PKCS#12) and
# FARB_SIGN_PASSWORD_FILE (the file holding its password) set, both programs, the uninstaller and
# the setup program are signed, into signed/ in the build folder; FARB_SIGN_TIMESTAMP_URL adds a
# timestamp from that server. With FARB_SIGNATURES (a folder) as well, the detached signatures are
# kept there; with FARB_SIGNATURES alone, they are attached to this build's files instead, which
# gives the signed setup program of a release from an unsigned rebuild (tools/windows/sign.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-windows}

bash "$root/tools/install-deps.sh"
# Configured as tools/windows/test.sh configures it, so both share one build folder.
cmake --preset windows -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target setup --parallel "$(nproc)"
setup=$(cat "$build/setup-exe.txt")
if [[ (-z ${FARB_SIGN_PKCS12:-} || -z ${FARB_SIGN_PASSWORD_FILE:-}) && -z ${FARB_SIGNATURES:-} ]]; then
    echo "Not signed: FARB_SIGN_PKCS12 and FARB_SIGN_PASSWORD_FILE name no certificate," \
        "FARB_SIGNATURES no signatures." >&2
    echo "$setup"
    exit 0
fi
mapfile -t inputs <"$build/packaging/windows/setup-inputs"
signed=$build/signed/$(basename "$setup")
mkdir -p "$(dirname "$signed")"
bash "$root/tools/windows/make-setup.sh" --sign "$signed" "${inputs[@]}" >&2
echo "$signed"
