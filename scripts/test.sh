#!/usr/bin/env bash
# Builds when needed, runs every file reader's fuzz target for a short fixed
# run (ISPYT_FUZZ_RUNS inputs each from a fixed seed, default 20000; 0 skips
# it), then the whole test suite through CTest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ISPYT_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
runs="${ISPYT_FUZZ_RUNS:-20000}"
if [ "$runs" -gt 0 ]; then
  "$root/scripts/fuzz.sh" 60 "$runs"
fi
ctest --test-dir "$build" --output-on-failure -j2 "$@"
