#!/usr/bin/env bash
# Signs Windows programs in place with osslsigncode (Authenticode, SHA-256), with the PKCS#12
# certificate named by FARB_SIGN_PKCS12 and the password in the file FARB_SIGN_PASSWORD_FILE.
# With FARB_SIGN_TIMESTAMP_URL it also has a timestamp server countersign, which needs the network.
#   sign.sh FILE.exe...
set -euo pipefail
: "${FARB_SIGN_PKCS12:?names no certificate (PKCS#12)}"
: "${FARB_SIGN_PASSWORD_FILE:?names no password file}"
timestamp=()
[[ -n ${FARB_SIGN_TIMESTAMP_URL:-} ]] && timestamp=(-ts "$FARB_SIGN_TIMESTAMP_URL")
for file in "$@"; do
    osslsigncode sign -pkcs12 "$FARB_SIGN_PKCS12" -readpass "$FARB_SIGN_PASSWORD_FILE" \
        -h sha256 -n Farbprogramm "${timestamp[@]}" -in "$file" -out "$file.signed" >/dev/null
    mv "$file.signed" "$file"
done
