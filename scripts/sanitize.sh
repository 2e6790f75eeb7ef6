#!/usr/bin/env bash
# Builds the headless libraries with clang under AddressSanitizer and UndefinedBehaviorSanitizer,
# runs their unit tests, and gives every fuzz target a short run over its seed corpus.
# FUZZ_SECONDS sets the length of each fuzz run (default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${LUMARO_ASAN_DIR:-build-asan}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DLUMARO_SANITIZE=ON -DLUMARO_FUZZ=ON -DLUMARO_GUI=OFF -DLUMARO_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-O1" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)" -L unit

seconds=${FUZZ_SECONDS:-20}
for fuzzer in "$build_dir"/bin/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer"); name=${name#fuzz_}
  seeds=fuzz/corpus/$name
  work=$(mktemp -d)
  echo "fuzz $name for ${seconds}s"
  if [ -d "$seeds" ]; then
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 "$work" "$seeds" 2>&1 | tail -n 2
  else
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 "$work" 2>&1 | tail -n 2
  fi
  rm -rf "$work"
done
