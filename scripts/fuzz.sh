#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (in build-fuzz/) and runs
# each on its corpus.
#   scripts/fuzz.sh [SECONDS]        fuzz each target for SECONDS (default 30)
#   scripts/fuzz.sh SECONDS RUNS     RUNS inputs each from a fixed seed, at most
#                                    SECONDS each: the same run every time
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ISPYT_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-30}"
runs="${2:-}"
"$root/scripts/install-deps.sh"
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DISPYT_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
targets=$(cd "$root/fuzz" && ls *.cpp | grep -v ReplayMain | sed 's/\.cpp$//')
cmake --build "$build" -j2 --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)
limits=(-max_total_time="$seconds" -max_len=65536)
[ -n "$runs" ] && limits+=(-runs="$runs" -seed=1)
for t in $targets; do
  work="$build/corpus-$t"
  rm -rf "$work" && mkdir -p "$work"
  echo "fuzzing $t"
  "$build/fuzz/fuzz_$t" "${limits[@]}" "$work" "$root/fuzz/corpus/$t" 2>"$build/fuzz-$t.log" ||
    { tail -n 40 "$build/fuzz-$t.log"; echo "fuzz_$t failed"; exit 1; }
  grep -E '^(Done|#[0-9]+ *DONE)' "$build/fuzz-$t.log" | tail -n 1 || true
done
