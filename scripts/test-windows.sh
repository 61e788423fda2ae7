#!/usr/bin/env bash
# Cross-builds the core and babyname-cli.exe for 64-bit Windows (no Qt) and runs their whole test
# suite under wine, then checks that babyname-cli.exe prints byte for byte what the Linux program
# prints. Usage: scripts/test-windows.sh [FOLDER] (default build-windows).
#
# SQLite for Windows is compiled from the amalgamation that the npm package better-sqlite3 ships,
# with the options the program relies on; GoogleTest from Debian's sources in /usr/src/googletest.
# Both land in FOLDER/deps and are built once. Set BABYNAME_SETUP_DONE=1 when scripts/setup.sh has
# already run, and BABYNAME_LINUX_CLI to a freshly built Linux babyname-cli to compare with
# (scripts/test.sh does both).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
folder=${1:-build-windows}
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
deps=$folder/deps
jobs=$(nproc)
sqlite_package=better-sqlite3@12.6.2

[ "${BABYNAME_SETUP_DONE:-}" = 1 ] || bash scripts/setup.sh

packages=(g++-mingw-w64-x86-64-posix wine wine64 cmake ninja-build googletest)
bash scripts/install-packages.sh "${packages[@]}"

wine=""
for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then
    wine=$candidate
    break
  fi
done
# The wine folder the build's tests use too (cmake/mingw-w64-x86_64.cmake); made here, once.
export WINEPREFIX=$folder/build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# One wine server, with wine's own background services, for the whole stage. Started by a test
# instead, the services would inherit that test's output pipe and keep ctest waiting on it.
wineserver=""
for candidate in "$(dirname "${wine:-/usr/lib/wine/wine64}")/wineserver64" \
  "$(dirname "${wine:-/usr/lib/wine/wine64}")/wineserver" "$(command -v wineserver || true)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then
    wineserver=$candidate
    break
  fi
done
if [ -n "$wineserver" ]; then
  "$wineserver" -p </dev/null >/dev/null 2>&1 || true
  trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
fi
if [ -z "$wine" ] || ! "$wine" cmd /c exit 0 </dev/null >"$folder/wine-check.log" 2>&1; then
  echo "== SKIPPED: wine cannot run programs on this machine; the Windows build was not tested" >&2
  echo "${wine:-wine is not installed}: $(cat "$folder/wine-check.log" 2>/dev/null)" >&2
  exit 0
fi

launcher=()
ccache=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  ccache=(ccache)
fi
toolchain=$root/cmake/mingw-w64-x86_64.cmake

# SQLite, as one static library; the stamp names the package, so a new version rebuilds it.
if [ "$(cat "$deps/sqlite.stamp" 2>/dev/null)" != "$sqlite_package" ]; then
  echo "== SQLite for Windows ($sqlite_package)"
  rm -rf "$deps/sqlite-src" && mkdir -p "$deps/sqlite-src" "$deps/include" "$deps/lib"
  (cd "$deps/sqlite-src" && npm pack "$sqlite_package" --silent --loglevel=error >/dev/null &&
    tar xzf better-sqlite3-*.tgz package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h)
  amalgamation=$deps/sqlite-src/package/deps/sqlite3
  # DBSTAT lets the tests find a table's pages; the rest are the options of Debian's build.
  "${ccache[@]}" x86_64-w64-mingw32-gcc-posix -O2 -c "$amalgamation/sqlite3.c" \
    -o "$deps/sqlite-src/sqlite3.o" -DSQLITE_THREADSAFE=1 -DSQLITE_ENABLE_DBSTAT_VTAB \
    -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_ENABLE_FTS3 -DSQLITE_ENABLE_FTS4 \
    -DSQLITE_ENABLE_FTS5 -DSQLITE_ENABLE_RTREE -DSQLITE_ENABLE_MATH_FUNCTIONS \
    -DSQLITE_SECURE_DELETE -DSQLITE_ENABLE_UNLOCK_NOTIFY -DSQLITE_MAX_SCHEMA_RETRY=25 \
    -DSQLITE_MAX_VARIABLE_NUMBER=250000
  rm -f "$deps/lib/libsqlite3.a"
  x86_64-w64-mingw32-ar rcs "$deps/lib/libsqlite3.a" "$deps/sqlite-src/sqlite3.o"
  cp "$amalgamation/sqlite3.h" "$deps/include/"
  echo "$sqlite_package" >"$deps/sqlite.stamp"
