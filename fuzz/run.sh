#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time: fuzz/run.sh [SECONDS per target, default 60] [TARGET...].
# fuzz/run.sh --build-only compiles every target and runs none (the test command does this, so the
# targets keep building).
# Findings (crash-*, timeout-*, leak-*) are kept in build-fuzz/findings/TARGET/; each target's
# closing figures are printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
build_only=false
if [ "${1:-}" = --build-only ]; then
  build_only=true
  shift
fi
seconds=${1:-60}
shift || true
command -v clang++ >/dev/null || { echo "clang++ is needed (Debian package clang)" >&2; exit 1; }

# clang cannot compile narrow literals to GBK as the core's build does with gcc, so it compiles a
# copy of the sources converted to GB18030 (GBK byte for byte), whose literals it keeps as they
# are. Only the C++ sources are converted; everything else is copied unchanged.
root=$PWD/build-fuzz
sources=$root/src
mkdir -p "$sources"
while IFS= read -r -d '' file; do
  mkdir -p "$sources/$(dirname "$file")"
  case "$file" in
    *.cpp | *.h) iconv -f UTF-8 -t GB18030 "$file" >"$sources/$file.new" ;;
    *) cp "$file" "$sources/$file.new" ;;
  esac
  # Unchanged files keep their time stamps, so a second run rebuilds only what changed.
  if cmp -s "$sources/$file.new" "$sources/$file"; then rm "$sources/$file.new"; else mv "$sources/$file.new" "$sources/$file"; fi
done < <(git ls-files -z -- CMakeLists.txt cmake text files namedb numerology quality birthchart generation \
  knowledge cli tools fuzz settings)

CC=clang CXX=clang++ cmake -S "$sources" -B build-fuzz/build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBABYNAME_WITH_QT=OFF -DBABYNAME_WITH_BENCH=OFF -DBABYNAME_FUZZ=ON \
  -DBABYNAME_SANITIZE=address,undefined >/dev/null
targets=(fuzz_gbk fuzz_gbk_text fuzz_scoring fuzz_birthchart fuzz_command_line fuzz_settings)
[ $# -eq 0 ] || targets=("$@")
cmake --build build-fuzz/build -j2 --target "${targets[@]}"
if $build_only; then
  echo "Built: ${targets[*]}"
  exit 0
fi
summary=()
status=0
for target in "${targets[@]}"; do
  corpus=$root/corpus/$target
  findings=$root/findings/$target
  scratch=$root/scratch/$target
  mkdir -p "$corpus" "$findings" "$scratch"
  log=$root/$target.log
  # A target's words (fuzz/TARGET.dict) lead the fuzzer into the formats it reads.
  dict=()
  [ -f "fuzz/$target.dict" ] && dict=(-dict="$PWD/fuzz/$target.dict")
  echo "== $target for ${seconds}s"
  # The scratch folder is the working folder: files the command line writes stay inside it.
  # Standard output of the target is closed (the command line prints every result there).
  if (cd "$scratch" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
      "$root/build/bin/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
      -close_fd_mask=1 -artifact_prefix="$findings/" -print_final_stats=1 "${dict[@]}" \
      "$corpus" >"$log" 2>&1); then
    result=ok
  else
    result="FINDING (see $log)"
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  summary+=("$target: $runs executions, $(ls "$findings" | wc -l) findings, $result")
done
echo
printf '%s\n' "${summary[@]}"
exit $status
