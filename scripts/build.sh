#!/usr/bin/env bash
# Installs what is missing, then configures (once) and builds with Ninja.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ISPYT_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2
