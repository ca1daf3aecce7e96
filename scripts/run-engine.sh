#!/usr/bin/env bash
# Set up, build and run the engine headless on the built-in defaults and the
# sample designs: every sample label file is printed (to PDF files when the
# machine has no printer), filed in Backup or Error, and the engine exits.
# Safe to run again: each run drops fresh copies of the sample label files.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
scripts/setup.sh
scripts/build.sh
engine=$repo/${QUILL_BUILD_DIR:-build}/engine_app/quill-engine
"$engine" --version

# Our files stay readable and writable for the site's group, as the
# engine's own are.
umask 002
# The program folder as the engine finds it (settings file, Printers.INI,
# "Log" beside it): <data root>/program, where the data root is the site's
# /var/lib/quill once it exists (or as root), else a private trial root.
program=$("$engine" --settings dump | sed -n 's/^Program folder: *//p')
program=${program%/}

# Sample folder -> settings section.
declare -A section=(
  [Legacy]=LEGACY [Vek]=VEK [User]=USER [Corvan]=CORVANE [CorvanePWB]=CORVANEPWB
  [CorvaneORS]=CORVANEORS [Direct]=DIRECT [DirORS]=DIRORS
)
# Sample folder -> the mode's name in `--settings dump`.
declare -A modeName=(
  [Legacy]="Legacy" [Vek]="Vek-Legacy" [User]="Manual" [Corvan]="Corvane" [CorvanePWB]="Corvane PWB"
  [CorvaneORS]="Corvane ORS" [Direct]="Direct Corvane" [DirORS]="Direct ORS"
)

samples=()
for folder in "${!section[@]}"; do
  designs=$repo/examples/designs/$folder
  [ -d "$designs" ] || designs=$repo/examples/direct/designs/$folder
  if [ -d "$designs" ] && [ -n "$(ls -A "$designs")" ]; then
    samples+=("$folder")
    "$engine" --settings set "${section[$folder]}" Visible 1 --type integer >/dev/null
  fi
done
# Direct printers and their command files live in the program folder.
[ -d "$repo/examples/direct" ] && cp -f "$repo"/examples/direct/*.INI "$program"/

# The folders in effect (a site may have moved them in the settings).
dump=$("$engine" --settings dump)
folderOf() {  # mode name, "labels" or "designs"
  awk -v mode="  $1 (" -v kind="    $2 " '
    index($0, mode) == 1 { found = 1; next }
    found && index($0, kind) == 1 { line = substr($0, length(kind) + 1); sub(/^ +/, "", line); sub(/  \*\.[^ ]*$/, "", line); print line; exit }
  ' <<<"$dump"
}
temp=$(sed -n 's/^TempLocation: *//p' <<<"$dump")
logs=$(sed -n 's/^Log folder: *//p' <<<"$dump")
pdfs=${QUILL_PDF_DIR:-${temp}PDF}

echo "Sample designs and label files:"
for folder in "${samples[@]}"; do
  labelFolder=$(folderOf "${modeName[$folder]}" labels)
  designFolder=$(folderOf "${modeName[$folder]}" designs)
  designs=$repo/examples/designs/$folder
  [ -d "$designs" ] || designs=$repo/examples/direct/designs/$folder
  labelfiles=$repo/examples/labelfiles/$folder
  [ -d "$labelfiles" ] || labelfiles=$repo/examples/direct/labelfiles/$folder
  mkdir -p "$designFolder" "$labelFolder"
  cp -f "$designs"/* "$designFolder"/
  dropped=0
  if [ -d "$labelfiles" ]; then
    for file in "$labelfiles"/*; do
      # Written under a hidden name and renamed, as a host should: the
      # engine never sees half a file.
      cp -f "$file" "$labelFolder/.incoming"
      mv -f "$labelFolder/.incoming" "$labelFolder/$(basename "$file")"
      dropped=$((dropped + 1))
    done
  fi
  printf '  %-16s %d design file(s) -> %s, %d label file(s) -> %s\n' \
    "${modeName[$folder]}" "$(ls "$designs" | wc -l)" "$designFolder" "$dropped" "$labelFolder"
done

echo "Running the engine headless until every label file is printed (queue rows below):"
status=0
"$engine" --drain || status=$?

echo
if [ "$status" -eq 0 ]; then
  echo "Every sample label file was printed."
elif [ "$status" -eq 1 ]; then
  echo "Some tasks were not printed (see the 'Not printed' rows above); their label files are in the"
  echo "Error folders."
else
  echo "The engine did not run (exit code $status; see its message above)."
fi
echo "Where things are:"
echo "  PDF files (when no CUPS printer is set up): $pdfs"
echo "  Direct printer bytes: direct-output.prn in $(folderOf "Direct Corvane" designs)"
echo "  Backup and Error folders: Backup/ and Error/ in each label folder, e.g. $(folderOf Legacy labels)/Backup"
echo "  logs: $logs (monthly log and exception log)"
echo "  settings: quill-engine --settings dump (program folder $program)"
[ "$status" -le 1 ]
