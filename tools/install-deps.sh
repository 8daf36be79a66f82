#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Idempotent: prints nothing and touches nothing when all of them are present. Run by a user other
# than root, it asks for sudo for the installation alone.
set -euo pipefail

packages=(
    cmake g++ make pkg-config clang-format
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
    libjpeg62-turbo-dev libftdi1-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth x11-utils xdotool fonts-liberation2 librsvg2-bin
    dbus-daemon dbus-bin at-spi2-core python3-gi gir1.2-atspi-2.0 python3-dbusmock
    clang libclang-rt-dev
    dpkg-dev file desktop-file-utils appstream lintian
    umockdev libumockdev-dev gir1.2-umockdev-1.0 udev
    g++-mingw-w64-x86-64-posix googletest wine64 wine fonts-wine icoutils nsis
    osslsigncode openssl diffoscope-minimal
    orca speech-dispatcher
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "Missing packages: ${missing[*]}; run this script as root to install them." >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
# sudo drops the environment; env hands the setting to apt-get either way.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
