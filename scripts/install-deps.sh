#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Installs the Debian packages Veltrane needs, if any are missing:
#   install-deps.sh [run]   what building and running the program needs
#   install-deps.sh test    that and the test tools (Clang, the checkers,
#                           Xvfb and the accessibility stack)
#   install-deps.sh test --with-display-tools   and what the screenshots need
# Uses apt-get directly as root, or through sudo otherwise, and waits for
# another apt or dpkg that holds the package lock.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config dpkg-dev gzip
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  fonts-dejavu-core xdg-utils
)
mode="${1:-run}"
case "$mode" in
  run) ;;
  test)
    packages+=(
      clang git
      desktop-file-utils appstream man-db
      clang-format reuse lintian
      xvfb xauth dbus at-spi2-core
      python3-gi gir1.2-atspi-2.0 xdotool
    )
    if [ "${2:-}" = "--with-display-tools" ]; then
      packages+=(imagemagick openbox)
    fi
    ;;
  *)
    echo "usage: $0 [run|test [--with-display-tools]]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all the packages '$mode' needs are present."
  exit 0
fi

echo "install-deps: installing missing Debian packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# Another apt or dpkg (an update running in the background, another install)
# holds the lock: wait for it, saying so, rather than fail at once.
lock_wait=600
apt=("${sudo_cmd[@]}" apt-get -o "DPkg::Lock::Timeout=$lock_wait")
lists_busy() { "${sudo_cmd[@]}" fuser /var/lib/apt/lists/lock /var/lib/dpkg/lock-frontend >/dev/null 2>&1; }
if command -v fuser >/dev/null 2>&1 && lists_busy; then
  echo "install-deps: another apt or dpkg is running; waiting for it (up to $((lock_wait / 60)) minutes)..."
  for _ in $(seq "$lock_wait"); do
    lists_busy || break
    sleep 1
  done
fi
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
echo "install-deps: done."
