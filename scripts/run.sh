#!/usr/bin/env bash
# Installs what is missing, builds, and opens the bundled example design.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
design="${1:-examples/cruiser.s98}"
if [ -x build/src/app/skelmora ]; then
  exec build/src/app/skelmora "$design"
fi
build/src/cli/skelmora-cli info "$design"
build/src/cli/skelmora-cli sections "$design"
