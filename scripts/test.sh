#!/bin/bash
# Everything `make test` does: set up, build both configurations, run the
# native unit tests and then the Wine tests inside a private display, and end
# with one summary line.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
: "${BUILD_ROOT:=$root/build}"
export BUILD_ROOT
jobs=$(nproc)

"$root/scripts/setup.sh" || exit 1

configure() {  # folder, extra cmake arguments...
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" "$@" >"$dir.configure.log" 2>&1 \
    || { cat "$dir.configure.log"; return 1; }
  cmake -S "$root" -B "$dir" "$@" >/dev/null || return 1
}

mkdir -p "$BUILD_ROOT"
configure "$BUILD_ROOT/native" -DCMAKE_BUILD_TYPE=Debug || exit 1
cmake --build "$BUILD_ROOT/native" -j"$jobs" >"$BUILD_ROOT/native.build.log" 2>&1 \
  || { cat "$BUILD_ROOT/native.build.log"; exit 1; }
configure "$BUILD_ROOT/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  "-DMANIFEST_URL=http://127.0.0.1:${TEST_HTTP_PORT:-18080}/屏笺.xml" || exit 1
cmake --build "$BUILD_ROOT/win" -j"$jobs" >"$BUILD_ROOT/win.build.log" 2>&1 \
  || { cat "$BUILD_ROOT/win.build.log"; exit 1; }

passed=0; failed=0
count() {  # reads ctest's closing line from a log; a filter may leave none to run
  local line total bad
  grep -aq 'No tests were found' "$1" && return
  line=$(grep -aE '[0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed=$((passed + ${total:-0} - ${bad:-0})); failed=$((failed + ${bad:-0}))
  [ -n "$line" ] || failed=$((failed + 1))
}

echo "== native unit tests"
ctest --test-dir "$BUILD_ROOT/native" --output-on-failure ${CTEST_ARGS:-} 2>&1 | tee "$BUILD_ROOT/native.test.log" | grep -E 'tests passed|failed out of|\*\*\*|Failed|FAILED' || true
count "$BUILD_ROOT/native.test.log"

echo "== fuzzing: manifest reader, command line, version reading, archive extraction"
if "$root/tests/fuzz/run.sh" -runs=20000 >"$BUILD_ROOT/fuzz.log" 2>&1; then
  passed=$((passed + 1)); cat "$BUILD_ROOT/fuzz.log"
else
  failed=$((failed + 1)); tail -n 40 "$BUILD_ROOT/fuzz.log"
fi

echo "== Windows tests under Wine"
# The update tests' HTTP server, on the port the build's MANIFEST_URL names.
. "$root/scripts/test-server.sh"
start_test_server "${TEST_HTTP_PORT:-18080}" "$BUILD_ROOT/test_server.log"
"$root/scripts/with-display.sh" ctest --test-dir "$BUILD_ROOT/win" --output-on-failure --timeout 180 ${CTEST_ARGS:-} \
  >"$BUILD_ROOT/win.test.log" 2>&1
stop_test_server
# The log is code page 936 text, as the programs write it.
iconv -f GBK -t UTF-8 -c "$BUILD_ROOT/win.test.log" | grep -E "Test +#|tests passed|failed out of" || true
grep -aq "Failed\|\*\*\*" "$BUILD_ROOT/win.test.log" && iconv -f GBK -t UTF-8 -c "$BUILD_ROOT/win.test.log" | grep -E -B2 -A20 'Failure|FAILED|Timeout' | head -n 300
count "$BUILD_ROOT/win.test.log"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
