#!/usr/bin/env bash
# Runs a command of the README on a fresh Debian system: a minbase chroot with git (as a newcomer
# would have it), made from Debian's package archive, with this work tree copied into it.
#   tools/debian-chroot.sh [SUITE] [COMMAND...]      (as root; default: trixie bash tools/test.sh)
# The downloaded base system is kept as a tarball in $FARB_CHROOT_CACHE (default
# /var/cache/farbprogramm-chroot) and made anew when older than a week; the packages the build
# needs are installed inside the chroot by the project's own scripts, every time, as a newcomer's
# are. Mounts are undone, processes ended and the chroot removed at the end, whatever the command's
# result, which is the script's exit code.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
suite=${1:-trixie}
shift || true
[[ $# -gt 0 ]] || set -- bash tools/test.sh
mirror=${FARB_CHROOT_MIRROR:-http://deb.debian.org/debian}
security=${FARB_CHROOT_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
cache=${FARB_CHROOT_CACHE:-/var/cache/farbprogramm-chroot}

if [[ $(id -u) -ne 0 ]]; then
    echo "debian-chroot.sh makes and mounts a chroot: run it as root (sudo)." >&2
    exit 1
fi
command -v mmdebstrap >/dev/null || {
    echo "Installing mmdebstrap"
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        mmdebstrap debian-archive-keyring >/dev/null
}

base="$cache/$suite-minbase.tar"
mkdir -p "$cache"
if [[ ! -s $base || -n $(find "$base" -mtime +7) ]]; then
    echo "Making the $suite base system (cached in $base)"
    mmdebstrap --quiet --variant=minbase --include=git,ca-certificates "$suite" "$cache/$suite-minbase.new.tar" \
        "deb $mirror $suite main" "deb $mirror $suite-updates main" \
        "deb $security $suite-security main"
    mv "$cache/$suite-minbase.new.tar" "$base"
fi

chroot_dir=$(mktemp -d "${TMPDIR:-/tmp}/farb-$suite.XXXXXX")
mounted=()
cleanup() {
    local status=$?
    # Whatever still runs inside (a Wine server, an X server, a bus) goes first, then the mounts.
    local pid
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        [[ $(readlink "/proc/$pid/root" 2>/dev/null) == "$chroot_dir" ]] && kill -9 "$pid" 2>/dev/null
    done
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" || true
    done
    if ! grep -q " $chroot_dir" /proc/mounts; then
        rm -rf --one-file-system "$chroot_dir"
    else
        echo "debian-chroot.sh: $chroot_dir still has mounts, left in place" >&2
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

tar -C "$chroot_dir" -xf "$base"
# The chroot's root is a mount point of its own, so a test inside may make a mount namespace
# (unshare needs a root whose propagation it can change).
mount --bind "$chroot_dir" "$chroot_dir"
mount --make-private "$chroot_dir"
mounted+=("$chroot_dir")
mount_in() { # TYPE SOURCE TARGET [OPTIONS]
    mkdir -p "$chroot_dir$3"
    mount -t "$1" ${4:+-o "$4"} "$2" "$chroot_dir$3"
    mounted+=("$chroot_dir$3")
}
mount_in proc proc /proc
mount_in sysfs sysfs /sys
mkdir -p "$chroot_dir/dev"
mount --rbind /dev "$chroot_dir/dev"
mount --make-rslave "$chroot_dir/dev"
mounted+=("$chroot_dir/dev")
mount_in tmpfs tmpfs /dev/shm mode=1777
mount_in tmpfs tmpfs /tmp mode=1777
mount_in tmpfs tmpfs /run mode=755
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf" 2>/dev/null || true

# The work tree as it is (committed or not), with its history, as a clone beside shared/ would be.
work=/root/farbprogramm
mkdir -p "$chroot_dir$work"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
    tar --null -T - -cf - && tar -cf - .git) | tar -C "$chroot_dir$work" --ignore-zeros -xf -
if [[ -d $root/../shared ]]; then
    cp -r "$root/../shared" "$chroot_dir/root/shared"
fi

echo "Running '$*' on a fresh Debian $suite ($(cat "$chroot_dir/etc/debian_version"))"
status=0
chroot "$chroot_dir" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin ${CI:+CI=$CI} \
    bash -c 'cd "$1" && shift && "$@"' - "$work" "$@" || status=$?
exit "$status"
