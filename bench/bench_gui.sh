#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long operations of the "Audio Edit" page in the real window (offscreen): how long each
# takes against the same work in tunecarver-cli (goal at most 1.1x), and the longest stretch
# the GUI event loop went without a turn meanwhile (goal at most 20 ms: the work runs on a
# background job, never on the GUI thread). Each is the median of three runs. A take has no
# command of its own: writing it (to disk, as every save does before it says so) is set
# against dd writing a WAV file of its size with conv=fsync.
source "$(dirname "$0")/common.sh"
build_release
quiet cmake --build "$ROOT/build/default" --target bench_gui_ops
OPS="$ROOT/build/default/bench/bench_gui_ops"

clips=()
for i in 0 1 2 3 4 5 6 7 8 9; do
    make_signal 170 "$WORK/clip$i.wav" # 30 MB each
    clips+=("$WORK/clip$i.wav")
done
make_signal 600 "$WORK/ten.wav"
make_signal 3400 "$WORK/big.wav" # 600 MB
make_signal 240 "$WORK/four.wav"
make_signal 600 "$WORK/take.wav" # what a take of 10 minutes writes
quiet lame --quiet -b 128 "$WORK/four.wav" "$WORK/four.mp3"

failed=0
# row NAME CLI-COMMAND DRIVER-ARGS...: the driver three times (its median run) against the
# command line; a driver that fails stops the bench, a row that misses a goal fails it. With
# PREPARE set, that command runs before each run of either.
row() {
    local name=$1 cli=$2
    shift 2
    : >"$WORK/runs.txt"
    for run in 1 2 3; do
        [[ -z ${PREPARE:-} ]] || bash -c "$PREPARE"
        if ! "$OPS" "$@" >"$WORK/run.txt"; then
            echo "bench: the window's driver failed: $*" >&2
            exit 1
        fi
        sed -E 's/.*: ([0-9]+) ms; longest event-loop gap ([0-9]+) ms/\1 \2/' "$WORK/run.txt" \
            >>"$WORK/runs.txt"
    done
    local ms gap
    read -r ms gap < <(sort -n "$WORK/runs.txt" | sed -n 2p)
    quiet hyperfine -N --warmup 1 --runs 3 --prepare "${PREPARE:-true}" \
        --export-csv "$WORK/cli.csv" "$cli"
    local cliS
    cliS=$(awk -F, 'NR == 2 { print $2 }' "$WORK/cli.csv")
    if ! awk -v name="$name" -v ms="$ms" -v gap="$gap" -v cli="$cliS" 'BEGIN {
        ok = ms / 1000 / cli <= 1.10 && gap <= 20
        printf "%-5s %-34s %8.3f s  vs command line %8.3f s  ratio %.2f  longest gap %3d ms\n",
               ok ? "ok" : "FAIL", name, ms / 1000, cli, ms / 1000 / cli, gap
        exit !ok }'; then
        failed=1
    fi
}

echo "The window's long operations (goals: ratio 1.10, longest event-loop gap 20 ms)"
row "Save The List to Wav (10 x 30 MB)" "$CLI join $WORK/joined.wav ${clips[*]}" \
    savewav "$WORK/saved.wav" "${clips[@]}"
row "Done on a 10-minute clip" "$CLI crop $WORK/ten.wav $WORK/cropped.wav --from 60000 --to 540000" \
    crop "$WORK/ten.wav" 60000 540000
row "Add New of a 600 MB WAV" "$CLI convert $WORK/big.wav $WORK/copied.wav" \
    add "$WORK/big.wav"
row "Add New of a 4-minute MP3" "$CLI convert $WORK/four.mp3 $WORK/decoded.wav" \
    add "$WORK/four.mp3"
# Each writes a new file, as a user's save of a take does: a file replaced or truncated would
# hand its freed pages to the next write.
PREPARE="rm -f $WORK/saved-take.wav $WORK/copied-take.wav" row "Save a 10-minute take as Wav" \
    "dd if=$WORK/take.wav of=$WORK/copied-take.wav bs=1M conv=fsync status=none" \
    take 600 "$WORK/saved-take.wav"
exit $failed
