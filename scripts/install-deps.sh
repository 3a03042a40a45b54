#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
# Does nothing when they are all present, so it is cheap to run every time.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libgl-dev libglx-dev
  libgtest-dev libbenchmark-dev libsqlite3-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-liberation
  xvfb xauth fonts-dejavu-core poppler-utils desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
