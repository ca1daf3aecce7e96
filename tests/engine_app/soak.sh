#!/usr/bin/env bash
# Soak test: nothing is lost when the engine is killed.
#
# Writer processes drop valid and invalid label files into the Legacy,
# Manual and Corvane folders, some written slowly line by line, while the
# engine is started and killed with SIGKILL at random moments (as a running
# engine and as a --drain batch). A last clean --drain run finishes the
# work; then every file is accounted for: a valid file's labels are all in
# the PDFs and the file is in Backup (or, at worst, in Error); an invalid
# file is in Error and printed nothing; no label file is left behind.
#
#   soak.sh ENGINE            short form (ctest): 200 files
#   QUILL_SOAK_FILES=2000 QUILL_SOAK_SECONDS=600 soak.sh ENGINE   long form
#
# QUILL_SOAK_FILES: files in all (default 200); QUILL_SOAK_SECONDS: how long
# the writers spread them over (default 15); QUILL_SOAK_KEEP=1 keeps the
# work folder.
set -euo pipefail

engine=$(realpath "$1")
files=${QUILL_SOAK_FILES:-200}
seconds=${QUILL_SOAK_SECONDS:-15}
writers=4
perWriter=$(( (files + writers - 1) / writers ))

work=$(mktemp -d "${TMPDIR:-/tmp}/quill-soak-XXXXXX")
[ "${QUILL_SOAK_KEEP:-0}" = 1 ] || trap 'rm -rf "$work"' EXIT
export QUILL_DATA=$work/data QUILL_REGISTRY=$work/registry.db QUILL_PDF_DIR=$work/pdf QUILL_PROGRAM_FOLDER=$work/prog
export CUPS_SERVER=$work/no-cups.sock QT_QPA_PLATFORM=offscreen LC_ALL=C
labels=$QUILL_DATA/labels
mkdir -p "$work/prog" "$work/expect" "$QUILL_PDF_DIR" \
  "$labels/Legacy" "$labels/User" "$labels/Corvan" \
  "$labels/designs/Legacy" "$labels/designs/User" "$labels/designs/Corvan"
cd "$work/prog"

# Tasks of the Manual design collect 4 labels a page, so copies wait in
# tasks (and in the task journal) when the engine is killed.
cat > QUILL.INI <<'EOF'
[Quill]
LogMode=1
PrintDelayMinutes=1
[LEGACY]
Visible=1
[USER]
Visible=1
[CORVANE]
Visible=1
EOF

design() {  # file, rows, variable
  cat > "$1" <<EOF
[Design]
FormatVersion=1
[Label]
Width=50
Height=8
[Layout]
nRows=$2
nCols=1
[Object1]
Type=Text
X=1
Y=1
Width=48
Height=6
Contents={$3}
EOF
  printf '[Printer]\nFormatVersion=1\nName=\nCopies=1\n' > "${1%.lbl}.lbp"
}
design "$labels/designs/Legacy/SK.lbl" 1 Line_02
design "$labels/designs/User/SOAK.lbl" 4 Field_03
design "$labels/designs/Corvan/S01.lbl" 1 PlantCode

# One writer: files with 1-3 lines, every value unique ("SK" + writer +
# file + line); one file in five is invalid (a broken Legacy line, or a
# design that does not exist). Records what it wrote in expect/.
writer() {
  local w=$1 n line lines mode token path text kind
  local pause=$(( seconds * 1000 / perWriter ))  # ms between files
  for ((n = 1; n <= perWriter; n++)); do
    mode=$((RANDOM % 3))
    lines=$((RANDOM % 3 + 1))
    kind=valid
    ((RANDOM % 5 == 0)) && kind=invalid && lines=1
    text=()
    for ((line = 1; line <= lines; line++)); do
      token=$(printf 'SK%d%05d%02d' "$w" "$n" "$line")
      case $mode.$kind in
        0.valid)   text+=("***01SKB08   12345678/10   $token***") ;;
        0.invalid) text+=("***01SKB99   $token***") ;;
        1.valid)   text+=("1,SOAK,1,,$token,") ;;
        1.invalid) text+=("1,NOPE,1,,$token,") ;;
        2.valid)   text+=("1,S,1,$token,x") ;;
        2.invalid) text+=("1,Z,1,$token,x") ;;
      esac
    done
    case $mode in
      0) path=$labels/Legacy/W${w}F$n.lbf ;;
      1) path=$labels/User/W${w}F$n.txt ;;
      2) path=$labels/Corvan/W${w}F$n.lbl ;;
    esac
    if ((RANDOM % 2)); then
      # Slowly, line by line: the engine must not take half a file.
      { for line in "${text[@]}"; do printf '%s\r\n' "$line"; sleep 0.02; done; } > "$path"
    else
      printf '%s\r\n' "${text[@]}" > "$path"
    fi
    printf '%s %s %s\n' "$kind" "$(basename "$path")" "${text[*]}" >> "$work/expect/writer$w"
    sleep "$(printf '0.%03d' $((RANDOM % (pause + 1) % 1000)))"
  done
}

