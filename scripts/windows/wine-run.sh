#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Runs a Windows program under Wine for the build and the tests:
#   wine-run.sh [--path=DIR]... PROGRAM.exe [ARGUMENTS]
# Each --path folder (the Qt and MinGW DLLs) goes on Wine's search path. The
# Wine prefix is a folder of its own (VELTRANE_WINEPREFIX, by default in the
# cache), made on first use, never the user's ~/.wine. Wine's own messages
# are off (WINEDEBUG=-all), and without a display Wine draws nowhere.
set -euo pipefail

paths=()
while [ $# -gt 0 ] && [ "${1#--path=}" != "$1" ]; do
  dir=${1#--path=}
  paths+=("Z:${dir//\//\\}")
  shift
done

cache=${XDG_CACHE_HOME:-$HOME/.cache}/veltrane-windows
export WINEPREFIX=${VELTRANE_WINEPREFIX:-$cache/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# No prompts to fetch Wine's .NET and HTML engines (nothing here needs them),
# and no menu entries on the build machine's desktop for Start-menu links.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
# Wine keeps the QT_ variables of this machine from Windows programs (they
# name the host's Qt); WINEQT_NAME reaches them as QT_NAME. Qt's test library
# sends its report to the debugger, not the standard output, unless it sees
# a console or is told to write it there: without this ctest shows nothing.
export WINEQT_FORCE_STDERR_LOGGING=1
if [ ${#paths[@]} -gt 0 ]; then
  WINEPATH=$(IFS=';'; echo "${paths[*]}")${WINEPATH:+;$WINEPATH}
  export WINEPATH
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      DISPLAY= wineboot --init >/dev/null 2>&1
      wineserver --wait
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# Wine's server and background programs (its desktop among them) outlive
# the program that starts them, and would hold its output open: ctest would
# wait for them until its time runs out. So the program writes to files of
# its own, passed on when it ends.
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0
wine "$@" >"$out" 2>"$err" || status=$?
cat "$out"
cat "$err" >&2
exit "$status"
