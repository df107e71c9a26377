#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Makes the deployable folder and the installer of a Windows build:
#   make-installer.sh BUILD_DIR
# BUILD_DIR/deploy: the program, its Qt and MinGW DLLs and plugins, stripped;
# BUILD_DIR/veltrane-<version>-setup.exe: its NSIS installer. The installer
# is made twice and the two must be equal: the same sources, the same bytes.
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
app_id=$(sed -n 's/.*kApplicationId\[\] = "\(.*\)".*/\1/p' "$build/src/generated/BuildInfo.h")
[ -n "$version" ] && [ -n "$app_id" ] || { echo "make-installer: $build is not a configured build" >&2; exit 1; }
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)}

deploy=$build/deploy
rm -rf "$deploy"
cmake --install "$build" --prefix "$deploy" >/dev/null
find "$deploy" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
find "$deploy" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

# The file lists, in one order whatever the file system's.
lists=$build/installer
mkdir -p "$lists"
: >"$lists/files.nsh"
: >"$lists/unfiles.nsh"
(cd "$deploy" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) | while read -r f; do
  dir=$(dirname "$f")
  win=${f//\//\\}
  if [ "$dir" = . ]; then echo "SetOutPath \"\$INSTDIR\""; else echo "SetOutPath \"\$INSTDIR\\${dir//\//\\}\""; fi >>"$lists/files.nsh"
  echo "File \"$deploy/$f\"" >>"$lists/files.nsh"
  echo "Delete \"\$INSTDIR\\$win\"" >>"$lists/unfiles.nsh"
done
(cd "$deploy" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r) | while read -r d; do
  echo "RMDir \"\$INSTDIR\\${d//\//\\}\"" >>"$lists/unfiles.nsh"
done

make_one() {
  makensis -V2 -NOCD -DVERSION="$version" -DAPP_ID="$app_id" -DDEPLOY="$deploy" \
    -DFILES="$lists/files.nsh" -DUNFILES="$lists/unfiles.nsh" -DICON="$build/src/veltrane.ico" \
    -DOUTFILE="$1" "$here/veltrane.nsi"
}
setup=$build/veltrane-$version-setup.exe
make_one "$setup"
make_one "$lists/again.exe"
if ! cmp -s "$setup" "$lists/again.exe"; then
  echo "make-installer: two runs made different installers" >&2
  exit 1
fi
rm -f "$lists/again.exe"
echo "make-installer: $setup ($(du -k "$setup" | cut -f1) KiB, sha256 $(sha256sum "$setup" | cut -c1-16)...)"
