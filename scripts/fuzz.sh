#!/usr/bin/env bash
# Runs the fuzz targets of fuzz/targets.txt, built by scripts/sanitize.sh (VORLEN_FUZZ):
# each one first over its committed regression inputs (fuzz/regressions/<target>/, every
# input once), then for SECONDS of fuzzing from its seeds: what fuzz_seeds writes, the
# folders of ../shared/corpus (when present) and of the repository that the table names, and
# the regression inputs. Any finding (crash, sanitizer report, timeout, memory limit) fails
# the run; the input that caused it is kept in BUILD/fuzz-findings/<target>/.
#
# Usage: scripts/fuzz.sh [BUILD_DIR] [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(realpath "${1:-build-sanitize}")
seconds=${2:-20}
shift $(($# > 2 ? 2 : $#))
wanted=("$@")
corpus=$(realpath -m ../shared/corpus)

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:check_initialization_order=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

seeds="$build/fuzz-seeds"
rm -rf "$seeds"
"$build/fuzz/fuzz_seeds" "$seeds"

failed=()
while read -r target _source corpusDirs repoDirs maxLen dict; do
  case "$target" in '' | '#'*) continue ;; esac
  if [ ${#wanted[@]} -gt 0 ] && [[ ! " ${wanted[*]} " == *" $target "* ]]; then continue; fi
  program="$build/fuzz/fuzz_$target"
  findings="$build/fuzz-findings/$target"
  work="$build/fuzz-corpus/$target"
  mkdir -p "$findings" "$work"
  # Regression inputs run whole; fuzzing keeps to the table's input length.
  options=(-timeout=10 -rss_limit_mb=3072 -malloc_limit_mb=600 -artifact_prefix="$findings/")

  regressions=()
  if [ -d "fuzz/regressions/$target" ]; then
    while IFS= read -r -d '' file; do regressions+=("$file"); done \
      < <(find "fuzz/regressions/$target" -type f -print0 | sort -z)
  fi
  if [ ${#regressions[@]} -gt 0 ]; then
    echo "== fuzz_$target: ${#regressions[@]} regression inputs"
    if ! "$program" "${options[@]}" "${regressions[@]}" </dev/null >"$findings/regressions.log" 2>&1; then
      tail -n 40 "$findings/regressions.log"
      failed+=("$target (regression inputs)")
      continue
    fi
  fi

  dirs=("$work")
  [ -d "$seeds/$target" ] && dirs+=("$seeds/$target")
  [ -d "fuzz/regressions/$target" ] && dirs+=("fuzz/regressions/$target")
  for d in ${corpusDirs//,/ }; do
    [ "$d" != "-" ] && [ -d "$corpus/$d" ] && dirs+=("$corpus/$d")
  done
  for d in ${repoDirs//,/ }; do
    [ "$d" != "-" ] && [ -d "$d" ] && dirs+=("$d")
  done
  options+=(-max_len="$maxLen")
  [ "$dict" != "-" ] && options+=(-dict="$root/fuzz/dicts/$dict")
  echo "== fuzz_$target: ${seconds}s from ${dirs[*]:1}"
  if ! "$program" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 "${dirs[@]}" </dev/null \
    >"$findings/fuzz.log" 2>&1; then
    tail -n 60 "$findings/fuzz.log"
    failed+=("$target")
    continue
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$findings/fuzz.log" | tr '\n' ' '
  echo
done <fuzz/targets.txt

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs in $build/fuzz-findings/)"
  exit 1
fi
echo "fuzz: no findings"
