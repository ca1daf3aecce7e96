#!/usr/bin/env bash
# The engine from outside, as a host sees it (not a timed test):
#  1. latency from a label file appearing (written and closed by its writer)
#     to its print job reaching the printer (the PDF file of the built-in
#     PDF printer appearing), with the directory monitor on and off;
#  2. the CPU time the idle engine uses per hour while it watches every
#     servable mode and 10 locations of each mode that has a location list;
#  3. its resident memory idle, and with all 17 print tasks holding a page
#     short of one label.
#
#   bench/engine-latency.sh [--engine PATH] [--files N] [--idle-seconds S]
#
# Defaults: build/engine_app/quill-engine, 50 files per monitor setting,
# 60 s idle. Needs python3 (the timing of part 1).
set -euo pipefail
cd "$(dirname "$0")/.."
engine=${QUILL_BUILD_DIR:-build}/engine_app/quill-engine
files=50
idle=60
while [ $# -gt 0 ]; do
  case $1 in
    --engine) engine=$2; shift 2 ;;
    --files) files=$2; shift 2 ;;
    --idle-seconds) idle=$2; shift 2 ;;
    *) echo "usage: $0 [--engine PATH] [--files N] [--idle-seconds S]" >&2; exit 2 ;;
  esac
done
engine=$(realpath "$engine")
repo=$PWD

work=$(mktemp -d "${TMPDIR:-/tmp}/quill-bench-XXXXXX")
trap 'kill "$epid" 2>/dev/null || true; rm -rf "$work"' EXIT
epid=
export QUILL_DATA=$work/data QUILL_REGISTRY=$work/registry.db QUILL_PDF_DIR=$work/pdf QUILL_PROGRAM_FOLDER=$work/prog
export CUPS_SERVER=$work/no-cups.sock QT_QPA_PLATFORM=offscreen LC_ALL=C
labels=$QUILL_DATA/labels
mkdir -p "$work/prog" "$QUILL_PDF_DIR"
cd "$work/prog"

startEngine() {
  "$engine" --headless > "$work/rows.txt" 2> "$work/engine.err" &
  epid=$!
  until grep -q "running headless" "$work/engine.err"; do sleep 0.05; done
}
stopEngine() {
  kill -TERM "$epid"
  wait "$epid" || true
  epid=
}
cpuTicks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rssKiB() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# --- 1. latency ------------------------------------------------------------
mkdir -p "$labels/designs/Legacy"
cp "$repo/examples/designs/Legacy/01.lbl" "$repo/examples/designs/Legacy/01.lbp" "$labels/designs/Legacy/"
line=$(head -n 1 "$repo/examples/labelfiles/Legacy/LEG20240611.lbf")

echo "Latency: label file closed -> PDF file present, $files files each, one at a time"
for monitor in 1 0; do
  printf '[Quill]\nUseDirMonitor=%d\n[LEGACY]\nVisible=1\n' "$monitor" > QUILL.INI
  rm -f "$QUILL_PDF_DIR"/*.pdf
  startEngine
  python3 - "$labels/Legacy" "$QUILL_PDF_DIR" "$files" "$line" "$monitor" <<'EOF'
import os, random, sys, time
folder, pdfs, count, line, monitor = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4], sys.argv[5]
def pdf_count():
    return sum(1 for n in os.listdir(pdfs) if n.endswith(".pdf"))
times = []
for n in range(count):
    # A random phase against the engine's one-second tick.
    time.sleep(random.uniform(0, 1))
    before = pdf_count()
    with open(os.path.join(folder, "B%04d.lbf" % n), "w") as f:
        f.write(line + "\r\n")
    start = time.monotonic()
    while pdf_count() == before:
        if time.monotonic() - start > 30:
            sys.exit("no PDF within 30 s")
        time.sleep(0.001)
    times.append((time.monotonic() - start) * 1000)
times.sort()
pick = lambda q: times[min(len(times) - 1, int(q * len(times)))]
print("  UseDirMonitor=%s: p50 %.0f ms, p99 %.0f ms, min %.0f ms, max %.0f ms"
      % (monitor, pick(0.50), pick(0.99), times[0], times[-1]))
EOF
  stopEngine
done

# --- 2. idle CPU with every servable mode and 10 locations per list --------
{
  printf '[Quill]\nUseDirMonitor=1\nPrintDelayMinutes=60\n'
  for section in LEGACY VEK USER CORVANE CORVANEPWB DIRECT DIRORS CORVANEORS; do
    printf '[%s]\nVisible=1\n' "$section"
  done
  for section in CORVANE CORVANEPWB DIRECT CORVANEORS; do
    for n in $(seq 1 10); do
      printf '[%s%d]\nName=%s location %d\nDesignLocation=%s/loc/%s%d/designs/\nFileLocation=%s/loc/%s%d/labels/\n' \
        "$section" "$n" "$section" "$n" "$QUILL_DATA" "$section" "$n" "$QUILL_DATA" "$section" "$n"
    done
  done
} > QUILL.INI
startEngine
sleep 5
hz=$(getconf CLK_TCK)
before=$(cpuTicks "$epid")
sleep "$idle"
after=$(cpuTicks "$epid")
folders=$(( 8 + 4 * 10 ))
awk -v t=$((after - before)) -v hz="$hz" -v s="$idle" -v f="$folders" 'BEGIN {
  printf "Idle CPU, %d label folders watched (8 modes, 4 of them with 10 locations): %.2f s in %d s = %.1f s per hour\n",
    f, t / hz, s, t / hz * 3600 / s }'
echo "Resident memory idle (same engine): $(( $(rssKiB "$epid") / 1024 )) MiB"
stopEngine

# --- 3. memory with 17 tasks each a label short of a full page -------------
printf '[Quill]\nPrintDelayMinutes=60\n[CORVANE]\nVisible=1\n' > QUILL.INI
mkdir -p "$labels/designs/Corvan" "$labels/Corvan"
sample=$(head -n 1 "$repo/examples/labelfiles/Corvan/CRV20240611-0001.lbl")
for n in $(seq 1 17); do
  design=$(printf 'M%02d' "$n")
  sed -e 's/^nRows=.*/nRows=8/' -e 's/^nCols=.*/nCols=3/' "$repo/examples/designs/Corvan/C01.lbl" \
    > "$labels/designs/Corvan/$design.lbl"
  cp "$repo/examples/designs/Corvan/C01.lbp" "$labels/designs/Corvan/$design.lbp"
done
startEngine
sleep 3
rssIdle=$(rssKiB "$epid")
for n in $(seq 1 17); do
  # Amount 1, design "M" + number, the sample's values: 23 copies per design.
  rest=${sample#*,*,*,}
  for copy in $(seq 1 23); do printf '1,M,%d,%s\r\n' "$n" "$rest"; done > "$work/M$n.part"
  mv "$work/M$n.part" "$labels/Corvan/M$n.lbl"
done
# Each task reports 23/24 once.
until [ "$(grep -c $'\t23/24\t' "$work/rows.txt")" -ge 17 ]; do sleep 0.2; done
rssFull=$(rssKiB "$epid")
printf 'Resident memory, Corvane only: idle %d MiB; 17 tasks x 23 of 24 labels collected: %d MiB\n' \
  $((rssIdle / 1024)) $((rssFull / 1024))
stopEngine
echo "PDFs printed at the end for the 17 tasks: $(ls "$QUILL_PDF_DIR"/M*.pdf 2>/dev/null | wc -l)"
