#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Builds Qt 6.4.2 for 64-bit Windows (win32-g++, MinGW-w64) once, into a cache
# folder outside the source tree, and prints its prefix on the last line.
# The folder's name carries a hash of this recipe (this script, the
# toolchain file and the patch), so a changed recipe builds afresh and an
# unchanged one is reused.
#
#   scripts/windows/build-qt.sh            # prefix on stdout, log beside it
#   VELTRANE_WINDOWS_CACHE=/some/dir ...   # another cache folder
#
# Sources: qtbase is Debian's own source package (apt-get source, checked
# against the signed archive); Qt SVG is not served by the mirror, so it is
# the upstream v6.4.2 archive kept in ../shared/vendor (checked by sha256).
#
# What is left out, and why:
#   tabletevent   Debian's source drops src/3rdparty/wintab, which the
#                 Windows tablet support needs.
#   opengl,       the program draws with QPainter only. With OpenGL off,
#   dynamicgl     6.4.2's qwindowswindow.cpp still calls the dynamic-GL
#                 helper in isSoftwareGl() unless dynamicgl is off too.
#   network, sql, dbus, printsupport, concurrent, xml, direct2d, vulkan
#                 modules and plugins the program does not use; leaving
#                 them out halves the build.
#   pkg_config    the build machine's libraries must not leak in; bundled
#                 zlib, libpng, harfbuzz, pcre2 and freetype are used.
# The one patch, qtbase-windows-plugin-without-direct2d.patch, says why in its
# header.
set -eEuo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
toolchain=$root/cmake/mingw-w64-toolchain.cmake
patch=$here/qtbase-windows-plugin-without-direct2d.patch
qt_version=6.4.2
qtbase_debian_version=6.4.2+dfsg-10
qtsvg_archive=${VELTRANE_QTSVG_ARCHIVE:-$root/../shared/vendor/qtsvg-everywhere-src-$qt_version.tar.xz}
qtsvg_sha256=b7f5c33044bc14926e9d7f3de46591e84ea943bb937592a5258fdfbd7f392cc6
jobs=${JOBS:-$(nproc)}

cache=${VELTRANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/veltrane-windows}
recipe=$(cat "$0" "$toolchain" "$patch" | sha256sum | cut -c1-12)
prefix=$cache/qt-$qt_version-mingw-$recipe
if [ -f "$prefix/.complete" ]; then
  echo "build-qt: Qt for Windows present (recipe $recipe)" >&2
  echo "$prefix"
  exit 0
fi

mkdir -p "$cache"
# One build at a time per cache folder; a second caller waits and reuses it.
exec 9>"$cache/.lock-$recipe"
flock 9
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

# The Qt build makes no use of the shared object cache: it is built once.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
# An interrupted build of the same recipe goes on where it stopped.
work=$cache/work-$recipe
log=$cache/build-qt-$recipe.log
rm -rf "$prefix"
mkdir -p "$work" "$prefix"
echo "build-qt: building Qt $qt_version for Windows into $prefix (log: $log)" >&2
start=$(date +%s)
exec 3>&1 4>&2 >>"$log" 2>&1
trap 'set +x; echo "build-qt: failed; the end of $log:" >&4; tail -n 30 "$log" >&4' ERR
set -x
cd "$work"
# Qt records the toolchain's path; a copy inside the prefix keeps the cached
# Qt usable when the source tree moves.
cp "$toolchain" "$prefix/mingw-w64-toolchain.cmake"

qtbase_src=$work/qt6-base-${qtbase_debian_version%-*}
[ -d "$qtbase_src" ] || apt-get source --only-source -qq "qt6-base=$qtbase_debian_version"
patch -d "$qtbase_src" -p1 -R --dry-run -s -f <"$patch" >/dev/null || patch -d "$qtbase_src" -p1 -s <"$patch"
cmake -S "$qtbase_src" -B build-qtbase -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-toolchain.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_tabletevent=OFF \
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_direct2d=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_pkg_config=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
cmake --build build-qtbase -j "$jobs"
cmake --install build-qtbase

echo "$qtsvg_sha256  $qtsvg_archive" | sha256sum -c -
qtsvg_src=$work/qtsvg-everywhere-src-$qt_version
[ -d "$qtsvg_src" ] || tar -xJf "$qtsvg_archive"
"$prefix/bin/qt-cmake" -S "$qtsvg_src" -B build-qtsvg -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
cmake --build build-qtsvg -j "$jobs"
cmake --install build-qtsvg
set +x
trap - ERR
exec >&3 2>&4

elapsed=$(($(date +%s) - start))
echo "Qt $qt_version for Windows, recipe $recipe, built in ${elapsed}s on $(date -u +%FT%TZ)" >"$prefix/.complete"
rm -rf "$work"
echo "build-qt: done in $((elapsed / 60)) min $((elapsed % 60)) s" >&2
echo "$prefix"
