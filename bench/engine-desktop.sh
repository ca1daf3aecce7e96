#!/usr/bin/env bash
# The desktop engine from outside (not a timed test), on a private X server
# with a notification area (trayer):
#  1. time from starting quill-engine to its tray icon being shown;
#  2. CPU time per hour of the idle engine watching 48 label folders (every
#     servable mode, 10 locations for each mode with a location list, each
#     with a directory monitor): headless, desktop with the window hidden in
#     the tray, desktop with the queue window shown.
#
#   bench/engine-desktop.sh [--engine PATH] [--starts N] [--idle-seconds S]
#
# Defaults: build/engine_app/quill-engine, 5 starts, 60 s idle per case.
set -euo pipefail
cd "$(dirname "$0")/.."
engine=${QUILL_BUILD_DIR:-build}/engine_app/quill-engine
starts=5
idle=60
while [ $# -gt 0 ]; do
  case $1 in
    --engine) engine=$2; shift 2 ;;
    --starts) starts=$2; shift 2 ;;
    --idle-seconds) idle=$2; shift 2 ;;
    *) echo "usage: $0 [--engine PATH] [--starts N] [--idle-seconds S]" >&2; exit 2 ;;
  esac
done
engine=$(realpath "$engine")

work=$(mktemp -d "${TMPDIR:-/tmp}/quill-desktop-bench-XXXXXX")
pids=()
epid=
cleanup() {
  [ -n "$epid" ] && kill "$epid" 2>/dev/null
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

. scripts/lib/private-display.sh
start_private_display 80 1280x800
start_tray

export QUILL_DATA=$work/data QUILL_REGISTRY=$work/registry.db QUILL_PDF_DIR=$work/pdf
export CUPS_SERVER=$work/no-cups.sock LC_ALL=C XDG_RUNTIME_DIR=$work/runtime
unset QT_QPA_PLATFORM
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$work/prog"
cd "$work/prog"
{
  printf '[Quill]\nUseDirMonitor=1\nPrintDelayMinutes=60\n'
  for section in LEGACY VEK USER CORVANE CORVANEPWB DIRECT DIRORS CORVANEORS; do
    printf '[%s]\nVisible=1\n' "$section"
  done
  for section in CORVANE CORVANEPWB DIRECT CORVANEORS; do
    for i in $(seq 1 10); do
      printf '[%s%d]\nName=%s location %d\nDesignLocation=%s/loc/%s%d/designs/\nFileLocation=%s/loc/%s%d/labels/\n' \
        "$section" "$i" "$section" "$i" "$QUILL_DATA" "$section" "$i" "$QUILL_DATA" "$section" "$i"
    done
  done
} > QUILL.INI

now() { date +%s.%N; }
cpuTicks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# The tray icon: a mapped window of ours inside the notification area.
trayIconShown() {
  local id
  for id in $(xdotool search --classname quill-engine 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Width: 2[0-9]$' || continue
    xwininfo -id "$id" | grep -q IsViewable && return 0
  done
  return 1
}
mainWindow() { xdotool search --name '^Quill - Labelprint Engine - ' 2>/dev/null | head -1; }
stopEngine() {
  kill -TERM "$epid"
  wait "$epid" || true
  epid=
}

# --- 1. start to tray icon -----------------------------------------------
echo "Start to tray icon shown, $starts starts:"
for run in $(seq "$starts"); do
  t0=$(now)
  "$engine" >/dev/null 2>"$work/engine.err" &
  epid=$!
  until trayIconShown; do sleep 0.01; done
  t1=$(now)
  awk -v a="$t0" -v b="$t1" -v r="$run" 'BEGIN { printf "  start %d: %.0f ms\n", r, (b - a) * 1000 }'
  stopEngine
done

# --- 2. idle CPU ---------------------------------------------------------
hz=$(getconf CLK_TCK)
idleCpu() {  # label
  sleep 5
  local before after
  before=$(cpuTicks "$epid")
  sleep "$idle"
  after=$(cpuTicks "$epid")
  awk -v t=$((after - before)) -v hz="$hz" -v s="$idle" -v what="$1" 'BEGIN {
    printf "Idle CPU, 48 label folders watched, %s: %.2f s in %d s = %.1f s per hour\n", what, t / hz, s, t / hz * 3600 / s }'
}

"$engine" --headless >/dev/null 2>"$work/engine.err" &
epid=$!
until grep -q "running headless" "$work/engine.err"; do sleep 0.05; done
idleCpu "headless"
stopEngine

"$engine" >/dev/null 2>"$work/engine.err" &
epid=$!
until trayIconShown; do sleep 0.05; done
sleep 2  # hidden into the tray after a second
idleCpu "desktop, window hidden"
# Shown again by a double-click on the tray icon.
icon=$(for id in $(xdotool search --classname quill-engine); do
  xwininfo -id "$id" | grep -q 'Width: 2[0-9]$' && echo "$id"; done | head -1)
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove $((X + 10)) $((Y + 10)) click --repeat 2 --delay 80 1
for _ in $(seq 50); do xwininfo -id "$(mainWindow)" | grep -q IsViewable && break; sleep 0.1; done
idleCpu "desktop, queue window shown"
stopEngine
