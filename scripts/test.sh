#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the sanitizer build of every test (core, CLI and the Qt test programs),
# the fuzz corpus replay and a short fuzz run, then the full build's suite.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh
jobs=$(nproc)

echo "== sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSKELMORA_SANITIZE=ON \
  -DSKELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
# The Qt test programs run here too (offscreen, as ctest sets them up).
(cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$jobs")

echo "== fuzz corpus replay and a short fuzz run"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DSKELMORA_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
# The seeds include a full 51 x 51 net, some 100 kB of text.
max_len=262144
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  corpus="$root/fuzz/corpus/$name"
  [ -d "$corpus" ] || { echo "no corpus for $name" >&2; exit 1; }
  echo "-- $name: $(ls "$corpus" | wc -l) inputs"
  "$target" -runs=0 -max_len=$max_len "$corpus"/* >/dev/null 2>build-fuzz/replay-$name.log \
    || { cat build-fuzz/replay-$name.log >&2; exit 1; }
  # New inputs go to a scratch corpus, never into the seeds.
  work="build-fuzz/corpus-$name"
  rm -rf "$work" && mkdir -p "$work"
  "$target" -max_len=$max_len -max_total_time="${FUZZ_SECONDS:-30}" -timeout=120 \
    -artifact_prefix=build-fuzz/crash-$name- "$work" "$corpus" \
    >/dev/null 2>build-fuzz/fuzz-$name.log \
    || { tail -n 60 build-fuzz/fuzz-$name.log >&2; exit 1; }
done

echo "== full build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
