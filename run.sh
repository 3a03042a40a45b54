#!/usr/bin/env bash
# Installs what is missing, builds, and starts Clavora.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" dev

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: run it under Xvfb with  xvfb-run -s '-screen 0 1280x1024x24' ./run.sh" >&2
  exit 1
fi
# The program keeps its user file and own texts in ~/.local/share/clavora (or
# $CLAVORA_HOME) and finds the files it ships beside the build's binary.
exec "$root/build/dev/bin/clavora" "$@"
