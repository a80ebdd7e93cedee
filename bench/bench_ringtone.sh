#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# AAC and Vorbis encoding speed of tunecarver-cli against ffmpeg's own command line with the
# same encoders and bit rate, on a 4-minute signal. Prints the mean times and the ratios
# (lower is better for us; the goal is at most 1.05).
source "$(dirname "$0")/common.sh"
build_release

make_signal 240 "$WORK/signal.wav"

quiet hyperfine -N --warmup 1 --runs 5 --export-csv "$WORK/aac.csv" \
    "$CLI convert $WORK/signal.wav $WORK/out.m4a --bitrate 128" \
    "ffmpeg -v error -y -i $WORK/signal.wav -c:a aac -b:a 128k $WORK/ff.m4a"
quiet hyperfine -N --warmup 1 --runs 5 --export-csv "$WORK/vorbis.csv" \
    "$CLI convert $WORK/signal.wav $WORK/out.ogg --bitrate 128" \
    "ffmpeg -v error -y -i $WORK/signal.wav -c:a libvorbis -b:a 128k $WORK/ff.ogg"

echo "4-minute signal, mean of 5 runs"
ratio "encode WAV -> AAC 128" "$WORK/aac.csv"
ratio "encode WAV -> Vorbis 128" "$WORK/vorbis.csv"