start=$(date +%s)
pids=()
for ((w = 1; w <= writers; w++)); do writer "$w" & pids+=($!); done

# Start and kill the engine until the writers are done.
kills=0
runs=0
writing() { local p; for p in "${pids[@]}"; do kill -0 "$p" 2>/dev/null && return 0; done; return 1; }
while writing; do
  if ((RANDOM % 2)); then args=(--drain); else args=(--headless); fi
  "$engine" "${args[@]}" >> "$work/rows.txt" 2>> "$work/engine.err" &
  epid=$!
  runs=$((runs + 1))
  sleep "$(printf '%d.%03d' $((RANDOM % 2)) $((RANDOM % 1000)))"
  if kill -KILL "$epid" 2>/dev/null; then kills=$((kills + 1)); fi
  wait "$epid" 2>/dev/null || true
done
wait "${pids[@]}"

# The clean finish.
final=0
"$engine" --drain >> "$work/rows.txt" 2>> "$work/engine.err" || final=$?
elapsed=$(( $(date +%s) - start ))

# Accounting.
cat "$work"/expect/writer* > "$work/expected.txt"
for pdf in "$QUILL_PDF_DIR"/*.pdf; do [ -e "$pdf" ] && pdftotext "$pdf" - ; done > "$work/printed.txt" 2>/dev/null
grep -o 'SK[0-9]\{8\}' "$work/printed.txt" | sort > "$work/printed-tokens.txt" || true
filed() { cat "$labels"/*/"$1"/* 2>/dev/null | grep -o 'SK[0-9]\{8\}' | sort -u || true; }
filed Backup > "$work/backup-tokens.txt"
filed Error > "$work/error-tokens.txt"
left=$(find "$labels"/Legacy "$labels"/User "$labels"/Corvan -maxdepth 1 -type f | wc -l)

# One pass: every expected file against the printed, Backup and Error values.
read -r lost validInError invalidPrinted valid invalid < <(awk '
  FILENAME == ARGV[1] { printed[$1]++; next }
  FILENAME == ARGV[2] { backup[$1] = 1; next }
  FILENAME == ARGV[3] { error[$1] = 1; next }
  {
    first = ""; ok = 1
    # Spelled out: mawk knows no {8}.
    for (i = 3; i <= NF; i++) if (match($i, /SK[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]/)) {
      token = substr($i, RSTART, RLENGTH)
      if (first == "") first = token
      if (!(token in printed)) ok = 0
    }
    if ($1 == "valid") {
      valid++
      if (first in error) { inError++; next }
      if (!(first in backup)) ok = 0
      if (!ok) { lost++; print "LOST: " $0 > "/dev/stderr" }
    } else {
      invalid++
      if (!(first in error)) { lost++; print "INVALID NOT IN ERROR: " $0 > "/dev/stderr" }
      if (first in printed) invalidPrinted++
    }
  }
  END { print lost + 0, inError + 0, invalidPrinted + 0, valid + 0, invalid + 0 }
' "$work/printed-tokens.txt" "$work/backup-tokens.txt" "$work/error-tokens.txt" "$work/expected.txt")
labelsWritten=$(grep '^valid' "$work/expected.txt" | grep -o 'SK[0-9]\{8\}' | wc -l)
printedLabels=$(wc -l < "$work/printed-tokens.txt")
duplicates=$(uniq -d "$work/printed-tokens.txt" | wc -l)
pdfCount=$(find "$QUILL_PDF_DIR" -name '*.pdf' | wc -l)

echo "soak: $valid valid + $invalid invalid files by $writers writers in ${elapsed}s;" \
     "$runs engine runs, $kills killed with SIGKILL; final --drain exit $final"
echo "soak: $labelsWritten labels written, $printedLabels printed in $pdfCount PDFs" \
     "($duplicates printed more than once); valid files filed in Error: $validInError;" \
     "label files left in the label folders: $left"
status=0
((lost == 0)) || { echo "soak: FAILED: $lost file(s) not accounted for"; status=1; }
((invalidPrinted == 0)) || { echo "soak: FAILED: $invalidPrinted invalid file(s) printed"; status=1; }
((left == 0)) || { echo "soak: FAILED: label files left behind"; ls -la "$labels"/Legacy "$labels"/User "$labels"/Corvan; status=1; }
((status)) && [ "${QUILL_SOAK_KEEP:-0}" = 1 ] && echo "soak: work folder kept: $work"
exit $status
