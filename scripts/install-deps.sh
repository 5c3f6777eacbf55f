#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again: it
# only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-14-dev llvm
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libqt6openglwidgets6
  libqt6charts6-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libqt6svg6 qt6-qpa-plugins
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri mesa-utils
  xvfb xauth x11-utils xdotool imagemagick
  poppler-utils fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