fi

if [ ! -f "$deps/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$deps/googletest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$deps" -DBUILD_GMOCK=OFF \
    "${launcher[@]}" >/dev/null
  cmake --build "$deps/googletest-build" -j "$jobs" --target install >/dev/null
fi

echo "== Core and babyname-cli for Windows, tests under wine"
cmake -S . -B "$folder/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DBABYNAME_WINDOWS_DEPS="$deps" \
  -DBABYNAME_WITH_QT=OFF -DBABYNAME_WITH_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$folder/build" -j "$jobs"
# Now and then wine fails to start a program at all (no output, no test run); a second try tells
# that apart from a test that fails.
ctest --test-dir "$folder/build" --output-on-failure --no-tests=error -j "$jobs" \
  --repeat until-pass:2

# The same answers as on Linux, byte for byte, from the database beside the program (bin/data).
# scripts/test.sh hands over the program it has just built; alone, this script builds its own.
linux_cli=${BABYNAME_LINUX_CLI:-}
if [ -z "$linux_cli" ]; then
  echo "== babyname-cli for Linux, to compare with"
  cmake -S . -B "$folder/linux" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBABYNAME_WITH_QT=OFF -DBABYNAME_WITH_BENCH=OFF "${launcher[@]}" >/dev/null
  cmake --build "$folder/linux" -j "$jobs" --target babyname-cli
  linux_cli=$folder/linux/bin/babyname-cli
fi
echo "== babyname-cli.exe under wine against $linux_cli"
windows_cli=$folder/build/bin/babyname-cli.exe
compare=$folder/compare
rm -rf "$compare" && mkdir -p "$compare/linux" "$compare/windows"
commands=(
  "score 李 明华 --report 评分报告.html"
  "score 欧阳 靖"
  "generate --mode 高分 --surname 李 --seed 1 --export 高分名单.txt"
  "generate --mode 超吉 --surname 王 --sex 女 --second 木 --third 水 --seed 7"
  "generate --mode 诗词 --surname 张 --chars 春江花月夜 --seed 3"
  "generate --mode 经典 --surname 陈 --length 1 --seed 5"
  "generate --mode 组合 --surname 李 --chars 明华秀"
  "generate --mode 起小名 --surname 刘 --nickname AA --seed 2"
  "generate --mode 起英文名 --surname 李 --english-given 明 --english-sex 1"
  "pillars 2013-01-05 12:33:33"
  "bazi 2014-2-4 6"
  "elements 2013-01-01 0"
  "lunar 2020-5-23"
  "quality 范 统"
  "quality 李 勐渗"
)
failed=0
for i in "${!commands[@]}"; do
  read -r -a words <<<"${commands[$i]}"
  set +e
  (cd "$compare/linux" && "$linux_cli" "${words[@]}" >"../linux-$i.out" 2>/dev/null)
  linux_exit=$?
  (cd "$compare/windows" && "$wine" "$windows_cli" "${words[@]}" >"../windows-$i.out" 2>/dev/null)
  windows_exit=$?
  set -e
  if [ "$linux_exit" != "$windows_exit" ] || ! cmp -s "$compare/linux-$i.out" "$compare/windows-$i.out"; then
    echo "differs: babyname-cli ${commands[$i]} (exit $linux_exit on Linux, $windows_exit on Windows)"
    cmp "$compare/linux-$i.out" "$compare/windows-$i.out" || true
    failed=1
  elif [ ! -s "$compare/linux-$i.out" ]; then
    echo "no output: babyname-cli ${commands[$i]}"
    failed=1
  fi
done
# The files they wrote: the same names, the same bytes.
diff -r "$compare/linux" "$compare/windows" || failed=1
[ "$failed" = 0 ] || exit 1
echo "${#commands[@]} commands print and write the same bytes on Windows as on Linux"
