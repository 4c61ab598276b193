#!/usr/bin/env bash
# Compiles the model and the chart engine (no Qt, no tests) for Windows with
# the MinGW-w64 cross compiler, warnings as errors, so the portable core stays portable.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" "$root/build-mingw" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DKELRA_CORE_ONLY=ON -DKELRA_WERROR=ON -DKELRA_BENCH=OFF
