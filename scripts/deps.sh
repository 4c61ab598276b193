#!/usr/bin/env bash
# Installs the Debian packages Kelra needs, only those that are missing.
# deps.sh run: what building and running the program needs; deps.sh test (the
# default): that and what the tests, fuzzing, sanitizers and packaging need.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
set_name="${1:-test}"
# The font packages are listed once, in CMakeLists.txt (they are also the package's dependencies).
read -r -a fonts <<<"$(sed -n 's/^set(KELRA_FONT_PACKAGES \(.*\))$/\1/p' "$root/CMakeLists.txt")"
[ ${#fonts[@]} -gt 0 ] || { echo "deps.sh: no KELRA_FONT_PACKAGES in CMakeLists.txt" >&2; exit 1; }
pkgs=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libxcb-xkb-dev pkg-config "${fonts[@]}")
case "$set_name" in
  run) ;;
  test) pkgs+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev
               dpkg-dev desktop-file-utils appstream g++-mingw-w64-x86-64-posix) ;;
  *) echo "usage: deps.sh [run|test]" >&2; exit 2 ;;
esac
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
  else
    echo "Kelra needs these Debian packages, which are not installed: ${missing[*]}" >&2
    echo "Install them as root, then run this command again:" >&2
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
