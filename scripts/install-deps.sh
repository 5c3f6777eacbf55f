#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again: it
# only calls apt-get when something is missing, so a second run is quick and
# needs no network. Every name below is a real package (not a name that
# another package only provides), or the installed-check could never pass.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-14-dev llvm
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libqt6openglwidgets6
  qt6-charts-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libqt6svg6 qt6-qpa-plugins
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri mesa-utils
  xvfb xauth x11-utils xdotool imagemagick
  poppler-utils fonts-dejavu-core
  libocct-data-exchange-dev
  libcli11-dev
  pybind11-dev python3-dev python3-numpy python3-matplotlib python3-pytest
  ccache
)

# The names among the arguments that dpkg does not list as installed (one
# dpkg-query for all of them).
not_installed() {
  local -A installed=()
  local name status p
  while read -r name status; do
    [ "$status" = "ii" ] && installed[$name]=1
  done < <(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "$@" 2>/dev/null || true)
  for p in "$@"; do
    [ -n "${installed[$p]:-}" ] || echo "$p"
  done
}

mapfile -t missing < <(not_installed "${packages[@]}")
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

# A name that apt-get accepted but dpkg does not list is a virtual one: the
# next run would install again. Say which, so the list can be corrected.
mapfile -t still < <(not_installed "${missing[@]}")
if [ ${#still[@]} -ne 0 ]; then
  echo "install-deps.sh: not installed under these names (virtual packages?): ${still[*]}" >&2
  exit 1
fi
