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
shots=$repo/docs/screenshots
[ -x "$engine" ] || { echo "screenshots: build first (scripts/build.sh)" >&2; exit 1; }
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

# A private display on a free number.
n=90
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
# Large enough for a window of a small laptop's whole screen (1366 x 768).
export SCREEN_WIDTH=1920 SCREEN_HEIGHT=1080
Xvfb :$n -screen 0 ${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=:$n
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# A light desktop, so that the shots do not show black around the windows.
xsetroot -solid '#d8dde3' 2>/dev/null || true
trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 --transparent true --alpha 0 \
  --tint 0x303840 >"$work/trayer.log" 2>&1 &
pids+=($!)
sleep 1

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
