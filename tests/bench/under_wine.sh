#!/bin/bash
# The Windows half of `make bench`, run by scripts/bench.sh inside one
# private display and Wine session (scripts/with-display.sh): each
# measurement writes its result line to a file of its own in RESULTS, or
# nothing when it failed.
#   under_wine.sh RESULTS BENCH_DIR
set -uo pipefail
results=$1 bench=$2
win="$BUILD_ROOT/win"
dist="$win/dist"
rounds=${BENCH_ROUNDS:-31}
windows_path() { echo "Z:$1" | tr / '\\'; }
# The last line a Wine program printed, without the carriage return.
run() { local out=$1; shift; timeout 600 wine "$@" 2>"$out.log" | tr -d '\r' | tail -n 1 >"$out"; }

run "$results/startup" "$win/tests/bench/startup_bench.exe" "$rounds" \
  "$(windows_path "$dist/屏笺.exe")" "鼠标右键有帮助" "$(windows_path "$win/tests/bench/minimal_window.exe")" minimal

updater=$(windows_path "$bench/download/updater/update.exe")
for size in 16 256; do
  for round in 1 2 3; do
    run "$results/download$size.$round" "$win/tests/bench/download_bench.exe" "$updater" \
      "$DOWNLOAD_BASE/bench$size.bin" $((size * 1024 * 1024))
  done
done

for round in 1 2 3; do
  rm -rf "$bench/extract/wine"
  run "$results/extract.$round" "$win/tests/bench/extract_bench.exe" \
    "$(windows_path "$bench/archive.zip")" "$(windows_path "$bench/extract/wine")"
done

run "$results/check" "$win/tests/bench/check_bench.exe" "$(windows_path "$bench/check/屏笺.exe")" "${BENCH_CHECK_ROUNDS:-5}"
