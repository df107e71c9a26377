#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# The Windows build, from this Debian machine (`make windows`):
#   build.sh [BUILD_DIR]        (default build-windows)
# 1. installs what it needs (scripts/install-deps.sh windows);
# 2. builds Qt for Windows once into the cache (scripts/windows/build-qt.sh);
# 3. builds the build-time tools for this machine (BUILD_DIR/host);
# 4. cross-builds veltrane.exe and its tests with MinGW-w64;
# 5. runs the tests under Wine, with the offscreen platform, on an Xvfb
#    display where a test needs a window of Windows' own (a message box);
# 6. makes the deployable folder and the installer, reproducibly;
# 7. checks the installer under Wine (scripts/windows/check-installer.sh),
#    with a screenshot of the installed program in BUILD_DIR/installed.png.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath -m "${1:-$root/build-windows}")
jobs=${JOBS:-$(nproc)}
display=${VELTRANE_WINDOWS_DISPLAY:-120}
step() { echo "== windows: $* ($(date -u +%T))"; }

step "packages"
bash "$root/scripts/install-deps.sh" windows

step "Qt for Windows"
qt=$(bash "$here/build-qt.sh" | tail -n1)

step "build-time tools for this machine"
cmake -S "$root" -B "$build/host" -G Ninja -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
cmake --build "$build/host" --target iconrender -j "$jobs"

step "veltrane.exe and its tests"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DVELTRANE_HOST_TOOLS="$build/host/tools" -DCMAKE_INSTALL_BINDIR=. -DVELTRANE_WERROR=ON
cmake --build "$build" -j "$jobs"

step "the tests under Wine"
(cd "$build" && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j "$jobs")

step "the installer"
bash "$here/make-installer.sh" "$build"

step "the installer under Wine"
bash "$here/check-installer.sh" "$build"/veltrane-*-setup.exe "$build/installed.png" "$display"
step "done"
