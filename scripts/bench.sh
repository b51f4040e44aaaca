#!/usr/bin/env bash
# Builds and runs the benchmarks, one after the other, each printing its own figures.
# Usage: scripts/bench.sh [NAME...]   (names without "bench_"; all when none are given)
# Figures are only meaningful on an otherwise idle machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  names=(decompress extract playlist tool png_decode resample script engine shots browse skin player_start)
fi
for name in "${names[@]}"; do
  echo "== bench_$name"
  case "$name" in
    engine | shots | browse | skin | player_start) display=yes ;;
    *) display=no ;;
  esac
  if [ "$display" = yes ] && [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "build/bench/bench_$name"
  else
    "build/bench/bench_$name"
  fi
done
