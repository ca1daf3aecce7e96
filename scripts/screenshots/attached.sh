# The desktop engine started while the service runs: it shows the
# service's queue window (a headless engine stands in for the service).
export QUILL_DATA=$work/data QUILL_REGISTRY=$work/registry.db QUILL_PDF_DIR=$work/pdf
mkdir -p "$QUILL_DATA/program" "$QUILL_DATA/labels/designs/User" "$QUILL_DATA/labels/User"
printf '[Quill]\nLogMode=3\nPrintDelayMinutes=60\nUseDirMonitor=0\n[USER]\nVisible=1\n' \
  >"$QUILL_DATA/program/QUILL.INI"
cp "$repo/examples/designs/User/Address.lbl" "$repo/examples/designs/User/Address.lbp" "$QUILL_DATA/labels/designs/User/"

drop() {  # file design count
  local lines=""
  for i in $(seq "$3"); do lines+="1,$2,0000010$i,,Customer $i,Street $i,Town,Country,Ref. $i,"$'\r\n'; done
  printf '%s' "$lines" >"$work/$1"
  mv "$work/$1" "$QUILL_DATA/labels/User/$1"
}

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
for _ in $(seq 50); do xwininfo -id "$main" | grep -q IsUnMapped && break; sleep 0.1; done
# Shown again from the tray icon, as an operator would.
icon=$(for id in $(xdotool search --classname quill-engine); do
  xwininfo -id "$id" | grep -q 'Width: 2[0-9]$' && echo "$id"; done | head -1)
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click --repeat 2 --delay 80 1
for _ in $(seq 50); do xwininfo -id "$main" | grep -q IsViewable && break; sleep 0.1; done
xdotool windowfocus --sync "$main" 2>/dev/null || true
sleep 0.8
shoot "$main" engine-attached
