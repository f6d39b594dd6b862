#!/usr/bin/env bash
# Builds the Debian package, kernmine_<version>_<arch>.deb, in BUILD_FOLDER
# (build-deb unless given): the game laid out for every user of the machine,
# compiled with Debian's hardening flags, without the tests. Prints the
# package's path last.
#
#   tools/package.sh [BUILD_FOLDER]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-deb}

for tool in dpkg-buildflags dpkg-shlibdeps pod2man; do
  command -v "$tool" >/dev/null || { echo "package.sh: $tool is missing (bash tools/install-deps.sh)" >&2; exit 1; }
done
# The flags Debian builds its own packages with, all its hardening among them;
# the build type adds none of its own.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS" LDFLAGS=$(dpkg-buildflags --get LDFLAGS) \
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DKERNMINE_SYSTEM_LAYOUT=ON \
  -DKERNMINE_TESTS=OFF -DKERNMINE_BENCH=OFF >/dev/null
# The package's files keep their modes as built: none writable by others.
umask 022
cmake --build "$build" --target package >&2
ls "$build"/kernmine_*.deb
