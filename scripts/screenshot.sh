#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a picture of the real main window under Xvfb: docs/main-window.png by default.
# Usage: scripts/screenshot.sh [OUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/main-window.png}
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target tunecarver >/dev/null

scratch=$(mktemp -d)
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$app" "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
sleep 1
HOME="$scratch" DISPLAY="$display" build/default/src/tunecarver >/dev/null 2>&1 &
app=$!
sleep 3
DISPLAY="$display" xwd -root -silent -out "$scratch/screen.xwd"
mkdir -p "$(dirname "$out")"
# No window manager runs, so the window sits at the top left, without a title bar.
ffmpeg -v error -y -i "$scratch/screen.xwd" -vf crop=719:413:0:0 "$out"
echo "$out"
