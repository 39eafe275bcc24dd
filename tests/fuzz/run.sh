#!/bin/bash
# Builds the manifest reader's fuzz target with clang (libFuzzer, ASan,
# UBSan) and runs it: `tests/fuzz/run.sh [runs]`, runs 0 meaning until a fault.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
: "${BUILD_ROOT:=$root/build}"
runs=${1:-0}
out="$BUILD_ROOT/fuzz"
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" "$root/update/xml_tree.cpp" "$root/tests/fuzz/xml_tree_fuzz.cpp" -o "$out/xml_tree_fuzz"
# The working corpus grows under the build folder; the seeds stay as written.
cd "$out"
exec ./xml_tree_fuzz -runs="$runs" -max_len=4096 -seed=1 -print_final_stats=1 \
  corpus "$root/tests/fuzz/corpus"
