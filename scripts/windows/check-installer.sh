#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Checks a Windows installer under Wine, in a Wine prefix made for the check:
#   check-installer.sh SETUP.exe SCREENSHOT.png [DISPLAY_NUMBER]
# For all users and then for the current user: a silent install (/S) puts
# the program, the Start-menu entry and the uninstaller in place; the
# installed program, with nothing but its own folder to load from, starts
# and shows its window (a screenshot of Wine's desktop on an Xvfb display,
# for all users); the silent uninstall leaves no file and no registry entry
# behind.
set -euo pipefail

setup=$(realpath "$1")
shot=$(realpath -m "$2")
display=:${3:-120}
here=$(cd "$(dirname "$0")" && pwd)

prefix=$(mktemp -d "${TMPDIR:-/tmp}/veltrane-installer.XXXXXX")
xvfb_pid=
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT
export VELTRANE_WINEPREFIX=$prefix/wine
unset WINEPATH
wine=("$here/wine-run.sh")
fail() {
  echo "check-installer: $*" >&2
  exit 1
}
settle() { WINEPREFIX=$VELTRANE_WINEPREFIX wineserver --wait; }

"${wine[@]}" cmd /c exit >/dev/null 2>&1 # makes the prefix
settle
drive=$VELTRANE_WINEPREFIX/drive_c
user_dir=$(find "$drive/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)
# Everything but Windows' own folder and the temporary ones. The per-user
# programs folder is one of Windows' known folders, made for the first
# per-user install and shared by all of them: it stays.
snapshot() {
  (cd "$drive" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -path '*/temp' -prune \
    -o -path './users/*/AppData/Local/Programs' -o -print | LC_ALL=C sort)
}
registry_mentions() { cat "$VELTRANE_WINEPREFIX"/system.reg "$VELTRANE_WINEPREFIX"/user.reg | grep -ci veltrane || true; }
before=$(snapshot)
[ "$(registry_mentions)" = 0 ] || fail "the fresh prefix already mentions the program"

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
kill -0 "$xvfb_pid" 2>/dev/null || fail "no Xvfb on $display (is the display taken?)"

for mode in AllUsers CurrentUser; do
  "${wine[@]}" "$setup" /S "/$mode" || fail "$mode: the installer failed"
  settle
  if [ "$mode" = AllUsers ]; then
    dir="$drive/Program Files/Veltrane"
    menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Veltrane.lnk"
    hive=system.reg
  else
    dir="$user_dir/AppData/Local/Programs/Veltrane"
    menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Veltrane.lnk"
    hive=user.reg
  fi
  for f in veltrane.exe uninstall.exe Qt6Core.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    imageformats/qsvg.dll iconengines/qsvgicon.dll libstdc++-6.dll; do
    [ -f "$dir/$f" ] || fail "$mode: $dir/$f not installed"
  done
  [ -f "$menu" ] || fail "$mode: no Start-menu entry $menu"
  grep -qi 'Uninstall\\\\[a-z_.]*veltrane\]' "$VELTRANE_WINEPREFIX/$hive" || fail "$mode: not listed among the installed programs"
  echo "check-installer: $mode: installed in ${dir#"$drive"/}, with its Start-menu entry and uninstaller"

  # Started as the Start menu starts it: from its folder, no other DLLs.
  exe="C:${dir#"$drive"}"
  exe=${exe//\//\\}\\veltrane.exe
  DISPLAY=$display "${wine[@]}" explorer /desktop=shot,1280x1024 "$exe" >/dev/null 2>&1 &
  lock=
  for _ in $(seq 60); do
    lock=$(find "$user_dir/AppData/Local" -name veltrane.lock 2>/dev/null | head -n1)
    [ -n "$lock" ] && break
    sleep 1
  done
  [ -n "$lock" ] || fail "$mode: the installed program did not start (no lock taken)"
  echo "check-installer: $mode: the program runs, its lock in ${lock#"$drive"/}"
  if [ "$mode" = AllUsers ]; then
    sleep 8 # the main window's first paint
    import -display "$display" -window root "$shot"
    colours=$(identify -format '%k' "$shot")
    [ "$colours" -gt 50 ] || fail "the screenshot is nearly blank ($colours colours)"
    echo "check-installer: screenshot $shot ($colours colours)"
  fi
  WINEPREFIX=$VELTRANE_WINEPREFIX wineserver -k || true
  sleep 1

  "${wine[@]}" "$dir/uninstall.exe" /S "/$mode" || fail "$mode: the uninstaller failed"
  settle
  sleep 2 # the uninstaller runs from a copy that ends after the call
  settle
  after=$(snapshot)
  if [ "$before" != "$after" ]; then
    diff <(echo "$before") <(echo "$after") >&2 || true
    fail "$mode: the uninstall left files behind"
  fi
  [ "$(registry_mentions)" = 0 ] || fail "$mode: the registry still mentions the program: $(grep -i veltrane "$VELTRANE_WINEPREFIX"/*.reg)"
  echo "check-installer: $mode: uninstalled, nothing left behind"
done
