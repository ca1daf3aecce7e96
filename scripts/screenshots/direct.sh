# The Direct layout editor in QuillPrint: the sample Direct design opened by
# "Modify Label", its byte pane filled from the sample label file.
export QUILL_DATA=$work/data QUILL_REGISTRY=$work/registry.db QUILL_PDF_DIR=$work/pdf
program=$QUILL_DATA/program
designs=$QUILL_DATA/labels/designs/Direct
backup=$QUILL_DATA/labels/Direct/Backup
mkdir -p "$program" "$designs" "$backup"
printf '[Quill]\nLogMode=1\n[DIRECT]\nVisible=1\n' >"$program/QUILL.INI"
cp "$repo/examples/direct/Printers.INI" "$repo/examples/direct/ZEBRA_ZPL.INI" "$program/"
cp "$repo/examples/direct/designs/Direct/D01.lbl" "$designs/"
cp "$repo/examples/labelfiles/Direct/DIR20240611-0001.lbl" "$backup/"

cd "$program"
"$print" >"$work/print.out" 2>&1 &
pids+=($!)
main=$(window_id '^Quill - Print & Design$')
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
# The only group is open: its second item, "Modify Label", on the focused design.
xdotool mousemove $((X + 100)) $((Y + 173)) click 1
editor=$(window_id '^Quill - Direct Print Label: ')
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$editor")"
xdotool windowfocus --sync "$editor" 2>/dev/null || true
# "Sample Label File..." opens in the Backup folder: type the file's name.
xdotool mousemove $((X + WIDTH - 160)) $((Y + HEIGHT - 224)) click 1
chooser=$(window_id '^Sample Label File$')
xdotool windowfocus --sync "$chooser" 2>/dev/null || true
xdotool type --delay 20 DIR20240611-0001.lbl
xdotool key Return
sleep 0.5
# The line with the locker number, so that its bytes stand out in the pane.
xdotool mousemove $((X + 100)) $((Y + 120)) click 1
sleep 0.5
shoot "$editor" direct-editor
