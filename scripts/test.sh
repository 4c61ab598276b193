#!/usr/bin/env bash
# Builds Kelra and runs every test: the normal build with warnings as errors,
# the Windows cross build of the portable core, a check of the installed tree
# and the Debian package, then the fuzz targets for a bounded time, then the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
# KELRA_QUICK=1 runs everything before the fuzz targets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh" test
bash "$root/scripts/build.sh" "$root/build-test" -DKELRA_WERROR=ON -DKELRA_BENCH=ON -DBUILD_TESTING=ON
(cd "$root/build-test" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 300)
bash "$root/scripts/mingw.sh"
bash "$root/scripts/check-install.sh" "$root/build-test"
if [ "${KELRA_QUICK:-0}" != 1 ]; then
  bash "$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-8}"
  bash "$root/scripts/sanitize.sh"
fi
