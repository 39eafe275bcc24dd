#!/bin/bash
# `make bench`: measures sizes and times and prints them as a table, each
# figure against its reference taken in the same run where there is one.
# The Windows programs run under Wine in a private display; the references
# (curl, unzip, a one-window program) run on the same machine in the same run.
# The downloads come from nginx on a free loopback port (it sends files with
# sendfile, so the server costs both clients next to nothing); the update check
# asks the test server, on TEST_HTTP_PORT (18080), the port the build's
# manifest address names. BENCH_ROUNDS sets the start-up rounds (31),
# BENCH_CHECK_ROUNDS the update check's (5).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
: "${BUILD_ROOT:=$root/build}"
export BUILD_ROOT
export TEST_HTTP_PORT=${TEST_HTTP_PORT:-18080}
port=$TEST_HTTP_PORT
"$root/scripts/setup.sh" || exit 1

win="$BUILD_ROOT/win"
mkdir -p "$BUILD_ROOT"
[ -f "$win/CMakeCache.txt" ] || cmake -S "$root" -B "$win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  "-DMANIFEST_URL=http://127.0.0.1:$port/屏笺.xml" >/dev/null || exit 1
cmake --build "$win" -j"$(nproc)" --target pingjian updater minimal_window startup_bench download_bench \
  extract_bench check_bench >"$BUILD_ROOT/bench.build.log" 2>&1 || { tail -n 40 "$BUILD_ROOT/bench.build.log"; exit 1; }
dist="$win/dist"

# A scratch tree of its own: copies of the programs (the updater writes next
# to itself, the update check next to the program), the archive, the results.
bench="$BUILD_ROOT/bench"
results="$bench/results"
rm -rf "$results" "$bench/download" "$bench/extract" "$bench/check"
mkdir -p "$results" "$bench/download/updater" "$bench/extract" "$bench/check"
cp "$dist/update.exe" "$bench/download/updater/"
cp "$dist/屏笺.exe" "$bench/check/"
if [ ! -f "$bench/archive.zip" ]; then
  echo "bench: writing the 200 MiB extraction archive (once)"
  python3 "$root/tests/bench/make_archive.py" "$bench/archive.zip" || exit 1
fi
mkdir -p "$bench/www"
for size in 16 256; do
  [ -f "$bench/www/bench$size.bin" ] || head -c $((size * 1024 * 1024)) /dev/urandom >"$bench/www/bench$size.bin" || exit 1
done

# The loopback test server, stopped again whatever happens.
. "$root/scripts/test-server.sh"
start_test_server "$port" "$bench/server.log" || exit 1
"$root/tests/road/nginx.sh" start "$bench/nginx" "$bench/www" || exit 1
trap 'stop_test_server; "$root/tests/road/nginx.sh" stop "$bench/nginx"' EXIT
export DOWNLOAD_BASE="http://127.0.0.1:$(cat "$bench/nginx/port")"
quote() { python3 -c 'import sys, urllib.parse; print(urllib.parse.quote(sys.argv[1].encode(sys.argv[2]), safe=""))' "$1" "${2:-utf-8}"; }
answer() { curl -fsS "http://127.0.0.1:$port/__answer?path=$(quote "$1" "$2")&kind=$3${4:+&$4}" >/dev/null || exit 1; }
# The program's own version: the check ends in "未检测到新版本". WinINet
# sends the path in code page 936.
manifest=$'<?xml version="1.0" encoding="utf-8"?>\r\n<最新版本>\r\n  <版本信息 版本号="3.2" 升级说明="修正" 下载地址="http://127.0.0.1/新版.zip" 文件标题="屏笺" 文件名="新版.zip"/>\r\n</最新版本>\r\n'
answer /屏笺.xml gbk manifest "body=$(quote "$manifest")"

# The references on the Linux side: curl on the same address, unzip on the
# same archive, each three times.
for _ in 1 2 3; do
  curl -fsS -o "$bench/download/curl.bin" -w '%{time_starttransfer} %{time_total}\n' \
    "$DOWNLOAD_BASE/bench256.bin" | awk '{ printf "%.1f\n", ($2 - $1) * 1000 }' >>"$results/curl"
done
rm -f "$bench/download/curl.bin"
for _ in 1 2 3; do
  rm -rf "$bench/extract/unzip"
  begin=$(date +%s%N)
  unzip -q -o "$bench/archive.zip" -d "$bench/extract/unzip" && \
    echo "$(( ($(date +%s%N) - begin) / 1000000 ))" >>"$results/unzip"
done
unpacked=$(du -sb "$bench/extract/unzip" 2>/dev/null | cut -f1)
rm -rf "$bench/extract/unzip"

# The Windows half, in one display and Wine session.
"$root/scripts/with-display.sh" "$root/tests/bench/under_wine.sh" "$results" "$bench"

