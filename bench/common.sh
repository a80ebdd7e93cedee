#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the benchmark scripts: builds the release binaries and makes test signals.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CLI="$ROOT/build/default/src/cli/tunecarver-cli"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Any step that fails says where the script stopped.
trap 'echo "bench: $(basename "$0") stopped at line $LINENO: $BASH_COMMAND" >&2' ERR

# quiet COMMAND...: runs COMMAND with its output held back; when it fails, its output is shown,
# the step named and the script stopped.
quiet() {
    local log
    log=$(mktemp)
    if ! "$@" >"$log" 2>&1; then
        echo "bench: this step failed: $*" >&2
        cat "$log" >&2
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
}

build_release() {
    "$ROOT/scripts/install-deps.sh"
    quiet cmake --preset default -S "$ROOT"
    quiet cmake --build "$ROOT/build/default" --target tunecarver-cli
}

# make_signal SECONDS OUT.wav: a 44100 Hz stereo 16-bit mix of tones and noise, so the
# encoder has real work to do.
make_signal() {
    sox -n -r 44100 -c 2 -b 16 "$2" synth "$1" sine 440 sine 660 pinknoise remix 1,2,3 1,2,3 \
        vol 0.4 2>/dev/null
}

# ratio NAME CSV: hyperfine's CSV (first row ours, then the others) as "ours / tool" ratios.
ratio() {
    awk -F, -v name="$1" 'NR == 2 { ours = $2; label = $1; next }
        NR > 2 { printf "%-28s %8.3f s  vs %-34s %8.3f s  ratio %.2f\n", name, ours, $1, $2, ours / $2 }' "$2"
}

# check NAME VALUE GOAL UNIT: prints the row against its goal, and sets failed=1 when
# VALUE > GOAL (the script exits with $failed).
failed=0
check() {
    if awk -v v="$2" -v g="$3" 'BEGIN { exit !(v <= g) }'; then
        printf 'ok    %-52s %10.3f %s (goal at most %s)\n' "$1" "$2" "$4" "$3"
    else
        printf 'FAIL  %-52s %10.3f %s (goal at most %s)\n' "$1" "$2" "$4" "$3"
        failed=1
    fi
}
