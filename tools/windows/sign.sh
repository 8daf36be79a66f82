#!/usr/bin/env bash
# Signs Windows programs in place with osslsigncode (Authenticode, SHA-256), with the PKCS#12
# certificate named by FARB_SIGN_PKCS12 and the password in the file FARB_SIGN_PASSWORD_FILE.
# With FARB_SIGN_TIMESTAMP_URL it also has a timestamp server countersign, which needs the network.
# Detached signatures: with FARB_SIGNATURES (a folder) set, each signature made is also kept there
# as NAME.sig; without a certificate, the NAME.sig kept there is attached instead, so that an
# unsigned rebuild becomes the signed file byte for byte, without the key. Attaching verifies the
# signature against the system's certification authorities, or those in FARB_SIGN_CAFILE (PEM).
#   sign.sh [--as NAME] FILE.exe...     (NAME: the signature's name, by default the file's)
set -euo pipefail
as=
if [[ ${1:-} == --as ]]; then
    as=$2
    shift 2
fi
signatures=${FARB_SIGNATURES:-}
cafile=()
[[ -n ${FARB_SIGN_CAFILE:-} ]] && cafile=(-CAfile "$FARB_SIGN_CAFILE")
if [[ -z ${FARB_SIGN_PKCS12:-} && -n $signatures ]]; then
    for file in "$@"; do
        osslsigncode attach-signature -sigin "$signatures/${as:-$(basename "$file")}.sig" \
            "${cafile[@]}" -in "$file" -out "$file.signed" >/dev/null
        mv "$file.signed" "$file"
    done
    exit 0
fi
: "${FARB_SIGN_PKCS12:?names no certificate (PKCS#12), and FARB_SIGNATURES no signatures}"
: "${FARB_SIGN_PASSWORD_FILE:?names no password file}"
timestamp=()
[[ -n ${FARB_SIGN_TIMESTAMP_URL:-} ]] && timestamp=(-ts "$FARB_SIGN_TIMESTAMP_URL")
for file in "$@"; do
    osslsigncode sign -pkcs12 "$FARB_SIGN_PKCS12" -readpass "$FARB_SIGN_PASSWORD_FILE" \
        -h sha256 -n Farbprogramm "${timestamp[@]}" -in "$file" -out "$file.signed" >/dev/null
    mv "$file.signed" "$file"
    if [[ -n $signatures ]]; then
        mkdir -p "$signatures"
        osslsigncode extract-signature -in "$file" \
            -out "$signatures/${as:-$(basename "$file")}.sig" >/dev/null
    fi
done
