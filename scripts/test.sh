#!/usr/bin/env bash
# Sets everything up, then builds and runs every test: the whole program once normally, the Qt-free
# core once under AddressSanitizer and UndefinedBehaviorSanitizer (which also proves the core
# builds without Qt), and the thread tests (run controller, database loading) under
# ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Core under AddressSanitizer + UndefinedBehaviorSanitizer, without Qt"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DBABYNAME_WITH_QT=OFF \
  -DBABYNAME_WITH_BENCH=OFF -DBABYNAME_SANITIZE=address,undefined
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Whole program"
bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Thread tests under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBABYNAME_WITH_QT=OFF \
  -DBABYNAME_WITH_BENCH=OFF -DBABYNAME_SANITIZE=thread >/dev/null
# Only the targets this stage runs; a stage that finds no test fails instead of passing empty.
cmake --build build-tsan -j "$jobs" --target generation_controller_tests numerology_loading_tests
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure --no-tests=error \
  -R '^(RunControllerTest|LoadingNameDatabase)\.'
