#!/usr/bin/env bash
# Labels per second of our renderer against glabels-3-batch, same content,
# same records, same machine, in one run.
#
#   bench/render-vs-glabels.sh [--build DIR] [--labels N] [--memory-labels N]
#                              [--rounds R] [--keep DIR] [--baseline RENDERBENCH]
#
# Two cases, each N labels (default 1,000) with different values, into one PDF:
#   single  100 x 50 mm label, one label per page (bench/render/Bench100x50.*)
#   sheet   70 x 37 mm labels, 3 x 8 on A4        (bench/render/Bench70x37.*)
# Every label carries 10 text fields, an Interleaved 2 of 5 barcode and a
# DataMatrix, bound to the columns of a generated CSV file that both
# programs read. Each round runs glabels and then ours back to back; the best
# of R rounds (default 3) counts, which is what a busy machine allows.
# Wall-clock time covers the whole process (start-up, reading the records,
# writing the PDF) for both. Then our peak memory for --memory-labels labels
# (default 10,000), from /usr/bin/time. --keep DIR keeps the PDFs and a PNG
# of each first page.
#
# Needs glabels, time and poppler-utils (scripts/setup.sh installs them).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-bench
labels=1000
memory_labels=10000
rounds=3
keep=
baseline=
while (($#)); do
  case $1 in
    --build) build=$2; shift 2 ;;
    --labels) labels=$2; shift 2 ;;
    --memory-labels) memory_labels=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --keep) keep=$2; shift 2 ;;
    --baseline) baseline=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--labels N] [--memory-labels N] [--rounds R] [--keep DIR] [--baseline RENDERBENCH]" >&2; exit 2 ;;
  esac
done
for tool in glabels-3-batch /usr/bin/time pdfinfo pdftoppm; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 1; }
done

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
ninja -C "$build" RenderBench >"$build/render-bench-build.log" 2>&1 || { cat "$build/render-bench-build.log" >&2; exit 1; }
ours=$build/bench/RenderBench
designs=$root/bench/render

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/pdf"
# Ours prints on the built-in PDF printer: no CUPS scheduler answers there.
export QUILL_PDF_DIR=$work/pdf
export CUPS_SERVER=$work/no-cups.sock
export QUILL_DATA=$work/data
export QT_QPA_PLATFORM=offscreen
export LC_ALL=C
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# records.csv: a header of merge field names, then one line per label.
# Values are ASCII without commas: both readers split at commas.
make_records() {
  awk -v n="$1" 'BEGIN {
    print "F1,F2,F3,F4,F5,F6,F7,F8,F9,F10,BC,DM"
    split("Customer,Wearer,Locker,Department,Product,Size,Route,Order,Batch,Station", w, ",")
    for (i = 1; i <= n; i++) {
      for (k = 1; k <= 10; k++) printf "%s %06d field %d,", w[k], i, k
      printf "4000%08d,QUILL-%08d-ABCDEFGH\n", i, i   # 12 digits: Interleaved 2 of 5 needs an even count
    }
  }' > "$2"
}
make_records "$labels" "$work/records.csv"

now_ns() { date +%s%N; }

# run NAME OUTPUT_PDF COMMAND...: sets run_seconds (wall), run_cpu (user +
# system seconds) and run_rss_kb
run() {
  local name=$1 out=$2 start end user sys
  shift 2
  start=$(now_ns)
  if ! /usr/bin/time -f '%M %U %S' -o "$work/$name.rss" "$@" >"$work/$name.log" 2>&1; then
    echo "$name failed:" >&2; cat "$work/$name.log" >&2; exit 1
  fi
  end=$(now_ns)
  run_seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')
  read -r run_rss_kb user sys < <(tail -n 1 "$work/$name.rss")
  run_cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')
  [ -s "$out" ] || { echo "$name wrote no PDF" >&2; cat "$work/$name.log" >&2; exit 1; }
}

pages_of() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }

