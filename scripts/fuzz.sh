#!/bin/sh
# Fuzzes the own-text loader and the RTF reader under the address and
# undefined-behaviour sanitizers: 100,000 inputs each (random bytes, and
# truncated and mutated copies of the sample files below). Extra arguments
# go to clavora-fuzz, e.g. --inputs 1000 --seed 5.
set -e
cd "$(dirname "$0")/.."
cmake --preset asan -DCMAKE_CXX_COMPILER_LAUNCHER=ccache > /dev/null
cmake --build --preset asan --target clavora-fuzz
# Any finding of either sanitizer stops the run with its report.
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
exec build/asan/bin/clavora-fuzz "$@" tests/data/texts/* tests/data/rtf/*.rtf assets/Writing_rules.rtf
