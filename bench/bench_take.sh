#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An hour-long take (or SECONDS, the first argument) against a PulseAudio daemon of its own:
# the frames written into its pipe source are fed in real time, so this runs as long as the
# take. It passes when the take holds exactly the frames written and no call of the capture
# callback took a millisecond of CPU time; it prints the longest call, by the wall clock too. The take test of the test preset
# (AddressSanitizer: its times are an upper bound) does the work, with a longer take. First,
# the take's block alone over three hours of sound as fast as it goes (bench_take_memory).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_OF_SOUND=${1:-3600}
"$ROOT/scripts/install-deps.sh"
quiet cmake --preset test -S "$ROOT"
quiet cmake --build "$ROOT/build/test" --target tst_pulse_take bench_take_memory
ASAN_OPTIONS=detect_leaks=0 "$ROOT/build/test/bench/bench_take_memory" 10800 mapped
# QtTest ends a test function after 5 minutes unless told otherwise.
QTEST_FUNCTION_TIMEOUT=$(((SECONDS_OF_SOUND + 600) * 1000)) QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=0 TUNECARVER_TAKE_SECONDS="$SECONDS_OF_SOUND" \
    "$ROOT/build/test/tests/tst_pulse_take" -maxwarnings 0
