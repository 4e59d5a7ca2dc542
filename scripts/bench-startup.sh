#!/usr/bin/env bash
# Start-up and idle memory of ispyt beside a bare Qt window, in one run:
# offscreen at 800x800 and 1920x1080, then under Xvfb at 1920x1080.
#   scripts/bench-startup.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ISPYT_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" >/dev/null
fifo="$(mktemp -u)"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
read -r number <"$fifo"
rm -f "$fifo"
DISPLAY=":$number" ISPYT_BENCH_SCREEN="Xvfb 1920x1080" \
  "$build/bench/bench_Startup" "$build/ispyt" "$build/bench/bench_BareWindow" "$build/demo" \
  "${1:-15}"
