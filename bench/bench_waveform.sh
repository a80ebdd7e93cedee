#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clip editor's waveform on a 60-minute 44100 Hz stereo clip: computing its peaks
# against cat of the clip (goal at most 2x), the time to the first painted view at 1920 x
# 1080 (goal 100 ms), the median repaint at full view, at 64x zoom and at sample level (goal
# 8 ms), a zoom step (goal 16 ms), the longest event loop gap while computing (goal 20 ms)
# and the peak file's size (goal 1 %). Then `tunecarver-cli waveform` of a 4-minute MP3
# against `tunecarver-cli convert` of it (goal at most 1.1x), and the spectrogram of the
# 4-minute clip against `ffmpeg -lavfi showspectrumpic` of it (goal at most 1.0x).
source "$(dirname "$0")/common.sh"
build_release
quiet cmake --build "$ROOT/build/default" --target bench_waveform_view

make_signal 3600 "$WORK/hour.wav"
quiet hyperfine --warmup 1 --runs 3 --export-csv "$WORK/cat.csv" -n "cat of the clip" \
    "cat $WORK/hour.wav > /dev/null"
cat_s=$(awk -F, 'NR == 2 { print $2 }' "$WORK/cat.csv")
out=$("$ROOT/build/default/bench/bench_waveform_view" "$WORK/hour.wav")
echo "$out"
peaks_s=$(awk '/peaks computed/ { print $4 }' <<<"$out")
awk -v p="$peaks_s" -v c="$cat_s" \
    'BEGIN { printf "%-28s %8.3f s  vs %-34s %8.3f s  ratio %.2f\n", "peaks of 60 minutes", p, "cat of the clip", c, p / c }'
rm -f "$WORK/hour.wav"

make_signal 240 "$WORK/four.wav"
lame --quiet -b 128 "$WORK/four.wav" "$WORK/four.mp3"
quiet hyperfine --warmup 1 --runs 5 --export-csv "$WORK/waveform.csv" \
    -n "tunecarver-cli waveform" -n "tunecarver-cli convert" \
    "$CLI waveform $WORK/four.mp3 $WORK/four.json" \
    "$CLI convert $WORK/four.mp3 $WORK/four.wav"
echo "mean of 5 runs"
ratio "waveform of a 4-minute MP3" "$WORK/waveform.csv"

quiet hyperfine --warmup 1 --runs 5 --export-csv "$WORK/spectrogram.csv" \
    -n "spectrogram of the clip" -n "ffmpeg showspectrumpic" \
    "$ROOT/build/default/bench/bench_waveform_view --spectrogram $WORK/four.wav" \
    "ffmpeg -v quiet -y -i $WORK/four.wav -lavfi showspectrumpic $WORK/four.png"
ratio "spectrogram of 4 minutes" "$WORK/spectrogram.csv"
