#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Installs what the Windows build needs on Debian 12, if missing: the MinGW-w64
# cross compiler, Qt's host tools (moc, rcc, uic of the build machine), Wine
# to run the tests and the installer, NSIS for the installer, and the tools
# to look at the installed program. Also makes Debian's source packages
# reachable (a deb-src entry for the configured mirror), since Qt for
# Windows is built from Debian's qt6-base source. Kept apart from
# scripts/install-deps.sh: the Linux builds need none of this.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix qt6-base-dev-tools
  cmake ninja-build dpkg-dev xz-utils
  wine wine64 nsis
  xvfb xauth imagemagick
)

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  sudo_cmd=(false)
fi
export DEBIAN_FRONTEND=noninteractive
apt_get=("${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600)
updated=no

# The Debian source entry: the same mirror as the binary packages, main only.
if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  mirror=$(grep -hsm1 '^URIs:' /etc/apt/sources.list.d/debian.sources | awk '{print $2}')
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "windows-deps: adding a deb-src entry for bookworm main on $mirror"
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$mirror" |
    "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
  "${apt_get[@]}" update -qq
  updated=yes
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "windows-deps: all packages of the Windows build are present."
  exit 0
fi
echo "windows-deps: installing missing Debian packages: ${missing[*]}"
[ "$updated" = yes ] || "${apt_get[@]}" update -qq
"${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
echo "windows-deps: done."
