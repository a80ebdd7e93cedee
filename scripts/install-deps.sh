#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one list of Debian packages the program, its tests and its benchmarks need.
# Installs only what is missing; uses sudo when not run as root.
set -euo pipefail

PACKAGES=(
    # build
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-svg-dev libgl-dev
    # the catalogues of the user's language: lupdate and lrelease, their CMake functions and
    # Qt's own catalogues
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
    libavfilter-dev libmp3lame-dev libpulse-dev libebur128-dev libqm-dsp-dev libmtp-dev
    # the check of the source's floors
    python3
    # run and test: a real sound server, an X server for screenshots, fonts for the window
    pulseaudio pulseaudio-utils xvfb xauth x11-apps fonts-dejavu-core
    # the desktop's files: icons drawn from the SVG, the validators of the menu entry and the
    # AppStream file, the manual page's renderer; a pointer for the README's pictures
    librsvg2-bin desktop-file-utils appstream groff-base xdotool
    # tools the tests and benchmarks make and compare audio with
    ffmpeg lame sox mpg123 hyperfine time espeak-ng
    # the fuzz harnesses: clang with libFuzzer and its sanitizer run-time
    clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=()
[ "$(id -u)" -ne 0 ] && SUDO=(sudo)
echo "Installing: ${missing[*]}" >&2
"${SUDO[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
