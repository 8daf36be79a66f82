#!/usr/bin/env bash
# Makes a release: installs the Debian packages it needs, builds the Debian package and the
# unsigned Windows setup program from clean folders of its own (build-release/ in the checkout)
# and writes both into OUTDIR with SHA256SUMS over them. The same commit gives the same bytes in
# any folder, at any time, under any time zone, umask, locale and number of jobs: the dates come
# from the commit (SOURCE_DATE_EPOCH), the rest from the build's flags (CMakeLists.txt).
#   tools/release.sh OUTDIR
# FARB_RELEASE_JOBS sets the jobs of the build (default: the number of cores).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[[ $# -eq 1 ]] || { echo "usage: $0 OUTDIR" >&2; exit 2; }
mkdir -p "$1"
out=$(cd "$1" && pwd)
jobs=${FARB_RELEASE_JOBS:-$(nproc)}

bash "$root/tools/install-deps.sh"
# The package's file modes and every date in it and in the setup program.
umask 022
SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
export SOURCE_DATE_EPOCH

build=$root/build-release
rm -rf "$build"
linux=$build/linux windows=$build/windows
cmake -S "$root" -B "$linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFARB_BUILD_BENCHMARKS=OFF >/dev/null
# What the package holds, without the tests; built as the tests build it (CPack strips it).
cmake --build "$linux" --parallel "$jobs" \
    --target farbprogramm farbprogramm-demo farb_icon packaging-docs >/dev/null
cpack -G DEB --config "$linux/CPackConfig.cmake" -B "$build/deb" >"$build/cpack.log"
cmake --preset windows -S "$root" -B "$windows" >/dev/null
cmake --build "$windows" --parallel "$jobs" --target setup >/dev/null

version=$(cat "$linux/version.txt")
deb=farbprogramm_${version}_amd64.deb setup=farbprogramm-setup-$version.exe
cp "$build/deb/$deb" "$windows/$setup" "$out/"
(cd "$out" && sha256sum "$deb" "$setup" >SHA256SUMS)
cat "$out/SHA256SUMS"
