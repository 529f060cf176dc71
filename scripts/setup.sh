#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Solvo need.
# Idempotent: only what is missing is installed, so a second run takes seconds.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-qpa-plugins libgl-dev
  libxkbcommon-dev
  nlohmann-json3-dev libcli11-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-dev
  fonts-liberation2 fontconfig
  locales
  xvfb xauth x11-apps poppler-utils
  lintian appstream desktop-file-utils bash-completion man-db devscripts
  acl attr
  g++-mingw-w64-x86-64-posix wine64
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
