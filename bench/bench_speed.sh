#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One read per job, side by side with the tools that do the same work once:
#   `ringtone --trim` of a 60-minute MP3 against ffmpeg cutting its first 40 s with a gain
#   and the same fade (goal at most 1.0x);
#   `normalise` of a 4-minute and of a 60-minute WAV against ffmpeg's EBU R128 meter with
#   the true peak, measuring alone (goal at most 0.7x);
#   `waveform` of a 60-minute WAV against cat of it (goal at most 2x);
#   "Add New" of a 4-minute MP3 in the window, peaks included, against `convert` of it
#   (goal at most 1.05x), and the longest event-loop gap meanwhile (goal at most 20 ms).
source "$(dirname "$0")/common.sh"
build_release
quiet cmake --build "$ROOT/build/default" --target bench_gui_ops
OPS="$ROOT/build/default/bench/bench_gui_ops"

make_signal 240 "$WORK/four.wav"
make_signal 3600 "$WORK/hour.wav"
quiet lame --quiet -b 128 "$WORK/four.wav" "$WORK/four.mp3"
quiet lame --quiet -b 128 "$WORK/hour.wav" "$WORK/hour.mp3"

quiet hyperfine -N --warmup 1 --runs 5 --export-csv "$WORK/ringtone.csv" \
    -n "tunecarver-cli ringtone --trim" -n "ffmpeg -t 40 with gain and fade" \
    "$CLI ringtone $WORK/hour.mp3 $WORK/tone.m4r --target iphone-finder --trim" \
    "ffmpeg -v error -y -t 40 -i $WORK/hour.mp3 -af volume=-3dB,afade=t=out:st=39.5:d=0.5 -c:a aac -b:a 128k $WORK/ff.m4a"
quiet hyperfine -N --warmup 1 --runs 5 --export-csv "$WORK/normalise4.csv" \
    -n "tunecarver-cli normalise" -n "ffmpeg ebur128=peak=true" \
    "$CLI normalise $WORK/four.wav $WORK/even.wav" \
    "ffmpeg -v quiet -nostats -i $WORK/four.wav -af ebur128=peak=true -f null -"
quiet hyperfine -N --warmup 1 --runs 3 --export-csv "$WORK/normalise60.csv" \
    -n "tunecarver-cli normalise" -n "ffmpeg ebur128=peak=true" \
    "$CLI normalise $WORK/hour.wav $WORK/even.wav" \
    "ffmpeg -v quiet -nostats -i $WORK/hour.wav -af ebur128=peak=true -f null -"
rm -f "$WORK/even.wav"
quiet hyperfine --warmup 1 --runs 3 --export-csv "$WORK/waveform.csv" \
    -n "tunecarver-cli waveform" -n "cat of the clip" \
    "$CLI waveform $WORK/hour.wav $WORK/hour.json" \
    "cat $WORK/hour.wav > /dev/null"

# The driver three times; "ms gap" of the median run.
median_of() {
    for run in 1 2 3; do
        "$OPS" "$@" | sed -E 's/.*: ([0-9]+) ms; longest event-loop gap ([0-9]+) ms/\1 \2/'
    done | sort -n | sed -n 2p
}
read -r addMs addGap <<<"$(median_of add "$WORK/four.mp3")"
quiet hyperfine -N --warmup 1 --runs 3 --export-csv "$WORK/convert.csv" \
    "$CLI convert $WORK/four.mp3 $WORK/decoded.wav"
convertS=$(awk -F, 'NR == 2 { print $2 }' "$WORK/convert.csv")

echo "One read per job (goals: ringtone 1.0, normalise 0.7, waveform 2, Add New 1.05 and 20 ms)"
ratio "ringtone --trim, 60-min MP3" "$WORK/ringtone.csv"
ratio "normalise, 4-min WAV" "$WORK/normalise4.csv"
ratio "normalise, 60-min WAV" "$WORK/normalise60.csv"
ratio "waveform, 60-min WAV" "$WORK/waveform.csv"
awk -v ms="$addMs" -v gap="$addGap" -v cli="$convertS" 'BEGIN {
    printf "%-28s %8.3f s  vs %-34s %8.3f s  ratio %.2f  longest gap %d ms\n",
           "Add New + peaks, 4-min MP3", ms / 1000, "tunecarver-cli convert", cli, ms / 1000 / cli, gap }'
