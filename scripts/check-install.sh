#!/usr/bin/env bash
# check-install.sh BUILD: installs the built Kelra into a temporary prefix and
# builds its Debian package, and checks both: every file in its place and
# nothing else, the desktop entry and the AppStream metadata valid, the icons of
# their sizes, the package's control fields, and the installed program answering.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
config="$build/generated/KelraConfig.h"
id="$(sed -n 's/^#define KELRA_APP_ID "\(.*\)"$/\1/p' "$config")"
version="$(sed -n 's/^#define KELRA_VERSION "\(.*\)"$/\1/p' "$config")"
read -r -a fonts <<<"$(sed -n 's/^set(KELRA_FONT_PACKAGES \(.*\))$/\1/p' "$root/CMakeLists.txt")"
[ -n "$id" ] && [ -n "$version" ] && [ ${#fonts[@]} -gt 0 ] || { echo "check-install: cannot read the id, version or fonts" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }
quiet() { "$@" >"$work/out.log" 2>&1 || { cat "$work/out.log" >&2; fail "failed: $*"; }; }

sizes=(16 22 24 32 48 64 128 256)
{
  echo "bin/kelra"
  echo "bin/kelra-cli"
  echo "share/applications/$id.desktop"
  for s in "${sizes[@]}"; do echo "share/icons/hicolor/${s}x${s}/apps/$id.png"; done
  echo "share/icons/hicolor/scalable/apps/$id.svg"
  echo "share/man/man1/kelra.1"
  echo "share/metainfo/$id.metainfo.xml"
} | LC_ALL=C sort >"$work/expected"

# The installed tree.
prefix="$work/prefix"
quiet cmake --install "$build" --prefix "$prefix"
(cd "$prefix" && find . -type f -o -type l) | sed 's|^\./||' | LC_ALL=C sort >"$work/installed"
diff -u "$work/expected" "$work/installed" || fail "the installed tree differs from the expected one (- missing, + extra)"
exec_line="$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")"
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "the desktop entry's Exec=$exec_line is not the installed program"
quiet desktop-file-validate "$prefix/share/applications/$id.desktop"
quiet appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
for s in "${sizes[@]}"; do
  png="$prefix/share/icons/hicolor/${s}x${s}/apps/$id.png"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  read -r w h <<<"$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')"
  [ "$w" = "$s" ] && [ "$h" = "$s" ] || fail "$png is ${w}x$h"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"
answer="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$prefix/bin/kelra" --version)"
[ "$answer" = "Kelra $version" ] || fail "kelra --version says '$answer'"
cli_answer="$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/kelra-cli" --version)"
[[ "$cli_answer" == *"$version"* ]] || fail "kelra-cli --version says '$cli_answer'"

# The Debian package: the same files below /usr, and its control fields.
(cd "$build" && quiet cpack -G DEB -B "$work/pkg")
arch="$(dpkg --print-architecture)"
deb="$work/pkg/kelra_${version}_${arch}.deb"
[ -f "$deb" ] || fail "cpack made no $(basename "$deb")"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | LC_ALL=C sort >"$work/packaged"
diff -u "$work/expected" "$work/packaged" || fail "the package's files differ from the expected ones (- missing, + extra)"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kelra ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
for f in Maintainer Section Description; do [ -n "$(field "$f")" ] || fail "no $f field"; done
depends="$(field Depends)"
for p in "${fonts[@]}" libqt6widgets6; do
  [[ ", $depends," == *", $p"[\ ,]* ]] || fail "Depends lacks $p: $depends"
done
echo "check-install: $(wc -l <"$work/expected") files installed and packaged in $(basename "$deb"), all checks passed"
