#!/usr/bin/env bash
# Installs what is missing, builds, checks the formatting and runs every test. Tests that
# need a display or the rendering engine run under xvfb-run. Then the sanitizer build with its
# tests and the fuzz targets (scripts/sanitize.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh

echo "== formatting"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || true)
if [ -n "$files" ]; then
  # shellcheck disable=SC2086
  clang-format --dry-run -Werror $files
fi

echo "== tests"
(
  cd build
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j "${JOBS:-2}" "$@"
)

# The sanitizer build, its tests and the fuzz targets; SANITIZE=0 leaves them out.
if [ "${SANITIZE:-1}" != 0 ]; then
  scripts/sanitize.sh
fi
