#!/bin/sh
# Builds the fuzz targets in build-fuzz and runs each for SECONDS (default 60),
# one after the other, one process each. Usage: fuzz/run.sh [SECONDS] [TARGET...]
# New inputs go to build-fuzz/fuzz-corpus/<target>; the committed seeds in
# fuzz/corpus/<target> are only read. A crash leaves its input in
# build-fuzz/fuzz-artifacts/ and makes the script fail.
set -eu
seconds=${1:-60}
[ $# -gt 0 ] && shift
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${QUILL_FUZZ_BUILD_DIR:-$source_dir/build-fuzz}
# every fuzz/<Target>.cpp unless targets are named
targets=${*:-$(cd "$source_dir/fuzz" && ls *Fuzz.cpp | sed 's/\.cpp$//' | tr '\n' ' ')}

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
    -DQUILL_FUZZ=ON -DQUILL_TESTS=OFF -DQUILL_BENCH=OFF >/dev/null
# shellcheck disable=SC2086
ninja -C "$build_dir" -j2 $targets

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
mkdir -p "$build_dir/fuzz-artifacts"
for target in $targets; do
    corpus="$build_dir/fuzz-corpus/$target"
    mkdir -p "$corpus"
    echo "== $target for ${seconds}s"
    "$build_dir/fuzz/$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$target-" \
        "$corpus" "$source_dir/fuzz/corpus/$target"
done
