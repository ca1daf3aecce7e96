# The engine's "System Settings" page (its three tabs) and the multi-folder
# list editor, at the window's default size and at a small laptop's whole
# screen (1366 x 768).
# A site with six modes, two Corvane sites and two label stocks, under a
# short folder so that the folder texts read well.
site=/tmp/quill-site.$$
export QUILL_DATA=$site QUILL_REGISTRY=$work/registry.db QUILL_PDF_DIR=$work/pdf
mkdir -p "$site/program"
{
  printf '[Quill]\nLogMode=2\nUseDirMonitor=0\nBarcodelength=10\nLastBarcode=0000104711\nCheckDigit=MOD10\n'
  for section in USER VEK CORVANE CORVANEPWB DIRECT CORVANEORS; do printf '[%s]\nVisible=1\n' $section; done
  printf '[CORVANE1]\nName=North\nDesignLocation=%s/sites/north/designs\nFileLocation=%s/sites/north/labels\n' "$site" "$site"
  printf '[CORVANE2]\nName=South\nDesignLocation=%s/sites/south/designs\nFileLocation=%s/sites/south/labels\n' "$site" "$site"
  printf '[Shift1]\nUseShift=1\nShiftPort=PDF\nLabelInfoDescription=Laundry tag 70 x 36\nLabelPosition=1\n'
} >"$site/program/QUILL.INI"
cat >"$site/program/LABELS.INI" <<'INI'
[Label1]
Description=Garment label 50 x 25
WidthMM=50
HeightINCH=71
SpaceWidthMM=3
SpaceHeightINCH_9Pins=6
SpaceHeightINCH_24Pins=6
Cols=1
[Label2]
Description=Laundry tag 70 x 36
WidthMM=70
HeightINCH=102
SpaceWidthMM=2
SpaceHeightINCH_9Pins=6
SpaceHeightINCH_24Pins=6
Cols=2
INI

cd "$site/program"
"$engine" >"$work/engine.out" 2>"$work/engine.err" &
engine_pid=$!
main=$(window_id '^Quill - Labelprint Engine - ')
show_from_tray "$main"
# "System Settings" in the side menu.
xdotool mousemove $((X + 70)) $((Y + 123)) click 1
sleep 1
shoot "$main" engine-settings-general

tab() {  # x of the tab's caption
  xdotool mousemove $((X + $1)) $((Y + 92)) click 1
  sleep 0.5
}
editor() {  # shot name
  tab 257
  # "Multi Design Folders" of the Corvane group (right column, second group).
  shoot_dialog $((X + WIDTH - 93)) $((Y + 307)) '^Multi Design Folders$' "$1"
}
shots() {  # name suffix
  tab 336
  shoot "$main" "engine-settings-additional$1"
  tab 412
  shoot "$main" "engine-settings-special$1"
}
shots ""
editor engine-settings-multi-folders

# A small laptop's whole screen.
xdotool windowmove "$main" 0 0 windowsize "$main" 1366 768
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
tab 257
shoot "$main" engine-settings-general-1366
shots -1366

# Back to the queue: nothing was changed, so nothing is asked; then end.
xdotool mousemove $((X + 60)) $((Y + 90)) click 1
sleep 0.5
kill -TERM "$engine_pid"
ended "$engine_pid" "the engine"
rm -rf "$site"
