#!/usr/bin/env bash
# Builds when needed and makes the Debian package of ispyt, ispyt-tool and
# ispyt-receiver: build/ispyt_<version>_<arch>.deb (ISPYT_BUILD_DIR picks
# another folder).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ISPYT_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
cpack --config "$build/CPackConfig.cmake" -B "$build" >"$build/cpack.log" 2>&1 ||
  { cat "$build/cpack.log"; exit 1; }
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$build/cpack.log"
