#!/bin/bash
# Builds the four fuzz targets with clang (libFuzzer, ASan, UBSan) and runs
# them one after another: `tests/fuzz/run.sh LIMIT [target...]`, LIMIT being
# libFuzzer's -runs=N or -max_total_time=SECONDS. Targets: xml_tree,
# command_line, manifest_version, zip_extract (all when none is named).
# Each target's log is $BUILD_ROOT/fuzz/<target>.log; a fault fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
: "${BUILD_ROOT:=$root/build}"
limit=${1:?"usage: run.sh -runs=N|-max_total_time=SECONDS [target...]"}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(xml_tree command_line manifest_version zip_extract)
out="$BUILD_ROOT/fuzz"
minizip="$root/build/deps/minizip"
mkdir -p "$out"

flags=(-g -O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -I"$root")
sources() {  # the sources of one target
  case $1 in
    xml_tree) echo update/xml_tree.cpp ;;
    command_line) echo updater/command_line.cpp update/updater_command_line.cpp ;;
    manifest_version) echo update/manifest_version.cpp ;;
    zip_extract) echo updater/zip_extraction.cpp updater/zip_entry_name.cpp app/ansi_path.cpp \
                      tests/fuzz/memory_archive.cpp tests/fuzz/scratch_files.cpp ;;
    *) echo "run.sh: no target $1" >&2; return 1 ;;
  esac
}
max_len() {  # inputs longer than the texts each reader meets gain nothing
  case $1 in xml_tree) echo 4096 ;; command_line) echo 2048 ;; manifest_version) echo 256 ;; *) echo 16384 ;; esac
}

# minizip's reader, as it comes, instrumented like the rest so that its own
# faults on a damaged archive are found too.
if [ ! -f "$out/minizip.a" ] || [ "$minizip/unzip.c" -nt "$out/minizip.a" ]; then
  rm -f "$out"/minizip-*.o
  for c in unzip ioapi; do
    clang -c "${flags[@]}" -fsanitize=fuzzer-no-link -DNOCRYPT -DNOUNCRYPT -w \
      "$minizip/$c.c" -o "$out/minizip-$c.o"
  done
  ar rcs "$out/minizip.a" "$out"/minizip-*.o
fi

for target in "${targets[@]}"; do
  files=("$root/tests/fuzz/${target}_fuzz.cpp")
  for f in $(sources "$target"); do files+=("$root/$f"); done
  binary="$out/${target}_fuzz"
  stale=no
  [ -f "$binary" ] || stale=yes
  for f in "${files[@]}" "$root"/tests/fuzz/*.h "$root"/updater/*.h "$root"/update/*.h "$root"/app/ansi_path.h; do
    [ "$f" -nt "$binary" ] && stale=yes
  done
  if [ $stale = yes ]; then
    clang++ -std=c++20 "${flags[@]}" -fsanitize=fuzzer -isystem "$minizip" "${files[@]}" \
      $([ "$target" = zip_extract ] && echo "$out/minizip.a -lz") -o "$binary"
  fi
done

status=0
for target in "${targets[@]}"; do
  seeds="$root/tests/fuzz/corpus/$target"
  dict="$root/tests/fuzz/$target.dict"
  # The working corpus grows under the build folder; the seeds stay as written.
  mkdir -p "$out/$target/corpus"
  if (cd "$out/$target" && "$out/${target}_fuzz" "$limit" -max_len="$(max_len "$target")" -seed=1 -print_final_stats=1 \
        $([ -f "$dict" ] && echo "-dict=$dict") -artifact_prefix="$out/$target/" corpus "$seeds") \
        >"$out/$target.log" 2>&1; then
    echo "$target: $(grep -E '^Done' "$out/$target.log" | tail -n 1)"
  else
    echo "$target: FAILED, see $out/$target.log"; tail -n 30 "$out/$target.log"; status=1
  fi
done
exit $status
