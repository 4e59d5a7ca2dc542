#!/usr/bin/env bash
# The Debian package as a school's computer gets it: made by CPack from
# this build, unpacked into a temporary root with dpkg -x, and its programs
# run from there: every --version prints the build's one version,
# ispyt-tool reads the installed example, and ispyt started as its desktop
# entry starts it makes the user's program folder from the example and
# paints its first frame (offscreen), and keeps that folder the next time;
# the installation lets the receiver open its port.
# Last, lintian: its errors and warnings fail the test.
#   PackageTest.sh BUILD_DIR VERSION
set -euo pipefail
export PATH="$PATH:/usr/sbin:/sbin"  # getcap
build=$1
version=$2
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/out/ispyt_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$work/out")"

# The dependencies: the linked libraries' packages, found by shlibdeps, and
# what is loaded at run time.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for p in libqt6widgets6 libqt6charts6 libsdl2-mixer-2.0-0 libsqlite3-0 libx11-6 \
         qt6-qpa-plugins fonts-dejavu-core; do
  [[ ", $depends," == *", $p"[\ ,]* ]] || fail "Depends lacks $p"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"

dpkg -x "$deb" "$work/root"
usr="$work/root/usr"
for f in bin/ispyt bin/ispyt-tool bin/ispyt-receiver \
         share/applications/ispyt.desktop share/applications/ispyt-receiver.desktop \
         share/icons/hicolor/scalable/apps/ispyt.svg \
         share/icons/hicolor/scalable/apps/ispyt-receiver.svg \
         share/man/man1/ispyt.1.gz share/man/man1/ispyt-tool.1.gz \
         share/man/man1/ispyt-receiver.1.gz \
         share/doc/ispyt/copyright share/doc/ispyt/changelog.gz \
         share/ispyt/example/Decor/decor.ini share/ispyt/example/Sound/Start.Mid; do
  [ -f "$usr/$f" ] || fail "the package lacks /usr/$f"
done
# The charts window's library, in the package's own folder (ispyt opens it
# from there, ispyt-tool's --version below is linked to it).
find "$usr/lib" -path '*/ispyt/libispyt_charts.so' | grep -q . ||
  fail "the package lacks lib/.../ispyt/libispyt_charts.so"
# The manual pages hold every command (ispyt-tool's) and option.
zcat "$usr/share/man/man1/ispyt-tool.1.gz" | grep -q '^\.SS inspect-test' || fail "ispyt-tool.1"
zcat "$usr/share/man/man1/ispyt.1.gz" | grep -q 'user\\-folder' || fail "ispyt.1"

for program in ispyt ispyt-tool ispyt-receiver; do
  said="$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/$program" --version)"
  [ "$said" = "$program $version" ] || fail "$program --version said '$said'"
done

example="$usr/share/ispyt/example"
inspected="$("$usr/bin/ispyt-tool" inspect-test "$example/Base/Шкільні тести/Усі типи завдань/test.txt" --seed 1)"
types="$(grep -o '"type": *[0-9]' <<<"$inspected" | tr -d ' ' | sort -u | tr '\n' ' ')"
[ "$types" = '"type":0 "type":1 "type":2 "type":3 "type":4 "type":5 "type":6 "type":7 ' ] ||
  fail "inspect-test on the installed example: types $types"

# ispyt as its desktop entry starts it, to its first frame.
read -ra entry <<<"$(sed -n 's/^Exec=//p' "$usr/share/applications/ispyt.desktop")"
[ "${entry[0]}" = ispyt ] || fail "the desktop entry starts '${entry[*]}'"
first_frame() {  # log: ispyt started as the desktop entry says, until its first frame
  local log=$1 app
  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ISPYT_REPORT_FIRST_FRAME=1 \
    XDG_DATA_HOME="$work/data" HOME="$work/home" \
    "$usr/bin/${entry[0]}" "${entry[@]:1}" 2>"$log" &
  app=$!
  for _ in $(seq 600); do
    grep -q "first frame painted" "$log" && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  grep "first frame painted" "$log" || { cat "$log"; fail "ispyt painted no first frame"; }
}
mkdir -p "$work/home"
first_frame "$work/first.log"
folder="$work/data/ispyt/program"
[ -f "$folder/Base/Шкільні тести/Алгебра 8 клас/test.txt" ] || fail "no program folder made in $folder"
[ -w "$folder/Decor/decor.ini" ] || fail "the user's decor.ini cannot be written"
# The next start keeps what the user's folder has become.
echo kept >"$folder/Base/user.txt"
first_frame "$work/second.log"
[ "$(cat "$folder/Base/user.txt")" = kept ] || fail "the second start replaced the user's folder"

# The installation's own step: the receiver may open port 62.
dpkg-deb -e "$deb" "$work/control"
DPKG_ROOT="$work/root" "$work/control/postinst" configure
getcap "$usr/bin/ispyt-receiver" | grep -q cap_net_bind_service ||
  fail "the receiver was not let open port 62"

status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v '^running with root privileges' "$work/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian"
echo "package ispyt_${version} passed"
