#!/usr/bin/env bash
# Installs what is missing, builds and starts the player with the given files or folders.
# Without a display the player runs under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
args=()
for a in "$@"; do
  # Relative paths are meant from where the user stands.
  if [ -e "$a" ]; then args+=("$(realpath "$a")"); else args+=("$a"); fi
done
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/Vorlen/vorlen "${args[@]}"
fi
exec build/Vorlen/vorlen "${args[@]}"
