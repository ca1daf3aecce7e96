# QuillPrint's printing windows: "Print Labels" with typed values and the
# live sketch, the preview window, and "Print Labels - Use File" with a
# text file read into its grid.
export QUILL_DATA=$work/data QUILL_REGISTRY=$work/registry.db QUILL_PDF_DIR=$work/pdf
designs=$QUILL_DATA/labels/designs/User
mkdir -p "$QUILL_DATA/program" "$designs"
printf '[Quill]\nCheckDigit=MOD10\nLastBarcode=00012342\n[USER]\nVisible=1\n' >"$QUILL_DATA/program/QUILL.INI"
cp "$repo/examples/designs/User/Address.lbl" "$repo/examples/designs/User/Address.lbp" "$designs/"
list=$work/addresses.txt
printf '%s\r\n' "00012342;;Anna de Vries;Laan van Meerdervoort 12;2517 AB Den Haag;Netherlands;Room 4" \
  "00012359;;Bernd Schäfer;Hauptstraße 7;50667 Köln;Germany;Room 9" \
  "00012367;;Chloé Martin;12 rue des Lilas;69003 Lyon;France;Room 2" \
  "00012375;;Dirk Jansen;Kerkstraat 3;1017 GB Amsterdam;Netherlands;Room 11" \
  "00012383;;Eva Lindqvist;Storgatan 21;111 51 Stockholm;Sweden;Room 6" >"$list"

cd "$QUILL_DATA/program"
"$print" >"$work/print.out" 2>"$work/print.err" &
print_pid=$!
pids+=($print_pid)
main=$(window_id '^Quill - Print & Design$')
sleep 0.8
eval "$(xdotool getwindowgeometry --shell "$main")"
click 110 173   # "Print Labels"
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool type --delay 20 "00012342"
for value in "Anna de Vries" "Laan van Meerdervoort 12" "2517 AB Den Haag" "Netherlands" "Room 4"; do
  xdotool key Tab
  xdotool type --delay 20 "$value"
done
sleep 0.8   # the sketch follows 230 ms after the last key
shoot "$main" print-labels

# A running barcode range of 30 labels, previewed: two A4 sheets.
click 690 499   # "Print Barcode Range"
click 820 431   # the amount box
xdotool key ctrl+a
xdotool type "30"
click 964 538   # "Preview"
preview=$(window_id '^Preview$')
sleep 0.8
shoot "$preview" preview
xdotool windowfocus --sync "$preview" 2>/dev/null || true
xdotool key Next plus
sleep 0.5
shoot "$preview" preview-zoomed
xdotool key Escape
sleep 0.5

click 130 211   # "Print Labels by File"
click 1038 597  # "Browse"
dialog=$(window_id '^Open$')
sleep 0.5
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key ctrl+a
xdotool type "$list"
xdotool key Return
sleep 0.8
click 500 520   # the second line: the fields and the sketch show it
sleep 0.5
shoot "$main" print-labels-use-file

xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key alt+f Return
ended "$print_pid" quill-print
