#!/usr/bin/env bash
# Builds when needed and runs ispyt in the demo program folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ISPYT_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
exec "$build/ispyt" --program-folder "$build/demo" "$@"
