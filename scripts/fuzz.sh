#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded
# time on its corpus (default 30 s each): scripts/fuzz.sh [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${1:-30}"
"$root/scripts/install-deps.sh"
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DISPYT_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
targets=$(cd "$root/fuzz" && ls *.cpp | grep -v ReplayMain | sed 's/\.cpp$//')
for t in $targets; do cmake --build "$build" -j2 --target "fuzz_$t"; done
for t in $targets; do
  work="$build/corpus-$t"
  mkdir -p "$work"
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=65536 "$work" "$root/fuzz/corpus/$t"
done
