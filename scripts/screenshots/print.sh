# QuillPrint: the warning about designs without printer settings, the
# Manual list, a multi-folder list with its copy dialogs, a Direct list and
# the about box. The splash shows only while the program starts; its picture
# comes from the widget tests (QUILL_SCREENSHOTS).
export QUILL_DATA=$work/data QUILL_REGISTRY=$work/registry.db QUILL_PDF_DIR=$work/pdf
labels=$QUILL_DATA/labels
designs=$labels/designs
mkdir -p "$QUILL_DATA/program" "$designs/User" "$designs/North" "$designs/South" "$designs/Direct"
cat >"$QUILL_DATA/program/QUILL.INI" <<INI
[USER]
Visible=1
[VEK]
Visible=1
[CORVANE]
Visible=1
[CORVANE1]
Name=North laundry
DesignLocation=$designs/North
FileLocation=$labels/North
[CORVANE2]
Name=South laundry
DesignLocation=$designs/South
FileLocation=$labels/South
[DIRECT]
Visible=1
INI
example() {  # example-design folder name description [no-printer-settings]
  local from=$repo/examples/designs/$2
  sed "s/^Text=.*/Text=$4/" "$from.lbl" >"$1/$3.lbl"
  [ -n "${5:-}" ] || cp "$from.lbp" "$1/$3.lbp"
}
example "$designs/User" User/Address Address "A4 sheet, 24 address labels 70 x 37 mm"
example "$designs/User" User/Address Parcel "Parcel label with running barcode"
example "$designs/User" User/Address Returns "Returns label (printer not chosen yet)" no-printer-settings
example "$designs/User" User/Address Single "One address label per page"
for c in C01 C02; do example "$designs/North" Corvan/C01 $c "Workwear label $c, North"; done
example "$designs/South" Corvan/C01 C01 "Workwear label C01, South"
example "$designs/South" Corvan/C01 N10 "Residents' laundry N10"
cp "$repo/examples/direct/designs/Direct/D01.lbl" "$designs/Direct/D01.lbl"
sed 's/^Text=.*/Text=Locker label, two lines/' "$designs/Direct/D01.lbl" >"$designs/Direct/D02.lbl"

cd "$QUILL_DATA/program"
"$print" >"$work/print.out" 2>"$work/print.err" &
print_pid=$!
pids+=($print_pid)

keys() {  # window-id keys...: typed into that window
  local id=$1
  shift
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key "$@"
  sleep 0.4
}
answer() {  # title-regex shot-name keys...: shoots the window, then answers it
  local id
  id=$(window_id "$1")
  sleep 0.4
  shoot "$id" "$2"
  shift 2
  keys "$id" "$@"
}

# A design without printer settings: the warning comes first.
main=$(window_id '^Quill - Print & Design$')
answer '^QuillPrint$' print-red-warning Return
eval "$(xdotool getwindowgeometry --shell "$main")"
# The window's layout is fixed for this display: rows of the list start
# 121 pixels below the window's top, 18 pixels each; in the side menu a
# closed group's header follows every 40 pixels, an open one's commands
# take 52 pixels each.
click 300 139   # the second design, Parcel
shoot "$main" print-manual-list

click 100 433   # "Corvane", below Manual's five commands and Vek-Legacy
click 300 139   # North's first design
shoot "$main" print-multi-folder-list
click 475 34    # toolbar: Copy
answer '^Copy Design: ' print-copy-locations ctrl+a Return
answer '^Design Name$' print-design-name Escape

click 150 317   # "Direct Corvane", below Corvane's two commands
shoot "$main" print-direct-list

keys "$main" alt+h a
answer '^Order Information$' print-about Return

keys "$main" alt+f Return
ended "$print_pid" quill-print
QUILL_SCREENSHOTS=$shots "$build/tests/print_app_tests" --gtest_filter='SplashScreenshot*' >/dev/null
echo "screenshots: $shots/print-splash.png"
