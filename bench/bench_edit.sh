#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Clip editing: joining ten 30 MB clips against cat of the same files, the join's peak
# memory, and cropping a 10-minute clip against sox trimming the same stretch. Prints the
# mean times and the ratios (lower is better for us; the goals are at most 1.5 for the join
# and 1.0 for the crop, and under 64 MB of memory).
source "$(dirname "$0")/common.sh"
build_release

# 170 s of 44100 Hz stereo 16-bit sound is 29,988,000 bytes of data.
clips=()
for i in 0 1 2 3 4 5 6 7 8 9; do
    make_signal 170 "$WORK/clip$i.wav"
    clips+=("$WORK/clip$i.wav")
done
make_signal 600 "$WORK/ten.wav"

quiet hyperfine --warmup 2 --runs 10 --export-csv "$WORK/join.csv" \
    -n "tunecarver-cli join" -n "cat of the same files" \
    "$CLI join $WORK/joined.wav ${clips[*]}" \
    "cat ${clips[*]} > $WORK/cat.wav"
rm -f "$WORK/joined.wav" "$WORK/cat.wav"

/usr/bin/time -v "$CLI" join "$WORK/joined.wav" "${clips[@]}" 2>"$WORK/time.txt"
peak_kb=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }' "$WORK/time.txt")
rm -f "$WORK/joined.wav"

# The stretch from 1:00 to 9:00 of the ten minutes.
quiet hyperfine --warmup 2 --runs 10 --export-csv "$WORK/crop.csv" \
    -n "tunecarver-cli crop" -n "sox trim of the same stretch" \
    "$CLI crop $WORK/ten.wav $WORK/cropped.wav --from 60000 --to 540000" \
    "sox $WORK/ten.wav $WORK/trimmed.wav trim 60 =540"

echo "mean of 10 runs"
ratio "join 10 x 30 MB clips" "$WORK/join.csv"
ratio "crop 8 of 10 minutes" "$WORK/crop.csv"
awk -v kb="$peak_kb" 'BEGIN { printf "%-28s %8.1f MB peak resident memory  ratio to 64 MB %.2f\n",
    "join 10 x 30 MB clips", kb / 1024, kb / 1024 / 64 }'
