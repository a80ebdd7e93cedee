#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Decoding and encoding speed of tunecarver-cli against the tools a user would reach for,
# on a 4-minute signal. Prints the mean times and the ratios (lower is better for us).
source "$(dirname "$0")/common.sh"
build_release

make_signal 240 "$WORK/signal.wav"
lame --quiet -b 128 "$WORK/signal.wav" "$WORK/signal.mp3"

quiet hyperfine -N --warmup 1 --runs 5 --export-csv "$WORK/decode.csv" \
    "$CLI convert $WORK/signal.mp3 $WORK/out.wav" \
    "ffmpeg -v error -y -i $WORK/signal.mp3 -f s16le $WORK/ff.raw"
quiet hyperfine -N --warmup 1 --runs 5 --export-csv "$WORK/mpg.csv" \
    "$CLI convert $WORK/signal.mp3 $WORK/out.wav" \
    "mpg123 -q -s $WORK/signal.mp3"
quiet hyperfine -N --warmup 1 --runs 5 --export-csv "$WORK/encode.csv" \
    "$CLI convert $WORK/signal.wav $WORK/out.mp3 --bitrate 128" \
    "lame --quiet -b 128 $WORK/signal.wav $WORK/lame.mp3"

echo "4-minute signal, mean of 5 runs"
ratio "decode MP3 -> WAV" "$WORK/decode.csv"
ratio "decode MP3 -> WAV" "$WORK/mpg.csv"
ratio "encode WAV -> MP3 128" "$WORK/encode.csv"
