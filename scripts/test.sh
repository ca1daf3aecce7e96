#!/usr/bin/env bash
# Set up, build and run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd "${QUILL_BUILD_DIR:-build}"
ctest --output-on-failure -j2
