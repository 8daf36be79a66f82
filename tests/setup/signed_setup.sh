#!/usr/bin/env bash
# Makes a throwaway self-signed code-signing certificate, has make-setup.sh sign a setup program
# with it, checks the signatures of both programs and of the setup program, and that attaching the
# detached signatures to the unsigned programs, without the key, gives the same files byte for
# byte; installs it silently into a Wine prefix of its own and checks the installed programs and
# uninstaller too. Nothing is timestamped: there is no network here.
#   signed_setup.sh VERSION MAIN_EXE DEMO_EXE LICENCE ICON
set -euo pipefail
main_exe=$2
session=$(mktemp -d)
trap 'rm -rf "$session"' EXIT
keys=$session/keys out=$session/out
mkdir -p "$keys" "$out"
fail() { echo "FAIL: $*" >&2; exit 1; }

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Farbprogramm Test/O=Lanvo" \
    -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature \
    -keyout "$keys/key.pem" -out "$keys/cert.pem" 2>/dev/null
openssl rand -hex 16 >"$keys/password"
openssl pkcs12 -export -in "$keys/cert.pem" -inkey "$keys/key.pem" -passout "file:$keys/password" \
    -out "$keys/cert.p12"
export FARB_SIGN_PKCS12=$keys/cert.p12 FARB_SIGN_PASSWORD_FILE=$keys/password
export FARB_SIGNATURES=$session/signatures
setup=$out/farbprogramm-setup.exe
make_setup=$(dirname "$0")/../../tools/windows/make-setup.sh
bash "$make_setup" --sign "$setup" "$@" >/dev/null

verify() { osslsigncode verify -CAfile "$keys/cert.pem" -in "$1" >"$session/verify.log" 2>&1; }
! verify "$main_exe" || fail "an unsigned program passes the check"
for file in "$out/programs/farbprogramm.exe" "$out/programs/farbprogramm-demo.exe" "$setup"; do
    verify "$file" || { cat "$session/verify.log" >&2; fail "${file#"$out"/} is not signed"; }
done
echo "signed: the two programs and the setup program"

attached=$session/attached
(unset FARB_SIGN_PKCS12 FARB_SIGN_PASSWORD_FILE && export FARB_SIGN_CAFILE=$keys/cert.pem &&
    bash "$make_setup" --sign "$attached/farbprogramm-setup.exe" "$@" >/dev/null) ||
    fail "the detached signatures could not be attached"
for file in programs/farbprogramm.exe programs/farbprogramm-demo.exe farbprogramm-setup.exe; do
    cmp -s "$out/$file" "$attached/$file" || fail "$file with its signature attached is not the signed one"
done
echo "attached: the detached signatures give the signed files byte for byte"

source "$(dirname "$0")/../../tools/windows/wine-session.sh"
trap 'wine_session_end; rm -rf "$session"' EXIT
"$WINE" "$setup" /S </dev/null >/dev/null 2>&1 || fail "the signed setup program exited with $?"
dir="$WINEPREFIX/drive_c/Program Files/Farbprogramm"
for name in farbprogramm.exe farbprogramm-demo.exe; do
    cmp "$out/programs/$name" "$dir/$name" || fail "the installed $name is not the signed one"
done
verify "$dir/uninstall.exe" || { cat "$session/verify.log" >&2; fail "the uninstaller is not signed"; }
echo "installed: the signed programs and a signed uninstaller"
