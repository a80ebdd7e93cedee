#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "Add New" of a 4-minute MP3 on the "Audio Edit" page (decode into a clip on a worker
# thread while the event loop runs for the busy window) against tunecarver-cli converting the same file.
# Both are whole processes; the driver's own line shows the add alone and the longest
# stretch without a turn of the event loop.
source "$(dirname "$0")/common.sh"
build_release
cmake --build "$ROOT/build/default" --target bench_add_clip >/dev/null
ADD="$ROOT/build/default/bench/bench_add_clip"

make_signal 240 "$WORK/signal.wav"
lame --quiet -b 128 "$WORK/signal.wav" "$WORK/signal.mp3"

hyperfine -N --warmup 1 --runs 10 --export-csv "$WORK/add.csv" \
    "$ADD $WORK/signal.mp3" \
    "$CLI convert $WORK/signal.mp3 $WORK/out.wav" >/dev/null

echo "4-minute MP3, mean of 10 runs (goal: ratio 1.10; longest event-loop gap 20 ms)"
ratio "Add New (MP3)" "$WORK/add.csv"
for run in 1 2 3; do
    "$ADD" "$WORK/signal.mp3"
done
