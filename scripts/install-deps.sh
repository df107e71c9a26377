#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Installs the Debian packages Veltrane needs to build, run and test, if any
# are missing. Uses apt-get directly as root, or through sudo otherwise.
set -euo pipefail

packages=(
  g++ clang cmake ninja-build make pkg-config git
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  fonts-dejavu-core xdg-utils
  desktop-file-utils appstream man-db gzip
  clang-format reuse
  dpkg-dev lintian
  xvfb xauth dbus at-spi2-core
  python3-gi gir1.2-atspi-2.0 xdotool
)
if [ "${1:-}" = "--with-display-tools" ]; then
  packages+=(imagemagick openbox)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all build and run packages are present."
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
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
echo "install-deps: done."
