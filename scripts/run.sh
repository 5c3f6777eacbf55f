#!/usr/bin/env bash
# Installs what is missing, builds, and opens the bundled example design.
set -euo pipefail
cd "$(dirname "$0")/.."

# True when Qt will find somewhere to show its windows: a reachable X server,
# a Wayland socket, or a platform chosen by hand (QT_QPA_PLATFORM=offscreen).
display_available() {
  [ -n "${QT_QPA_PLATFORM:-}" ] && return 0
  if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    local socket="$WAYLAND_DISPLAY"
    [ "${socket#/}" = "$socket" ] && socket="${XDG_RUNTIME_DIR:-/nonexistent}/$socket"
    [ -S "$socket" ] && return 0
  fi
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
design="${1:-examples/sailboat.s98}"
if [ -x build/src/app/skelmora ]; then
  if ! display_available; then
    echo "run.sh: no display found; run it in a desktop session, or as 'xvfb-run -a bash scripts/run.sh', or use the command-line tool: build/src/cli/skelmora-cli info $design" >&2
    exit 1
  fi
  exec build/src/app/skelmora "$design"
fi
build/src/cli/skelmora-cli info "$design"
build/src/cli/skelmora-cli sections "$design"
