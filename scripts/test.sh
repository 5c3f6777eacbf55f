#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the sanitizer build of the core and CLI tests, the fuzz corpus replay,
# then the full build's test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh
jobs=$(nproc)

echo "== sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSKELMORA_SANITIZE=ON \
  -DSKELMORA_BUILD_APP=OFF -DSKELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs")

echo "== fuzz corpus replay"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DSKELMORA_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  corpus="$root/fuzz/corpus/$name"
  [ -d "$corpus" ] || { echo "no corpus for $name" >&2; exit 1; }
  echo "-- $name: $(ls "$corpus" | wc -l) inputs"
  "$target" -runs=0 "$corpus"/* >/dev/null 2>build-fuzz/replay-$name.log \
    || { cat build-fuzz/replay-$name.log >&2; exit 1; }
done

echo "== full build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