# the one PDF our job left in QUILL_PDF_DIR, moved to $1
take_ours() {
  local files=("$work"/pdf/*.pdf)
  [ ${#files[@]} -eq 1 ] && [ -f "${files[0]}" ] || { echo "expected one PDF from RenderBench" >&2; exit 1; }
  mv "${files[0]}" "$1"
}

best() { printf '%s\n' "$@" | sort -g | head -n 1; }

echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at start"
printf '%-7s %6s  %-8s %11s %9s %10s %13s %8s\n' case labels program "best wall s" labels/s "best CPU s" "labels/CPU-s" "peak MB"
for case in single sheet; do
  case $case in
    single) base=Bench100x50; per_page=1 ;;
    sheet) base=Bench70x37; per_page=24 ;;
  esac
  expected_pages=$(((labels + per_page - 1) / per_page))
  g_times=() o_times=() g_cpus=() o_cpus=() b_times=() b_cpus=() g_rss=0 o_rss=0
  for ((r = 1; r <= rounds; r++)); do
    rm -f "$work/glabels.pdf" "$work/ours.pdf"
    run glabels "$work/glabels.pdf" \
      glabels-3-batch -i "$work/records.csv" -o "$work/glabels.pdf" "$designs/$base.glabels"
    g_times+=("$run_seconds") g_cpus+=("$run_cpu")
    if ((run_rss_kb > g_rss)); then g_rss=$run_rss_kb; fi
    run ours "$work/pdf" "$ours" "$designs/$base.lbl" "$work/records.csv"
    take_ours "$work/ours.pdf"
    o_times+=("$run_seconds") o_cpus+=("$run_cpu")
    if ((run_rss_kb > o_rss)); then o_rss=$run_rss_kb; fi
    if [ -n "$baseline" ]; then
      run baseline "$work/pdf" "$baseline" "$designs/$base.lbl" "$work/records.csv"
      take_ours "$work/baseline.pdf"
      b_times+=("$run_seconds") b_cpus+=("$run_cpu")
    fi
  done
  for f in glabels ours; do
    pages=$(pages_of "$work/$f.pdf")
    [ "$pages" -eq "$expected_pages" ] || { echo "$case: $f wrote $pages pages, expected $expected_pages" >&2; exit 1; }
  done
  g=$(best "${g_times[@]}") o=$(best "${o_times[@]}")
  gc=$(best "${g_cpus[@]}") oc=$(best "${o_cpus[@]}")
  awk -v c="$case" -v n="$labels" -v g="$g" -v o="$o" -v gc="$gc" -v oc="$oc" -v gm="$g_rss" -v om="$o_rss" 'BEGIN {
    f = "%-7s %6d  %-8s %11.2f %9.0f %10.2f %13.0f %8.0f\n"
    printf f, c, n, "glabels", g, n / g, gc, n / gc, gm / 1024
    printf f, c, n, "ours", o, n / o, oc, n / oc, om / 1024
    printf "%-7s ratio ours/glabels: %.1fx by wall clock, %.1fx by CPU time\n", c, g / o, gc / oc
  }'
  echo "        wall s per round, glabels: ${g_times[*]}; ours: ${o_times[*]}"
  if [ -n "$baseline" ]; then
    b=$(best "${b_times[@]}") bc=$(best "${b_cpus[@]}")
    awk -v c="$case" -v n="$labels" -v b="$b" -v bc="$bc" -v o="$o" -v oc="$oc" -v g="$g" -v gc="$gc" 'BEGIN {
      printf "%-7s %6d  %-8s %11.2f %9.0f %10.2f %13.0f\n", c, n, "baseline", b, n / b, bc, n / bc
      printf "%-7s ratio baseline/glabels: %.1fx by wall clock, %.1fx by CPU time; ours/baseline: %.2f by wall clock, %.2f by CPU time\n", c, g / b, gc / bc, b / o, bc / oc
    }'
    echo "        wall s per round, baseline: ${b_times[*]}"
  fi
  if [ -n "$keep" ]; then
    mkdir -p "$keep"
    for f in glabels ours; do
      cp "$work/$f.pdf" "$keep/$case-$f.pdf"
      pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/$f.pdf" "$keep/$case-$f"
    done
  fi
done

make_records "$memory_labels" "$work/records-memory.csv"
for base in Bench100x50 Bench70x37; do
  rm -f "$work/ours.pdf"
  run ours "$work/pdf" "$ours" "$designs/$base.lbl" "$work/records-memory.csv"
  take_ours "$work/ours.pdf"
  awk -v b="$base" -v n="$memory_labels" -v s="$run_seconds" -v cpu="$run_cpu" -v m="$run_rss_kb" \
    -v p="$(pages_of "$work/ours.pdf")" 'BEGIN {
      printf "ours %s: %d labels, %d pages, %.2f s wall (%.0f labels/s), %.2f s CPU, peak RSS %.1f MB\n",
        b, n, p, s, n / s, cpu, m / 1024
    }'
done
echo "machine: load average $(cut -d' ' -f1-3 /proc/loadavg) at end"
