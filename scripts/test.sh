#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the formatting and the floors of src/, builds the tests under
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
# Extra arguments go to ctest, e.g. `scripts/test.sh -R tst_wav_header`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

unformatted=$(git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run 2>&1 | grep -c 'warning:' || true)
if [ "$unformatted" -gt 0 ]; then
    git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run 2>&1 | head -40
    echo "clang-format: $unformatted places differ from .clang-format" >&2
    exit 1
fi

python3 scripts/check_layers.py

cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test "$@"
