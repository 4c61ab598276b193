#!/usr/bin/env bash
# Builds Kelra and runs every test: the normal build with warnings as errors,
# the Windows cross build of the portable core, the fuzz targets for a
# bounded time, and the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
# KELRA_QUICK=1 runs only the first two parts.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" "$root/build-test" -DKELRA_WERROR=ON -DKELRA_BENCH=ON
(cd "$root/build-test" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 300)
bash "$root/scripts/mingw.sh"
if [ "${KELRA_QUICK:-0}" != 1 ]; then
  bash "$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-8}"
  bash "$root/scripts/sanitize.sh"
fi
