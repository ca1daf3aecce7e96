#!/usr/bin/env bash
# Screenshots for the user guide, taken on a private X server with a
# notification area (trayer) and no window manager. Each script in
# scripts/screenshots/ shows one program's windows (all of them, or those
# named: scripts/screenshots.sh engine print); they share the display, the
# helpers below and a work folder of their own. Writes docs/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
build=$repo/${QUILL_BUILD_DIR:-build}
engine=$build/engine_app/quill-engine
print=$build/print_app/quill-print
shots=$repo/docs/screenshots
[ -x "$engine" ] && [ -x "$print" ] || { echo "screenshots: build first (scripts/build.sh)" >&2; exit 1; }
for tool in Xvfb xdpyinfo xdotool xwininfo trayer import convert; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool missing (scripts/setup.sh)" >&2; exit 1; }
done
mkdir -p "$shots"

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

. "$repo/scripts/lib/private-display.sh"
# Large enough for a window of a small laptop's whole screen (1366 x 768).
export SCREEN_WIDTH=1920 SCREEN_HEIGHT=1080
start_private_display 90 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}" "$work/xvfb.log"
# A light desktop, so that the shots do not show black around the windows.
xsetroot -solid '#d8dde3' 2>/dev/null || true
start_tray "$work/trayer.log" --transparent true --alpha 0 --tint 0x303840

window_id() {  # title regex
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "screenshots: no window '$1'" >&2
  return 1
}
wait_for() {  # file text
  for _ in $(seq 150); do grep -q "$2" "$1" 2>/dev/null && return; sleep 0.1; done
  echo "screenshots: '$2' did not appear in $1" >&2
  return 1
}
# A Manual label file of `count` address labels, written whole into the
# Manual label folder of $QUILL_DATA.
drop() {  # file design count
  local lines=""
  for i in $(seq "$3"); do lines+="1,$2,0000010$i,,Customer $i,Street $i,Town,Country,Ref. $i,"$'\r\n'; done
  printf '%s' "$lines" >"$work/$1"
  mv "$work/$1" "$QUILL_DATA/labels/User/$1"
}
# The engine's window, hidden into the tray after its start, shown again by
# a double-click on the tray icon (our small window inside the tray); sets
# X, Y, WIDTH and HEIGHT to the window's geometry.
show_from_tray() {  # window-id
  for _ in $(seq 50); do xwininfo -id "$1" | grep -q IsUnMapped && break; sleep 0.1; done
  local icon
  icon=$(for id in $(xdotool search --classname quill-engine); do
    xwininfo -id "$id" | grep -q 'Width: 2[0-9]$' && echo "$id"; done | head -1)
  eval "$(xdotool getwindowgeometry --shell "$icon")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click --repeat 2 --delay 80 1
  for _ in $(seq 50); do xwininfo -id "$1" | grep -q IsViewable && break; sleep 0.1; done
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$1")"
}
shoot() {  # window-id name
  import -window "$1" "$shots/$2.png"
  echo "screenshots: $shots/$2.png"
}
# A click at x, y of the window whose geometry is in X and Y.
click() {  # x y
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
  sleep 0.8
}
# Clicks at x, y of the screen, shoots the window that opens and closes it
# with Escape.
shoot_dialog() {  # x y title-regex name
  xdotool mousemove "$1" "$2" click 1
  local dialog
  dialog=$(window_id "$3")
  sleep 0.5
  shoot "$dialog" "$4"
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  xdotool key Escape
  sleep 0.5
}
# Waits for a program asked to end; fails when it is still running.
ended() {  # pid program-name
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  echo "screenshots: $2 did not end" >&2
  return 1
}


export XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=($(cd "$repo/scripts/screenshots" && ls *.sh | sed 's/\.sh$//'))
for part in "${parts[@]}"; do
  echo "screenshots: $part"
  mkdir -p "$work/$part"
  # A subshell each: a part's variables, programs and folder stay its own.
  (trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
   cd "$work/$part" && work=$work/$part && . "$repo/scripts/screenshots/$part.sh")
done
