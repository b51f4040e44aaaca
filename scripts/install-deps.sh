#!/usr/bin/env bash
# Installs every Debian package the build, the player and the tests need; skips what is
# already present. As root it calls apt-get directly, otherwise through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang-format
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webchannel-dev libqt6webenginecore6-bin
  qt6-webengine-dev-tools qt6-qpa-plugins libgl-dev
  libpugixml-dev zlib1g-dev liblzma-dev libjpeg62-turbo-dev
  googletest libgtest-dev libgmock-dev
  clang libclang-rt-14-dev llvm
  xvfb xauth fonts-dejavu-core dbus-daemon dbus-session-bus-common
  xdg-utils shared-mime-info dbus
  haxe nodejs npm librsvg2-bin
  python3
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  case "$status" in
    *"install ok installed"*) ;;
    *)
      # nodejs from another source may bring npm itself.
      if [ "$p" = npm ] && command -v npm >/dev/null 2>&1; then continue; fi
      if [ "$p" = nodejs ] && command -v node >/dev/null 2>&1; then continue; fi
      missing+=("$p")
      ;;
  esac
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt=(apt-get)
else
  apt=(sudo apt-get)
fi
export DEBIAN_FRONTEND=noninteractive
"${apt[@]}" update
"${apt[@]}" install -y --no-install-recommends "${missing[@]}"
