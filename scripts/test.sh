#!/usr/bin/env bash
# Builds when needed and runs the whole test suite through CTest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ISPYT_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure -j2 "$@"
