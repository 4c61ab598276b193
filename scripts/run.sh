#!/usr/bin/env bash
# Builds the program (nothing of the tests) and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh" run
BUILD_TYPE=Release TARGETS=kelra bash "$root/scripts/build.sh" "$root/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: run Kelra under a display, for example: xvfb-run -a $root/build/app/kelra" >&2
  exit 1
fi
exec "$root/build/app/kelra" "$@"
