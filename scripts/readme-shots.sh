#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Makes the README's screenshots from the real program under Xvfb:
# the main window and one view of each test, into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test --with-display-tools >/dev/null
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DVELTRANE_WERROR=ON
cmake --build build --target veltrane-app >/dev/null
mkdir -p docs
# Launchers of the maximised main window on a 1280 x 1024 screen.
color="mousemove 427 101 click 1"
symbol="mousemove 659 101 click 1"
card="mousemove 891 101 click 1"
shot() { out=$1; shift; scripts/screenshot.sh "docs/$out" 3 "$@"; convert "docs/$out" -resize 50% "docs/$out"; }
shot main.png mousemove 640 330 sleep 0.3
shot card.png $card sleep 1.5
shot color.png $color sleep 1 key alt+f sleep 0.3 key c sleep 1
shot symbol.png $symbol sleep 1.5 key Return sleep 1
echo "readme-shots: docs/main.png docs/card.png docs/color.png docs/symbol.png"
