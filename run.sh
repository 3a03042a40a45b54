#!/usr/bin/env bash
# Installs what is missing, builds, and starts Clavora.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" dev

# The program keeps its user file and own texts in its program directory (the
# current directory at start-up); a folder of its own keeps them across builds.
home=${CLAVORA_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/clavora}
mkdir -p "$home/Texts"
for f in "$root"/assets/*; do
  cp -u "$f" "$home/"
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: run it under Xvfb with  xvfb-run -s '-screen 0 1280x1024x24' ./run.sh" >&2
  exit 1
fi
cd "$home"
exec "$root/build/dev/bin/clavora" "$@"
