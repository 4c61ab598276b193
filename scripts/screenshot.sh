#!/usr/bin/env bash
# Builds Kelra and saves a picture of it with two persons and a comments window.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh" test
BUILD_TYPE=Release TARGETS=kelra_screenshot bash "$root/scripts/build.sh" "$root/build"
out="${1:-$root/docs/screenshot.png}"
xvfb-run -a -s "-screen 0 1400x1000x24" "$root/build/tools/kelra_screenshot" "$out"
echo "saved $out"
