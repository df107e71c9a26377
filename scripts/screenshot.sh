#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Starts Veltrane under a virtual X display with a window manager, optionally
# drives it with xdotool, and saves a screenshot of the whole screen:
#   scripts/screenshot.sh OUT.png [SECONDS] [xdotool arguments...]
# e.g. scripts/screenshot.sh about.png 3 key alt+h sleep 0.3 key a sleep 1
set -euo pipefail
out=$(realpath -m "${1:?output png}")
wait_s=${2:-3}
shift $(( $# >= 2 ? 2 : $# ))
bin=$(realpath "${VELTRANE_BIN:-build/src/veltrane}")
tmp=$(mktemp -d)
mkdir -m 700 "$tmp/run" "$tmp/config"
steps=$(printf '%q ' "$@")
XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run \
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c "
  openbox >/dev/null 2>&1 &
  sleep 0.5
  '$bin' >/dev/null 2>&1 &
  sleep $wait_s
  if [ -n \"$steps\" ]; then xdotool $steps; fi
  import -window root '$out'
  kill %2 2>/dev/null || true
"
rm -rf "$tmp"
