#!/usr/bin/env bash
# Set up, build and run the engine on the built-in defaults.
# Until the engine's label loop lands this shows the version and starts the
# shared core as the engine would, printing every setting in effect.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
engine=${QUILL_BUILD_DIR:-build}/engine_app/quill-engine
"$engine" --version
"$engine" --settings dump
