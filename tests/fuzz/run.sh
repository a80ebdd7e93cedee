#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the fuzz harnesses, each for SECONDS, starting from the committed seeds:
#   tests/fuzz/run.sh SECONDS [HARNESS...]      (HARNESS: wav_reader settings_reader
#                                                 wave_commands decoder journal_reader
#                                                 peak_reader spectrogram_reader
#                                                 analysis_reader; default all)
# FUZZ_BIN names the folder of the built harnesses (default: the test build's). New inputs
# that reach new code are kept in FUZZ_BIN/corpus/HARNESS, a crashing input in
# FUZZ_BIN/artifacts/. Exits non-zero when a harness finds a fault.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bin="$(cd "${FUZZ_BIN:-$here/../../build/test/tests/fuzz}" && pwd)"
seconds="${1:?usage: run.sh SECONDS [HARNESS...]}"
shift
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=(wav_reader settings_reader wave_commands decoder journal_reader peak_reader
                                       spectrogram_reader analysis_reader)

for name in "${harnesses[@]}"; do
    mkdir -p "$bin/corpus/$name" "$bin/artifacts"
    "$bin/fuzz_$name" -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$bin/artifacts/$name-" "$bin/corpus/$name" "$here/seeds/$name"
done
