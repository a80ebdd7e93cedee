#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The music analysis of a 4-minute MP3 (a generated song, 44100 Hz stereo, 128 kbit/s):
# `tunecarver-cli analyse` against `tunecarver-cli convert` of it (goal at most 1.0x: the
# analysis costs no more than the decode), the analysis's peak memory (goal at most 64 MB;
# the whole process's maximum resident set, Qt and FFmpeg included, and that of convert
# beside it), and the longest time the event loop went without running while the editor's
# AnalysisCache analyses the clip (goal at most 20 ms).
source "$(dirname "$0")/common.sh"
build_release
quiet cmake --build "$ROOT/build/default" --target bench_analysis
BENCH="$ROOT/build/default/bench/bench_analysis"

"$BENCH" song "$WORK/four.wav"
lame --quiet -b 128 "$WORK/four.wav" "$WORK/four.mp3"
quiet hyperfine --warmup 1 --runs 5 --export-csv "$WORK/analyse.csv" \
    -n "tunecarver-cli analyse" -n "tunecarver-cli convert" \
    "$CLI analyse $WORK/four.mp3 --json" \
    "$CLI convert $WORK/four.mp3 $WORK/decoded.wav"
echo "mean of 5 runs"
ratio "analysis of a 4-minute MP3" "$WORK/analyse.csv"

analyse_kb=$(/usr/bin/time -f %M "$CLI" analyse "$WORK/four.mp3" --json 2>&1 >/dev/null | tail -1)
convert_kb=$(/usr/bin/time -f %M "$CLI" convert "$WORK/four.mp3" "$WORK/decoded.wav" 2>&1 >/dev/null | tail -1)
awk -v a="$analyse_kb" -v c="$convert_kb" \
    'BEGIN { printf "peak memory: analyse %.1f MB, convert %.1f MB (maximum resident set)\n", a / 1024, c / 1024 }'

mkdir -p "$WORK/work"
cp "$WORK/decoded.wav" "$WORK/work/Song.wav"
"$BENCH" gap "$WORK/work/Song.wav"
