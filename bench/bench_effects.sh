#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clip effects on a 4-minute clip: `tunecarver-cli normalise` (measuring and rewriting)
# against ffmpeg's EBU R128 meter measuring alone (goal at most 1.0x), and `fade` against
# sox fading the same clip (goal at most 1.0x). Then the undo of a crop of a 10-minute clip
# (goal at most 50 ms: a rename of a kept link, not a copy).
source "$(dirname "$0")/common.sh"
build_release
quiet cmake --build "$ROOT/build/default" --target bench_undo_crop

make_signal 240 "$WORK/four.wav"
quiet hyperfine --warmup 2 --runs 10 --export-csv "$WORK/normalise.csv" \
    -n "tunecarver-cli normalise" -n "ffmpeg ebur128 measuring" \
    "$CLI normalise $WORK/four.wav $WORK/even.wav" \
    "ffmpeg -v quiet -nostats -i $WORK/four.wav -af ebur128 -f null -"
quiet hyperfine --warmup 2 --runs 10 --export-csv "$WORK/fade.csv" \
    -n "tunecarver-cli fade" -n "sox fade" \
    "$CLI fade $WORK/four.wav $WORK/faded.wav --in 1 --out 1" \
    "sox $WORK/four.wav $WORK/soxfaded.wav fade 1 -0 1"
echo "mean of 10 runs"
ratio "normalise 4 minutes" "$WORK/normalise.csv"
ratio "fade 4 minutes" "$WORK/fade.csv"

make_signal 600 "$WORK/ten.wav"
"$ROOT/build/default/bench/bench_undo_crop" "$WORK/ten.wav"
