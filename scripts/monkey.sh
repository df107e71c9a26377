#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# The long monkey run: at least 50,000 random user actions across every
# window, in the AddressSanitizer/UBSan build, with the coverage of windows
# and actions printed. Replay a failure with the seed it prints:
#   scripts/monkey.sh [STEPS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
steps=${1:-50000}
seed=${2:-$(date +%s)}
make --no-print-directory deps
[ -f build-asan/build.ninja ] || cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_WERROR=ON -DVELTRANE_SANITIZE=ON
cmake --build build-asan --target tst_monkey
echo "monkey: $steps steps, seed $seed"
QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 \
ASAN_OPTIONS=detect_leaks=1:max_free_fill_size=4096:free_fill_byte=255 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
VELTRANE_MONKEY_STEPS=$steps VELTRANE_MONKEY_SEED=$seed VELTRANE_MONKEY_REPORT=1 VELTRANE_MONKEY_ALL_WINDOWS=1 \
  build-asan/tests/monkey/tst_monkey -maxwarnings 0 2>&1 | grep -v 'propagateSizeHints'
