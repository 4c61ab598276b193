#!/usr/bin/env bash
# Builds Kelra with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh" test
BUILD_TYPE=Debug bash "$root/scripts/build.sh" "$root/build-asan" -DKELRA_WERROR=ON -DKELRA_SANITIZE=ON -DKELRA_BENCH=OFF \
  -DBUILD_TESTING=ON
cd "$root/build-asan"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600
