#!/usr/bin/env bash
# Sets up, builds and runs every test: a normal build, then the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the file readers' fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

jobs=2
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

echo "== Build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLORA_WERROR=ON > /dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLORA_SANITIZE=ON -DQUILLORA_WERROR=ON \
    -DQUILLORA_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -x scripts/fuzz.sh ]; then
    echo "== Fuzz the file readers =="
    scripts/fuzz.sh
fi
