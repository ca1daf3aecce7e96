#!/usr/bin/env bash
# Configures and builds Quill into build/ (or $QUILL_BUILD_DIR). Uses ccache
# when it is installed; paths are made relative to the checkout, so several
# checkouts of the repository share one cache.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUILL_BUILD_DIR:-build}
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=$PWD
  # Debug info would otherwise tie every object to its checkout's folder.
  export CCACHE_NOHASHDIR=1
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$build"
