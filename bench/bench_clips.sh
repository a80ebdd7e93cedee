#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A 60-minute MP3 as a clip, in the real window (offscreen): "Add New" of it, the clip in the
# list within 1.1x cp of the file and its waveform complete within 1.0x tunecarver-cli convert
# of it; the work folder then at most 1.1x the MP3's size; "Done" on it (a minute off each
# end) with at most 20 ms without a turn of the event loop and no file written. Prints the
# window's peak memory with the clip open too. Each figure is the median of three runs; exits
# 1 when a row misses its goal.
source "$(dirname "$0")/common.sh"
build_release
quiet cmake --build "$ROOT/build/default" --target bench_gui_ops
OPS="$ROOT/build/default/bench/bench_gui_ops"

ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=3600:sample_rate=44100" -ac 2 \
    -c:a libmp3lame -b:a 128k "$WORK/long.mp3"
: >"$WORK/runs.txt"
for run in 1 2 3; do
    if ! /usr/bin/time -f "%M" -o "$WORK/memory.txt" "$OPS" long "$WORK/long.mp3" 60000 3540000 \
        >"$WORK/run.txt"; then
        echo "bench: the window's driver failed" >&2
        exit 1
    fi
    # listed complete addgap bytes done donegap written memory(KB)
    sed -E 's/[^0-9]+/ /g' "$WORK/run.txt" | awk -v m="$(cat "$WORK/memory.txt")" \
        '{ print $1, $2, $3, $4, $5, $6, $7, m }' >>"$WORK/runs.txt"
done
median() { awk -v c="$1" '{ print $c }' "$WORK/runs.txt" | sort -n | sed -n 2p; }
quiet hyperfine -N --warmup 1 --runs 3 --export-csv "$WORK/tools.csv" \
    "cp $WORK/long.mp3 $WORK/copied.mp3" "$CLI convert $WORK/long.mp3 $WORK/decoded.wav"
cpS=$(awk -F, 'NR == 2 { print $2 }' "$WORK/tools.csv")
convertS=$(awk -F, 'NR == 3 { print $2 }' "$WORK/tools.csv")
mp3Bytes=$(stat -c %s "$WORK/long.mp3")

awk -v b="$mp3Bytes" -v c="$cpS" -v v="$convertS" \
    'BEGIN { printf "A 60-minute MP3 (%d bytes): cp %.3f s, tunecarver-cli convert %.3f s\n", b, c, v }'
check "Add New: the clip in the list, against cp" \
    "$(awk -v a="$(median 1)" -v c="$cpS" 'BEGIN { print a / 1000 / c }')" 1.1 x
check "Add New: the waveform complete, against convert" \
    "$(awk -v a="$(median 2)" -v c="$convertS" 'BEGIN { print a / 1000 / c }')" 1.0 x
check "Add New: longest event-loop gap" "$(median 3)" 20 ms
check "the work folder, against the MP3" \
    "$(awk -v w="$(median 4)" -v m="$mp3Bytes" 'BEGIN { print w / m }')" 1.1 x
check "Done on the clip: longest event-loop gap" "$(median 6)" 20 ms
check "Done on the clip: clip files written" "$(median 7)" 0 ""
echo "Done took $(median 5) ms until its waveform was complete;" \
    "the window's peak memory was $(awk -v k="$(median 8)" 'BEGIN { printf "%.0f", k / 1024 }') MB"
exit $failed
