#!/usr/bin/env bash
# Holds the order of the source folders: each uses only itself and the
# folders before it, and the core (everything outside ui/, qt/, win32/,
# x11/ and app/) never sees Qt.  Prints every include that breaks the order as
# FILE:LINE and exits 1; prints nothing and exits 0 when the house is in
# order.  Run from anywhere; `check-layers.sh DIR` checks another checkout.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

# The order, bottom first.  A folder's ui/, qt/, win32/, x11/ and sdl/ take its
# place; app/, receiver/ and tools/ stand at the top.
order="platform content presentation attempt results shell app receiver tools"

awk -v order="$order" '
  BEGIN {
    n = split(order, names, " ")
    for (i = 1; i <= n; ++i) rank[names[i]] = i
    rank["receiver"] = rank["app"]
    rank["tools"] = rank["app"]
  }
  # The folder a path belongs to: src/<folder>/..., or tools/.
  function folder(path,   parts) {
    split(path, parts, "/")
    return parts[1] == "src" ? parts[2] : parts[1]
  }
  function core(path) {
    return path ~ /^src\// && path !~ /\/(ui|qt|win32|x11|sdl|app)\//
  }
  FNR == 1 {
    file = FILENAME
    own = folder(file)
    if (!(own in rank)) {
      printf "%s:1: the folder %s has no place in the order (%s)\n", file, own, order
      bad = 1
    }
  }
  /^[ \t]*#[ \t]*include[ \t]*"/ {
    inc = $0
    sub(/^[^"]*"/, "", inc)
    sub(/".*/, "", inc)
    if (inc !~ /\//) next
    split(inc, parts, "/")
    used = parts[1]
    if (!(used in rank)) next
    if (rank[used] > rank[own]) {
      printf "%s:%d: includes %s, but %s comes after %s\n", file, FNR, inc, used, own
      bad = 1
    } else if (core(file) && inc ~ /\/(ui|qt|x11|sdl)\//) {
      printf "%s:%d: includes %s: the core sees no widget or Qt code\n", file, FNR, inc
      bad = 1
    }
  }
  /^[ \t]*#[ \t]*include[ \t]*<Q/ {
    if (core(FILENAME)) {
      printf "%s:%d: includes a Qt header: the core never sees Qt\n", FILENAME, FNR
      bad = 1
    }
  }
  /^[ \t]*#[ \t]*include[ \t]*<X11\// {
    if (core(FILENAME)) {
      printf "%s:%d: includes an Xlib header: the core never sees the window system\n", FILENAME, FNR
      bad = 1
    }
  }
  END { exit bad }
' $(find src tools -name '*.h' -o -name '*.cpp' | sort)
