#!/usr/bin/env bash
# Sets everything up, then builds and runs every test: the whole program once under AddressSanitizer
# and UndefinedBehaviorSanitizer and once normally, and the thread tests (run controller, database
# loading) under ThreadSanitizer in a build without Qt, which also shows the core needs none; the
# core and babyname-cli cross-built for Windows run their tests under wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Whole program under AddressSanitizer + UndefinedBehaviorSanitizer"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DBABYNAME_WITH_BENCH=OFF \
  -DBABYNAME_SANITIZE=address,undefined
# Qt's platform plugins and fontconfig keep some allocations for the life of the process.
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Whole program, with a sound output for the read-aloud tests"
bash scripts/start-sound.sh
bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== The core and babyname-cli built for Windows, tested under wine, compared with Linux"
BABYNAME_SETUP_DONE=1 BABYNAME_LINUX_CLI=$PWD/build/bin/babyname-cli \
  bash scripts/test-windows.sh build-windows

echo "== The Debian package: built, checked, unpacked and run from a read-only place"
deb=$(bash scripts/package.sh build)
bash dist/tests/check_package.sh "$deb" build/bin/installed_tree_tests

echo "== Thread tests under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBABYNAME_WITH_QT=OFF \
  -DBABYNAME_WITH_BENCH=OFF -DBABYNAME_SANITIZE=thread >/dev/null
# Only the targets this stage runs; a stage that finds no test fails instead of passing empty.
cmake --build build-tsan -j "$jobs" --target generation_controller_tests numerology_loading_tests
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure --no-tests=error \
  -R '^(RunControllerTest|LoadingNameDatabase)\.'

echo "== Fuzz targets (compiled with clang, not run: fuzz/run.sh runs them)"
bash fuzz/run.sh --build-only
