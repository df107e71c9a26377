#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Runs the announcement check against PROGRAM on the current X display, in
# the current D-Bus session: a window manager if there is one, the
# accessibility bus, and private runtime and settings folders.
#   run.sh PYTHON PROGRAM
set -u
here=$(cd "$(dirname "$0")" && pwd)
python=$1
program=$2
tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/run" "$tmp/config"
export XDG_RUNTIME_DIR=$tmp/run XDG_CONFIG_HOME=$tmp/config
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
if command -v openbox >/dev/null 2>&1; then
  openbox >/dev/null 2>&1 &
  sleep 0.5
fi
# Real key presses on a loaded machine can be taken apart (Alt+B seen as a
# bare Alt): one failed run is tried again before the test fails.
for attempt in 1 2; do
  "$here/../monkey/atspi-session.sh" "$python" "$here/announcements.py" "$program" && exit 0
  rc=$?
  [ $attempt -eq 1 ] && echo "announcements: attempt 1 failed (rc $rc); trying once more" >&2
  rm -rf "$tmp/run"/* "$tmp/config"/*
done
exit $rc
