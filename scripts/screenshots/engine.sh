# The engine's desktop program: the tray icon, the queue window with a red
# error row and its status panel, the abort and retry dialogs and the end
# question. A few Manual label files go through the engine on the way (two
# of them name a design that does not exist).
# The engine's world: data root, registry, PDF printer folder, program folder.
export QUILL_DATA=$work/data QUILL_REGISTRY=$work/registry.db QUILL_PDF_DIR=$work/pdf
mkdir -p "$QUILL_DATA/program" "$QUILL_DATA/labels/designs/User" "$QUILL_DATA/labels/User"
printf '[Quill]\nLogMode=3\nPrintDelayMinutes=60\nUseDirMonitor=0\n[USER]\nVisible=1\n' \
  >"$QUILL_DATA/program/QUILL.INI"
designs=$QUILL_DATA/labels/designs/User
cp "$repo/examples/designs/User/Address.lbl" "$repo/examples/designs/User/Address.lbp" "$designs/"
# One label per page: prints at once.
sed -e 's/^nRows=.*/nRows=1/' -e 's/^nCols=.*/nCols=1/' "$repo/examples/designs/User/Address.lbl" >"$designs/Parcel.lbl"
cp "$designs/Address.lbp" "$designs/Parcel.lbp"

cd "$QUILL_DATA/program"
"$engine" >"$work/engine.out" 2>"$work/engine.err" &
engine_pid=$!
pids+=($engine_pid)

# Started, the window hides into the tray after a second.
main=$(window_id '^Quill - Labelprint Engine - ')
for _ in $(seq 50); do xwininfo -id "$main" | grep -q IsUnMapped && break; sleep 0.1; done
drop USR0001.txt Address 5
drop USR0002.txt Parcel 1
drop USR0003.txt Missing 1
drop USR0004.txt Lost 1
wait_for "$work/engine.out" $'Lost\t1/1\tNot printed'
sleep 0.5
# The notification area, magnified so that the icon can be seen.
import -window root -crop 120x28+$((SCREEN_WIDTH - 120))+$((SCREEN_HEIGHT - 28)) "$work/tray.png"
convert "$work/tray.png" -filter point -resize 300% "$shots/engine-tray.png"
echo "screenshots: $shots/engine-tray.png"

# Files for the dialogs: waiting in a folder the engine does not serve now,
# and lying in Error folders.
mkdir -p "$QUILL_DATA/labels/Corvan/Error" "$QUILL_DATA/labels/Legacy"
for i in 1 2 3; do printf 'x' >"$QUILL_DATA/labels/Corvan/CRV00$i.lbl"; done
for i in 1 2; do printf 'x' >"$QUILL_DATA/labels/Legacy/LB00$i.lbf"; printf 'x' >"$QUILL_DATA/labels/Corvan/Error/CRVE0$i.lbl"; done

show_from_tray "$main"
# The window's layout is fixed for this display: the list's rows start 119
# pixels below the window's top, 14 pixels each, and the buttons sit 38
# pixels above its bottom. Designs are in descending order: Parcel,
# Missing and Lost (both red; the selected one shows its status), Address.
xdotool mousemove $((X + 450)) $((Y + 119 + 14 + 7)) click 1
sleep 0.5
shoot "$main" engine-queue-window

shoot_dialog $((X + 262)) $((Y + HEIGHT - 38)) '^Labelprint Engine$' engine-retry-dialog
shoot_dialog $((X + 348)) $((Y + HEIGHT - 38)) '^Labelprint Engine$' engine-abort-dialog

# File, Exit closes the window like its close button: the end question.
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key alt+f
sleep 0.3
xdotool key Return
question=$(window_id '^Quill - Labelprint Engine$')
sleep 0.5
shoot "$question" engine-end-question
xdotool windowfocus --sync "$question" 2>/dev/null || true
xdotool key Return
ended "$engine_pid" "the engine"
grep -q "Address	5/24	Printed to" "$work/engine.out" && echo "screenshots: End printed the collected task"
