#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Clean Up of a 30-second spoken take (espeak-ng's words with pauses, in pink noise about
# 10 dB under them, 44100 Hz stereo 16-bit, each channel its own noise) by
# `tunecarver-cli cleanup`, against ffmpeg's own command line running afftdn, adeclick and
# highpass over the same file. Goals: at most 1.0x ffmpeg's time, and under 0.05x real time.
# A step that fails stops the script and shows what it printed.
source "$(dirname "$0")/common.sh"

# step WHAT COMMAND...: runs COMMAND with its output kept aside; when it fails, says WHAT
# failed, shows the output and stops.
step() {
    local what=$1
    shift
    if ! "$@" >"$WORK/step.log" 2>&1; then
        echo "bench_cleanup: $what failed ($*):" >&2
        cat "$WORK/step.log" >&2
        exit 1
    fi
}

SECONDS_OF_TAKE=30
step "installing what is missing" "$ROOT/scripts/install-deps.sh"
step "configuring the release build" cmake --preset default -S "$ROOT"
step "building tunecarver-cli" cmake --build "$ROOT/build/default" --target tunecarver-cli

step "speaking the words" espeak-ng -w "$WORK/words.wav" \
    "Hello, pick up the phone. It is your mother calling. Please answer, it is important."
# The words at the take's rate, a second of the room before them and after, over and over.
step "making the take's words" sox "$WORK/words.wav" -r 44100 -c 2 -b 16 "$WORK/voice.wav" \
    pad 1 1 repeat 9 trim 0 "$SECONDS_OF_TAKE"
step "making the left noise" sox -n -r 44100 -c 1 -b 16 "$WORK/left.wav" \
    synth "$SECONDS_OF_TAKE" pinknoise vol 0.06
step "making the right noise" sox -n -r 44100 -c 1 -b 16 "$WORK/right.wav" \
    synth "$SECONDS_OF_TAKE" pinknoise vol 0.06
step "joining the noises" sox -M "$WORK/left.wav" "$WORK/right.wav" "$WORK/noise.wav"
step "mixing the take" sox -m -v 1 "$WORK/voice.wav" -v 1 "$WORK/noise.wav" -b 16 "$WORK/take.wav"
step "cleaning the take once" "$CLI" cleanup "$WORK/take.wav" "$WORK/clean.wav"
cat "$WORK/step.log"

step "timing" hyperfine -N --warmup 1 --runs 10 --export-csv "$WORK/cleanup.csv" \
    -n "tunecarver-cli cleanup" -n "ffmpeg afftdn+adeclick+highpass" \
    "$CLI cleanup $WORK/take.wav $WORK/clean.wav" \
    "ffmpeg -v error -y -i $WORK/take.wav -af afftdn,adeclick,highpass $WORK/ff.wav"

echo "$SECONDS_OF_TAKE-second take, mean of 10 runs"
ratio "clean up $SECONDS_OF_TAKE s" "$WORK/cleanup.csv"
awk -F, -v seconds="$SECONDS_OF_TAKE" 'NR == 2 {
        printf "%-28s %8.3f s  = %.3fx real time (goal under 0.05x)\n", "clean up", $2, $2 / seconds }
    NR == 3 { printf "%-28s %8.3f s  = %.3fx real time\n", "ffmpeg", $2, $2 / seconds }' \
    "$WORK/cleanup.csv"
