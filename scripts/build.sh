#!/usr/bin/env bash
# build.sh DIR [cmake options...]: configures (once) and builds Kelra into DIR.
# TARGETS="a b" builds only those targets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
targets=()
for t in ${TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$dir" "${targets[@]}" -- -j"$(nproc)"
