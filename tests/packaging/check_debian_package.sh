#!/usr/bin/env bash
# Builds the Debian package with cpack in a scratch folder and checks what it installs and
# declares, and that its desktop entry and metainfo are valid.
# Usage: check_debian_package.sh BUILD_DIR SCRATCH_DIR VERSION
set -euo pipefail
build=$1 scratch=$2 version=$3
app_id=de.lanvo.farbprogramm

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$scratch"
mkdir -p "$scratch"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
shopt -s nullglob
debs=("$scratch"/farbprogramm_"$version"_*.deb)
[[ ${#debs[@]} -eq 1 ]] || { echo "FAIL: expected one farbprogramm_$version package, found ${#debs[@]}" >&2; exit 1; }
deb=${debs[0]}
echo "package: $deb"

# Contents: mode and path of every file.
listing=$(dpkg-deb -c "$deb" | awk '{print $1, $NF}')
has_file() { grep -qxF -- "$1 ./$2" <<<"$listing" || fail "the package lacks $2 with mode $1"; }
has_file -rwxr-xr-x usr/bin/farbprogramm
has_file -rwxr-xr-x usr/bin/farbprogramm-demo
has_file -rw-r--r-- usr/share/applications/$app_id.desktop
has_file -rw-r--r-- usr/share/applications/$app_id.demo.desktop
has_file -rw-r--r-- usr/share/metainfo/$app_id.metainfo.xml
has_file -rw-r--r-- usr/share/icons/hicolor/scalable/apps/$app_id.svg
has_file -rw-r--r-- usr/lib/udev/rules.d/60-farbprogramm.rules
for page in farbprogramm farbprogramm-demo; do
    has_file -rw-r--r-- usr/share/man/man1/$page.1.gz
    has_file -rw-r--r-- usr/share/man/de/man1/$page.1.gz
done

# Control fields.
control=$(dpkg-deb -I "$deb" control)
field() { sed -n "s/^$1: //p" <<<"$control"; }
[[ "$(field Package)" == farbprogramm ]] || fail "Package is '$(field Package)'"
[[ "$(field Version)" == "$version" ]] || fail "Version is '$(field Version)'"
depends=$(field Depends | tr ',' '\n' | sed -E 's/^ +//; s/ .*//')
for needed in libqt6widgets6 libjpeg62-turbo libftdi1-2 qt6-qpa-plugins fonts-liberation2; do
    grep -qxF "$needed" <<<"$depends" || fail "Depends lacks $needed: $(field Depends)"
done
# grep -q would end the pipe early and fail it under pipefail: read the whole summary first.
summary=$(dpkg-deb -I "$deb")
grep -qE '^ .* postinst +#!/bin/sh' <<<"$summary" || fail "no postinst script"

# Debian's own checks: no error and no warning from lintian (copyright, changelog, manual pages,
# description, icons, maintainer scripts), and the copyright names the project's licence.
if lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1; then
    echo "lintian: no errors or warnings"
else
    cat "$scratch/lintian.log" >&2
    fail "lintian reports errors or warnings"
fi
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/farbprogramm/copyright 2>/dev/null || true)
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' <<<"$copyright" &&
    grep -qx 'License: Expat' <<<"$copyright" ||
    fail "the copyright file is not machine-readable or does not name the MIT (Expat) licence"

# The installed files themselves.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"

# Each entry valid, starting its own program with the packaged icon, under a name of its own.
check_entry() {  # desktop-id name program
    local desktop=$root/usr/share/applications/$1.desktop exec_name icon_name
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $1.desktop"
    [[ $(sed -n 's/^Name=//p' "$desktop") == "$2" ]] || fail "$1.desktop is not named '$2'"
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [[ $exec_name == "$3" && -x "$root/usr/bin/$exec_name" ]] ||
        fail "$1.desktop starts '$exec_name', not the packaged $3"
    icon_name=$(sed -n 's/^Icon=//p' "$desktop")
    [[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon_name.svg" ]] ||
        fail "the icon '$icon_name' of $1.desktop is not in the package"
}
check_entry "$app_id" Farbprogramm farbprogramm
check_entry "$app_id.demo" "Farbprogramm Demo" farbprogramm-demo
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metainfo names no release $version"

# The changelog's newest entry is this version's.
newest=$(zcat "$root/usr/share/doc/farbprogramm/changelog.gz" | sed -n 1p)
[[ $newest == "farbprogramm ($version) "* ]] ||
    fail "the changelog's newest entry is not version $version"

# Each language's manual pages in their place, not the other's.
for page in farbprogramm farbprogramm-demo; do
    for place in man1:DESCRIPTION de/man1:BESCHREIBUNG; do
        text=$(zcat "$root/usr/share/man/${place%%:*}/$page.1.gz" 2>/dev/null || true)
        grep -qx "\.SH ${place#*:}" <<<"$text" ||
            fail "usr/share/man/${place%%:*}/$page.1.gz has no section ${place#*:}"
        grep -q "^\.TH .* \"Farbprogramm $version\"" <<<"$text" ||
            fail "usr/share/man/${place%%:*}/$page.1.gz names no version $version"
    done
done

rule=$root/usr/lib/udev/rules.d/60-farbprogramm.rules
lamps='ATTR{product}=="Luma-Glanz|KZ??????????V?????????|TTL232R"'
grep -E '^SUBSYSTEM=="usb",' "$rule" | grep -F 'ATTR{idVendor}=="0403"' | grep -F "$lamps" |
    grep -F 'TAG+="uaccess"' | grep -F 'ATTR{power/control}="on"' |
    grep -qF 'ENV{ID_MM_DEVICE_IGNORE}="1"' ||
    fail "the udev rule does not open the lamps to the seat, keep them awake and ModemManager off"
grep -E '^SUBSYSTEM=="tty",' "$rule" | grep -F 'ATTRS{idVendor}=="0403"' | grep -F "${lamps/ATTR/ATTRS}" |
    grep -qF 'ENV{ID_MM_DEVICE_IGNORE}="1"' ||
    fail "the udev rule does not keep ModemManager off the lamps' serial ports"

# udev itself over emulated devices: the rule goes in place of /etc/udev/rules.d in a mount
# namespace of its own, and udevadm test runs the rules on a umockdev device.
udev_test() {  # vendor product -> udevadm's output
    local device=$scratch/device.umockdev
    printf '%s\n' 'P: /devices/usb1/1-1' 'N: bus/usb/001/002' 'E: SUBSYSTEM=usb' \
        'E: DEVTYPE=usb_device' "A: idVendor=$1\\n" 'A: idProduct=6001\n' \
        "A: product=$2\\n" 'A: serial=FT1\n' 'A: power/control=auto\n' >"$device"
    unshare --mount sh -c 'mount -t tmpfs tmpfs /etc/udev/rules.d && cp "$1" /etc/udev/rules.d/ &&
        umockdev-run -d "$2" -- udevadm test --action=add /sys/devices/usb1/1-1' \
        sh "$rule" "$device" 2>&1
}
if ! unshare --mount true 2>/dev/null; then
    echo "NOTE: no mount namespace here; udev's reading and matching of the rule stay unproven"
else
    # udev 252 (Debian 12) says "ATTR '/sys/…/power/control' writing 'on'"; udev 257 (Debian 13)
    # says "Running in test mode, skipping writing ATTR{/sys/…/power/control}="on"".
    autosuspend_off="power/control' writing 'on'|power/control\}=\"on\""
    check_match() {  # expected vendor product
        local out complaints granted=no
        out=$(udev_test "$2" "$3")
        grep -qF 'Reading rules file: /etc/udev/rules.d/60-farbprogramm.rules' <<<"$out" ||
            fail "udevadm did not read the rule for '$3'"
        complaints=$(grep -E '60-farbprogramm\.rules:[0-9]+ ' <<<"$out" |
            grep -vE "$autosuspend_off" || true)
        [[ -z $complaints ]] || fail "udev complains about the rule: $complaints"
        # udev 257 indents the device's properties by two spaces.
        if grep -qE '^ *TAGS=.*:uaccess:' <<<"$out" &&
            grep -qE '^ *ID_MM_DEVICE_IGNORE=1$' <<<"$out" &&
            grep -qE "$autosuspend_off" <<<"$out"; then
            granted=yes
        fi
        [[ $granted == "$1" ]] || fail "udev rule for $2 '$3': granted $granted, expected $1"
    }
    check_match yes 0403 Luma-Glanz
    check_match yes 0403 KZ0123456789V012345678
    check_match yes 0403 TTL232R
    check_match no 0403 'FT232R USB UART'
    check_match no 0403 KZ012345678V0123456789
    check_match no 067b TTL232R
    echo "udev reads the rule and grants the lamps only"
fi

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package contents, control fields, desktop entries, metainfo and udev rule are as expected"
