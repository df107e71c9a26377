#!/usr/bin/env bash
# Starts Veltrane under a virtual X display with a window manager and saves
# a screenshot: scripts/screenshot.sh OUT.png [SECONDS] [-- xdotool steps...]
set -euo pipefail
out=${1:?output png}
wait_s=${2:-3}
bin=${VELTRANE_BIN:-build/src/veltrane}
export XDG_CONFIG_HOME=$(mktemp -d) XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c "
  openbox >/dev/null 2>&1 &
  sleep 0.5
  $bin >/dev/null 2>&1 &
  sleep $wait_s
  import -window root '$out'
  kill %2 2>/dev/null || true
"
