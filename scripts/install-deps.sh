#!/usr/bin/env bash
# Installs every Debian package that the build, the program and the tests need, when missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libxcb-keysyms1-dev libgl1-mesa-dev
  xvfb xauth xdotool python3 xdg-utils dbus-daemon
  librsvg2-bin scdoc desktop-file-utils appstream dpkg-dev file clang-format
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
