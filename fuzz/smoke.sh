#!/bin/sh
# CI's quick check: builds every fuzz target and runs each for a few seconds.
exec "$(dirname "$0")/run.sh" "${QUILL_FUZZ_SMOKE_SECONDS:-5}"