# Figures from the result files: the median of a column over the rounds.
median() { awk -v c="${2:-1}" 'NF >= c { print $c }' $1 2>/dev/null | sort -g |
  awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
calc() { awk "BEGIN { printf \"$1\", $2 }" 2>/dev/null; }
ratio() { [ -n "$1" ] && [ -n "$2" ] && awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }' || echo "-"; }
met() { [ -n "$1" ] && awk "BEGIN { exit !($1) }" && echo yes || echo no; }
met_ratio() { [ "$1" != "-" ] && met "$1 $2" || echo no; }  # ratio, comparison

rows=()
row() { rows+=("| $1 | $2 | $3 | $4 | $5 | $6 |"); }

updater_size=$(stat -c %s "$dist/update.exe")
program_size=$(stat -c %s "$dist/屏笺.exe")
row "update.exe size" "$updater_size B" "868,352 B (the size of the updater the original design carried)" \
  "$(ratio "$updater_size" 868352)" "≤ 262,144 B (256 KiB)" "$(met "$updater_size <= 262144")"
row "屏笺.exe size, update.exe inside" "$program_size B" "-" "-" "≤ 655,360 B (640 KiB)" \
  "$(met "$program_size <= 655360")"

read -r program_ms reference_ms < <(cat "$results/startup" 2>/dev/null)
startup_ratio=$(ratio "${program_ms:-}" "${reference_ms:-}")
row "start-up, CreateProcess to a visible MainWindow (median of ${BENCH_ROUNDS:-31})" "${program_ms:-failed} ms" \
  "${reference_ms:-failed} ms (a one-window program built the same way)" "$startup_ratio" "≤ 1.3" \
  "$(met_ratio "$startup_ratio" "<= 1.3")"

updater_ms=$(median "$results/download256.*" 1)
curl_ms=$(median "$results/curl" 1)
updater_speed=$( [ -n "$updater_ms" ] && calc "%.1f" "256 * 1000 / $updater_ms")
curl_speed=$( [ -n "$curl_ms" ] && calc "%.1f" "256 * 1000 / $curl_ms")
download_ratio=$(ratio "$updater_speed" "$curl_speed")
row "download of 256 MiB over loopback, update.exe (median of 3)" "${updater_speed:-failed} MiB/s (${updater_ms:-?} ms)" \
  "${curl_speed:-failed} MiB/s (${curl_ms:-?} ms, curl)" "$download_ratio" "≥ 0.9" \
  "$(met_ratio "$download_ratio" ">= 0.9")"

peak16=$(cat "$results"/download16.* 2>/dev/null | awk '$2 > m { m = $2 } END { if (m) print m }')
peak256=$(cat "$results"/download256.* 2>/dev/null | awk '$2 > m { m = $2 } END { if (m) print m }')
if [ -n "$peak16" ] && [ -n "$peak256" ]; then
  difference=$(calc "%.2f" "($peak256 - $peak16) / 1048576")
  row "update.exe peak working set, 256 MiB download" "$(calc "%.1f" "$peak256 / 1048576") MiB" \
    "$(calc "%.1f" "$peak16 / 1048576") MiB (16 MiB download)" "$(ratio "$peak256" "$peak16")" \
    "at most 2 MiB apart (${difference} MiB)" "$(met "$peak256 - $peak16 <= 2097152 && $peak16 - $peak256 <= 2097152")"
else
  row "update.exe peak working set, 256 MiB download" "failed" "-" "-" "at most 2 MiB apart" "no"
fi

extract_ms=$(median "$results/extract.*" 1)
unzip_ms=$(median "$results/unzip" 1)
mib=$(calc "%.1f" "${unpacked:-0} / 1048576")
extract_speed=$( [ -n "$extract_ms" ] && calc "%.1f" "$mib * 1000 / $extract_ms")
unzip_speed=$( [ -n "$unzip_ms" ] && calc "%.1f" "$mib * 1000 / $unzip_ms")
row "extraction of $mib MiB in 2,000 files, ExtractZip (median of 3)" "${extract_speed:-failed} MiB/s (${extract_ms:-?} ms)" \
  "${unzip_speed:-failed} MiB/s (${unzip_ms:-?} ms, unzip)" "$(ratio "$extract_speed" "$unzip_speed")" "-" "-"

read -r check_ms check_round_ms < <(cat "$results/check" 2>/dev/null)
row "update check, menu choice to the title \"未检测到新版本\" (median of ${BENCH_CHECK_ROUNDS:-5})" \
  "${check_ms:-failed} ms" "-" "-" "-" "-"
row "update check, menu choice to the usual title again, less the 3 s the title stands" \
  "${check_round_ms:-failed} ms" "-" "-" "-" "-"

echo "| figure | measured | reference | ratio | goal | met |"
echo "|---|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
echo
echo "machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)," \
  "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(. /etc/os-release && echo "$PRETTY_NAME")," \
  "$(wine --version 2>/dev/null), load average $(cut -d' ' -f1-3 /proc/loadavg)"
