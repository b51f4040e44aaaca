#!/usr/bin/env bash
# The instrumented checks: the core and its tests that need no display, built with
# AddressSanitizer and UndefinedBehaviorSanitizer (clang, stopping at the first finding, with
# libFuzzer's coverage) into build-sanitize/; those tests run, then every fuzz target for
# FUZZ_SECONDS (default 20) through scripts/fuzz.sh. Prints the time of each stage. The build
# folder is SANITIZE_DIR (default build-sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${SANITIZE_DIR:-build-sanitize}
flags="-O1 -gline-tables-only"

start=$SECONDS
cmake -S . -B "$dir" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVORLEN_FUZZ=ON \
  -DVORLEN_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_FLAGS_RELWITHDEBINFO="$flags" \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$flags" >/dev/null
cmake --build "$dir" -j "${JOBS:-$(nproc)}" --target vorlen_core_tests vorlen_fuzzers
built=$SECONDS
echo "sanitize: build in $((built - start)) s"

echo "== sanitizer tests"
(
  cd "$dir"
  ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1}" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}" \
    ctest -L core --output-on-failure -j "${JOBS:-2}"
)
tested=$SECONDS
echo "sanitize: tests in $((tested - built)) s"

echo "== fuzzing"
scripts/fuzz.sh "$dir" "${FUZZ_SECONDS:-20}"
echo "sanitize: fuzzing in $((SECONDS - tested)) s"
