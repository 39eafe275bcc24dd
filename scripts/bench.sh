#!/bin/bash
# `make bench`: measures sizes and times and prints them as a table, each
# figure against its reference taken in the same run where there is one.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
: "${BUILD_ROOT:=$root/build}"
export BUILD_ROOT
"$root/scripts/setup.sh" || exit 1
win="$BUILD_ROOT/win"
[ -f "$win/CMakeCache.txt" ] || cmake -S "$root" -B "$win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  "-DMANIFEST_URL=http://127.0.0.1:${TEST_HTTP_PORT:-18080}/屏笺.xml" >/dev/null || exit 1
cmake --build "$win" -j"$(nproc)" --target pingjian updater minimal_window startup_bench >/dev/null || exit 1

dist="$win/dist"
windows_path() { echo "Z:$1" | tr / '\\'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

rows=()
row() { rows+=("| $1 | $2 | $3 | $4 | $5 |"); }

updater_size=$(stat -c %s "$dist/update.exe")
program_size=$(stat -c %s "$dist/屏笺.exe")
row "update.exe size" "$updater_size B" "868,352 B (the carried updater's reference size)" "$(ratio "$updater_size" 868352)" "≤ 262,144 B"
row "屏笺.exe size, updater inside" "$program_size B" "-" "-" "≤ 655,360 B"

rounds=${BENCH_ROUNDS:-15}
startup=$("$root/scripts/with-display.sh" timeout 600 wine "$win/tests/bench/startup_bench.exe" "$rounds" \
  "$(windows_path "$dist/屏笺.exe")" "鼠标右键有帮助" "$(windows_path "$win/tests/bench/minimal_window.exe")" minimal \
  2>/dev/null | tr -d '\r' | tail -n 1)
read -r program_ms reference_ms <<<"$startup"
row "start-up to a visible MainWindow (median of $rounds)" "${program_ms:-?} ms" "${reference_ms:-?} ms (one-window program)" \
  "$(ratio "${program_ms:-0}" "${reference_ms:-0}")" "≤ 1.3"

echo "| figure | measured | reference | ratio | goal |"
echo "|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
echo
echo "machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version 2>/dev/null)"
