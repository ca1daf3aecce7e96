# The desktop engine started while the service runs: it shows the
# service's queue window (a headless engine stands in for the service).
export QUILL_DATA=$work/data QUILL_REGISTRY=$work/registry.db QUILL_PDF_DIR=$work/pdf
mkdir -p "$QUILL_DATA/program" "$QUILL_DATA/labels/designs/User" "$QUILL_DATA/labels/User"
printf '[Quill]\nLogMode=3\nPrintDelayMinutes=60\nUseDirMonitor=0\n[USER]\nVisible=1\n' \
  >"$QUILL_DATA/program/QUILL.INI"
cp "$repo/examples/designs/User/Address.lbl" "$repo/examples/designs/User/Address.lbp" "$QUILL_DATA/labels/designs/User/"

cd "$QUILL_DATA/program"
DISPLAY= "$engine" --service >"$work/service.out" 2>"$work/service.err" &
pids+=($!)
wait_for "$work/service.err" 'QuillService running headless'
drop USR0001.txt Address 3
drop USR0002.txt Missing 1
wait_for "$work/service.out" $'Missing\t1/1\tNot printed'

"$engine" >"$work/desktop.out" 2>"$work/desktop.err" &
pids+=($!)
wait_for "$work/desktop.err" 'showing the service QuillService'
main=$(window_id '^Quill - Labelprint Engine - .* - QuillService$')
# Shown again from the tray icon, as an operator would.
show_from_tray "$main"
shoot "$main" engine-attached
