#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on a
# copy of its seed corpus. Usage: scripts/fuzz.sh [seconds per target] [target...]
# (or FUZZ_SECONDS=N). Fails when any target finds a crash, leak or timeout.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-${FUZZ_SECONDS:-8}}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(number reopen wraptext draw filename datetime)

bash "$root/scripts/deps.sh" test
build="$root/build-fuzz"
mkdir -p "$build"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKELRA_FUZZ=ON -DKELRA_BENCH=OFF -DKELRA_WERROR=ON >"$build/configure.log" 2>&1 ||
    { tail -n 40 "$build/configure.log"; exit 1; }
fi
ninja -C "$build" -j"$(nproc)" kelra_fuzz >"$build/fuzz-build.log" 2>&1 || { tail -n 60 "$build/fuzz-build.log"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TZ=UTC
passed=0
failed=0
for t in "${targets[@]}"; do
  corpus="$work/$t"
  mkdir -p "$corpus" "$work/artifacts-$t"
  cp -r "$root/fuzz/corpus/$t/." "$corpus/"
  log="$work/$t.log"
  rc=0
  "$build/fuzz/fuzz_$t" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts-$t/" >"$log" 2>&1 || rc=$?
  runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
  cov="$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)"
  if [ "$rc" -eq 0 ]; then
    passed=$((passed + 1))
    echo "fuzz_$t: ok, ${runs:-?} runs in ${seconds}s, ${cov:-cov: ?}"
  else
    failed=$((failed + 1))
    echo "fuzz_$t: FAILED (exit $rc) after ${runs:-?} runs"
    tail -n 60 "$log"
    for a in "$work/artifacts-$t"/*; do
      [ -f "$a" ] || continue
      echo "input $(basename "$a") (base64): $(head -c 4096 "$a" | base64 -w0)"
    done
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
