#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lies where, that
# the desktop entry and the metainfo validate, and that the installed binary,
# started from / with an empty HOME, finds its shipped files and makes its folder.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.clavora.clavora
for f in bin/clavora share/clavora/Error.wav share/clavora/Clavora.html \
         share/clavora/Writing_rules.rtf share/clavora/clavora_logo.svg \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/128x128/apps/$id.png; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f" >&2; exit 1; }
done
for module in sound print; do
  find "$prefix" -path "*/clavora/libclavora-$module.so" | grep -q . ||
    { echo "missing after install: the $module module" >&2; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null

version=$("$prefix/bin/clavora" --version)
expected="Clavora $(sed -n 's/^project(Clavora VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")"
[ "$version" = "$expected" ] || { echo "--version says '$version', not '$expected'" >&2; exit 1; }

paths=$(cd / && env -i HOME="$home" "$prefix/bin/clavora" --paths)
echo "$paths" | grep -qx "shipped files: $prefix/share/clavora" ||
  { echo "the installed binary looks for its files elsewhere: $paths" >&2; exit 1; }
echo "$paths" | grep -qx "program directory: $home/.local/share/clavora" ||
  { echo "unexpected program directory: $paths" >&2; exit 1; }

# It opens its window (offscreen here) and makes its folder.
(cd / && env -i HOME="$home" QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/clavora") || [ $? -eq 124 ]
[ -d "$home/.local/share/clavora/Texts" ] || { echo "no program folder made" >&2; exit 1; }
echo "install layout ok"
