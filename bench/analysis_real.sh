#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The music analysis on real recordings: the game music Debian packages (every track of 1 to
# 6 minutes), against three independent beat trackers as references (Essentia's
# RhythmExtractor2013 through essentia.js, BeatRoot through music-tempo, both from npm, and
# `aubio beat`). Prints per track and in total: beat F-measure at ±70 ms (beats before 5 s
# left out) against each reference and between them; the tempo against Essentia's, exact
# and allowing double or half; whether suggestion 1 starts on an Essentia beat; suggestion
# 1's loudness rank among all windows of its length; the overlap between the suggestions.
# Exits 1 when a goal row fails. The references' results are cached (in
# ~/.cache/tunecarver-bench), so a rerun only analyses again.
# Our figures come from the release build's analysis (bench_analysis json, the same
# analysis and suggestions as `tunecarver-cli analyse --json`).
#   --references-only   fills the cache and stops
#   --cached            scores only the tracks whose references are cached already
source "$(dirname "$0")/common.sh"

CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/tunecarver-bench"
# Orchestral scores with drifting tempi (Wesnoth) beside beat-driven game music (SuperTux,
# Hedgewars, FreedroidRPG, X-Moto), as users bring both.
MUSIC_PACKAGES=(wesnoth-1.16-music supertux-data hedgewars-data freedroidrpg-data xmoto-data)
# PREFIX:FOLDER: every .ogg under FOLDER, named PREFIX and its path there.
MUSIC_DIRS=("wesnoth-:/usr/share/games/wesnoth/1.16/data/core/music"
    "supertux-:/usr/share/games/supertux2/music"
    "hedgewars-:/usr/share/games/hedgewars/Data/Music"
    "freedroid-:/usr/share/freedroidrpg/data/sound/music"
    "xmoto-:/usr/share/games/xmoto/Textures/Musics")
mkdir -p "$CACHE/npm" "$CACHE/real"

if ! dpkg -s "${MUSIC_PACKAGES[@]}" aubio-tools >/dev/null 2>&1; then
    quiet apt-get install -y --no-install-recommends "${MUSIC_PACKAGES[@]}" aubio-tools
fi
# node and npm: Debian's, unless the machine has them already.
command -v npm >/dev/null || quiet apt-get install -y --no-install-recommends nodejs npm
if [ ! -d "$CACHE/npm/node_modules/essentia.js" ] || [ ! -d "$CACHE/npm/node_modules/music-tempo" ]; then
    (cd "$CACHE/npm" && quiet npm install --no-audit --no-fund essentia.js@0.1.3 music-tempo@1.0.3)
fi
export NODE_PATH="$CACHE/npm/node_modules"

only_references=false
only_cached=false
[ "${1:-}" = --references-only ] && only_references=true
[ "${1:-}" = --cached ] && only_cached=true
ANALYSER="$ROOT/build/default/bench/bench_analysis"
if ! $only_references; then
    quiet cmake --preset default -S "$ROOT"
    quiet cmake --build "$ROOT/build/default" --target bench_analysis
fi

list="$WORK/tracks.tsv"
: >"$list"
for entry in "${MUSIC_DIRS[@]}"; do
    prefix=${entry%%:*}
    dir=${entry#*:}
    # The list comes in on its own descriptor: ffmpeg reads its standard input for keys.
    while IFS= read -r -u 3 track; do
        relative=${track#"$dir"/}
        relative=${relative%.ogg}
        name="$prefix${relative//\//-}"
        base="$CACHE/real/$name"
        if $only_cached && [ ! -s "$base.refs.json" ]; then
            continue
        fi
        if [ ! -s "$base.wav" ]; then
            ffmpeg -v error -y -i "$track" -ac 1 -ar 44100 -c:a pcm_s16le "$base.$$.wav"
            mv "$base.$$.wav" "$base.wav"
        fi
        seconds=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$base.wav")
        if awk -v s="$seconds" 'BEGIN { exit !(s < 60 || s > 360) }'; then
            continue
        fi
        if [ ! -s "$base.refs.json" ]; then
            echo "references: $name" >&2
            node "$ROOT/bench/analysis_real_refs.js" "$base.wav" >"$base.refs.$$"
            mv "$base.refs.$$" "$base.refs.json"
        fi
        if [ ! -s "$base.aubio.txt" ]; then
            aubio beat -i "$base.wav" >"$base.aubio.$$"
            mv "$base.aubio.$$" "$base.aubio.txt"
        fi
        $only_references && continue
        "$ANALYSER" json "$base.wav" >"$WORK/$name.json"
        printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$name" "$base.wav" "$base.refs.json" "$base.aubio.txt" \
            "$WORK/$name.json" "${prefix%-}" >>"$list"
    done 3< <(find "$dir" -name '*.ogg' | sort)
done
$only_references && exit 0
# A goal row missed: the scorer has said which.
if ! node "$ROOT/bench/analysis_real_score.js" <"$list"; then
    exit 1
fi
