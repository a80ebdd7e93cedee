#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package of the release build: build/package/tunecarver_<version>_<arch>.deb.
# Its dependencies are computed from the binaries, so it installs on a machine without the
# build packages: `sudo apt-get install ./build/package/tunecarver_*.deb`.
# Extra arguments go to the build, e.g. `scripts/package.sh -j1`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default "$@"
rm -rf build/package
cpack --config build/default/CPackConfig.cmake -G DEB -B build/package >/dev/null
ls build/package/*.deb
