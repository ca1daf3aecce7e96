#!/usr/bin/env bash
# QuillPrint from outside (not a timed test), on a private X server: time
# from starting quill-print to its main window being on the screen, which
# is after the first design list was filled. The Manual list holds 500
# designs; the first start makes every sketch, the later ones find them.
#
#   bench/print-start.sh [--print PATH] [--starts N] [--designs N]
#
# Defaults: build/print_app/quill-print, 5 starts, 500 designs.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
print=${QUILL_BUILD_DIR:-build}/print_app/quill-print
starts=5
designs=500
while [ $# -gt 0 ]; do
  case $1 in
    --print) print=$2; shift 2 ;;
    --starts) starts=$2; shift 2 ;;
    --designs) designs=$2; shift 2 ;;
    *) echo "usage: $0 [--print PATH] [--starts N] [--designs N]" >&2; exit 2 ;;
  esac
done
print=$(realpath "$print")

work=$(mktemp -d "${TMPDIR:-/tmp}/quill-print-bench-XXXXXX")
pids=()
ppid_=
cleanup() {
  [ -n "$ppid_" ] && kill "$ppid_" 2>/dev/null
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

. "$repo/scripts/lib/private-display.sh"
start_private_display 85 1280x800

export QUILL_DATA=$work/data QUILL_REGISTRY=$work/registry.db
export CUPS_SERVER=$work/no-cups.sock LC_ALL=C XDG_RUNTIME_DIR=$work/runtime
unset QT_QPA_PLATFORM
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$QUILL_DATA/program" "$QUILL_DATA/labels/designs/User"
printf '[USER]\nVisible=1\n' >"$QUILL_DATA/program/QUILL.INI"
for i in $(seq 1000 $((999 + designs))); do
  cp "$repo/examples/designs/User/Address.lbl" "$QUILL_DATA/labels/designs/User/Design$i.lbl"
  cp "$repo/examples/designs/User/Address.lbp" "$QUILL_DATA/labels/designs/User/Design$i.lbp"
done
cd "$QUILL_DATA/program"

now() { date +%s.%N; }
shown() {
  local id
  id=$(xdotool search --onlyvisible --name '^Quill - Print & Design$' 2>/dev/null | head -1) || return 1
  [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable
}

echo "Start to the first list shown, $designs designs:"
for run in $(seq "$starts"); do
  t0=$(now)
  "$print" >/dev/null 2>"$work/print.err" &
  ppid_=$!
  until shown; do sleep 0.01; done
  t1=$(now)
  what="sketches found"
  [ "$run" = 1 ] && what="every sketch made"
  awk -v a="$t0" -v b="$t1" -v r="$run" -v w="$what" 'BEGIN { printf "  start %d (%s): %.0f ms\n", r, w, (b - a) * 1000 }'
  kill "$ppid_"
  wait "$ppid_" 2>/dev/null || true
  ppid_=
done
