#!/usr/bin/env bash
# Configures (once) and builds the given preset; quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
if [ ! -f "build/$preset/build.ninja" ]; then
  cmake --preset "$preset" >/dev/null
fi
cmake --build --preset "$preset"
