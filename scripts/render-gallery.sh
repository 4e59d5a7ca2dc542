#!/usr/bin/env bash
# Renders the markup examples and every title, question and option of the
# demo tests into PNGs with `ispyt-tool render`, so that a person can look
# at them: scripts/render-gallery.sh [FOLDER] (default screenshots/render).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ISPYT_BUILD_DIR:-$root/build}"
out="${1:-$root/screenshots/render}"
cmake --build "$build" --target ispyt-tool >/dev/null
tool="$build/ispyt-tool"
mkdir -p "$out"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

render() {  # name size max-size text [extra options]
  local name=$1 size=$2 max=$3 text=$4
  shift 4
  "$tool" render --size "$size" --max-size "$max" "$@" -o "$out/$name.png" -- "$text" >/dev/null 2>&1 ||
    echo "failed: $name" >&2
}

# The markup, one feature per picture.
render 01-empty 400x60 24 ''
render 02-superscript 400x60 24 'x]2[ + y]2[ = r]2['
render 03-subscript 400x60 24 'H[2]O, H[2]SO[4]'
render 04-stacked 400x60 24 'x]2[~[1] + x]2[~[2]'
render 05-literal-bracket 400x60 24 'a[[i]] = b[[i]]'
render 06-fraction 400x80 24 '{1\2} + {1\3} = {5\6}'
render 07-fraction-centred 400x80 24 '{x+1\2} = {1\x-1}'
render 08-arrow 400x80 24 'CaCO[3] {t\ } CaO + CO[2]'
render 09-double-arrow 400x80 24 'N[2] + 3H[2] {t\=} 2NH[3]'
render 10-system 400x80 24 '{x+y=1^x-y=3}'
render 11-two-systems 600x80 24 '{x+y=1^x-y=3} та {2x=4^y=x+1}'
render 12-square-root 400x60 24 '#2x# + #216# = 4'
render 13-cube-root 400x60 24 '#3x# = 2'
render 14-escapes 400x60 24 '`a, `b, `p, `D, `з, `и, `й, `к`л`м`н`о, `п, `р, `г, `Г'
render 15-line-break 400x90 24 '¶Перший рядок¶Другий рядок'
render 16-no-break 300x90 24 'Слова без_розриву_між_ними і звичайні слова'
render 17-gaps 500x60 24 'Столиця України ‹, а Франції ‹, Польщі ‹.'
render 18-long-word 300x60 64 'Найнеймовірніший'
render 19-comparisons 400x60 24 'x >= 1, y <= 2'
render 20-styles 500x60 24 '¤жирне, ўпідкреслене, џкурсив, Ўa, ™ab, ќb'
render 21-integral 400x90 24 '$]b[~[a]f(x)dx = F(b) - F(a)'
render 22-bold 400x80 24 '{1\2} + ¤x]2[ = #2y#' --bold

# The demo tests: titles (as plain text; the title's smoothing has its own
# golden picture), questions and options as their sources give them.
for source in "$root"/demo/tests/*/*.txt; do
  base=$(basename "$source" .txt | tr ' ' '_')
  n=0
  while IFS= read -r line; do
    case "$line" in
      "title: "*) render "demo-$base-title" 600x90 64 "${line#title: }" ;;
      "? "*) n=$((n + 1)); render "demo-$base-$n-question" 640x120 24 "${line#\? }"; o=0 ;;
      "+ "* | "- "* | "< "* | "> "*) o=$((o + 1)); render "demo-$base-$n-option$o" 500x50 64 "${line:2}" ;;
    esac
  done <"$source"
done
# The main screen through `ispyt-tool screen`: every colour scheme, and
# every kind of screen background (a picture stretched and one tiled, the
# built-in tile, the desktop, the gradient), at 800x600 and 1280x800, on a
# copy of the demo folder with two pictures of our own in Decor/Fon1 and
# one in Decor/Fon2.
program="$(mktemp -d)"
trap 'rm -rf "$program"' EXIT
cp -r "$build/demo/." "$program"
mkdir -p "$program/Decor/Fon1" "$program/Decor/Fon2"
python3 - "$program/Decor" <<'PY'
import math, struct, sys
def bmp(path, w, h, colour):
    row = (w * 3 + 3) & ~3
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 54 + row * h, 0, 0, 54))
        f.write(struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, row * h, 2835, 2835, 0, 0))
        for y in range(h - 1, -1, -1):
            line = bytearray()
            for x in range(w):
                r, g, b = colour(x, y, w, h)
                line += bytes((b, g, r))
            f.write(line + b"\0" * (row - w * 3))
# A wide landscape (stretched), a small tile (tiled), a card backdrop tile.
bmp(sys.argv[1] + "/Fon1/Пагорби.bmp", 1024, 768, lambda x, y, w, h:
    (90 + 100 * y // h, 150 + int(60 * math.sin(x / 90.0)) * (y > h * 0.6), 230 - 150 * y // h))
bmp(sys.argv[1] + "/Fon1/Плитка.bmp", 96, 72, lambda x, y, w, h:
    (200, 190, 150) if (x // 24 + y // 24) % 2 else (225, 215, 180))
bmp(sys.argv[1] + "/Fon2/Блакить.bmp", 64, 64, lambda x, y, w, h:
    (200 + (x * y) % 40, 225, 245))
PY
screen() {  # name size [options]
  local name=$1 size=$2
  shift 2
  "$tool" screen --program-folder "$program" --size "$size" "$@" -o "$out/screen-$name-$size.png" \
    >/dev/null 2>&1 || echo "failed: screen $name $size" >&2
}
for size in 800x600 1280x800; do
  for scheme in Ялиця Гарбуз Морська Рожева Дощ Сланець Весна Прозорий; do
    screen "scheme-$scheme" "$size" --scheme "$scheme" --background Градієнт
  done
  screen background-stretched "$size" --background Пагорби --card-backdrop Блакить
  screen background-tiled "$size" --background Плитка --scheme Дощ
  screen background-roller "$size" --background Накат
  screen background-desktop "$size" --background Прозорий --card-backdrop Прозорий
  screen background-gradient "$size" --background Градієнт --scheme Весна
done
# Each transition as a strip of its frames (a quarter, half and three
# quarters of the way), from `ispyt-tool transition --frames`.
for effect in Відрив Розчинення Жалюзі 'В`їзд' Падіння Поява Проявлення Нема; do
  frames="$program/frames-$effect"
  "$tool" transition "$effect" --frames "$frames" >/dev/null 2>&1 || echo "failed: transition $effect" >&2
  n=$(ls "$frames" | wc -l)
  pick() { printf '%s/frame-%03d.png' "$frames" $(("$1" * n / 4 > 0 ? "$1" * n / 4 : 1)); }
  convert "$(pick 1)" "$(pick 2)" "$(pick 3)" +append "$out/transition-$effect.png" 2>/dev/null ||
    cp "$(pick 2)" "$out/transition-$effect.png"
done
echo "gallery in $out"
