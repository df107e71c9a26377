#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Installs the Debian packages Veltrane needs, if any are missing:
#   install-deps.sh [run]   what building and running the program needs
#   install-deps.sh test    that and the test tools (Clang, the checkers,
#                           Xvfb and the accessibility stack)
#   install-deps.sh test --with-display-tools   and what the screenshots need
#   install-deps.sh windows the build machine's part and the Windows build's:
#                           the MinGW-w64 cross compiler, Qt's host tools,
#                           Wine, NSIS, and Debian's source entry (Qt for
#                           Windows is built from Debian's qt6-base source)
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
      python3-gi gir1.2-atspi-2.0 xdotool openbox
    )
    if [ "${2:-}" = "--with-display-tools" ]; then
      packages+=(imagemagick)
    fi
    ;;
  windows)
    packages+=(
      g++-mingw-w64-x86-64-posix qt6-base-dev-tools xz-utils
      wine wine64 nsis
      xvfb xauth imagemagick
    )
    ;;
  *)
    echo "usage: $0 [run|test [--with-display-tools]|windows]" >&2
    exit 2
    ;;
esac

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  sudo_cmd=(false)
fi

# Debian's source entry for the Windows build: the same mirror as the binary
# packages, main only.
sources_added=no
if [ "$mode" = windows ] &&
  ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  mirror=$(grep -hsm1 '^URIs:' /etc/apt/sources.list.d/debian.sources | awk '{print $2}')
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "install-deps: adding a deb-src entry for bookworm main on $mirror"
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$mirror" |
    "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
  sources_added=yes
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ] && [ "$sources_added" = no ]; then
  echo "install-deps: all the packages '$mode' needs are present."
  exit 0
fi

if [ "${sudo_cmd[*]}" = false ]; then
  echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi
[ ${#missing[@]} -eq 0 ] || echo "install-deps: installing missing Debian packages: ${missing[*]}"
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
[ ${#missing[@]} -eq 0 ] || "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
echo "install-deps: done."
