# Sourced by the scripts that run our desktop programs unseen: a private X
# server, and a notification area for the engine's tray icon. The caller
# keeps an array `pids` and ends those processes when it is done.

# Starts Xvfb on the first free display from `first` on, sets DISPLAY and
# returns once the server answers.
start_private_display() {  # first-display-number WIDTHxHEIGHT [log-file]
  local n=$1
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 "$2x24" -nolisten tcp >"${3:-/dev/null}" 2>&1 &
  pids+=($!)
  export DISPLAY=:$n
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
  echo "$0: Xvfb did not start on :$n" >&2
  return 1
}

# A notification area 120 x 28 pixels in the bottom right corner.
start_tray() {  # [log-file [more trayer options...]]
  local log=${1:-/dev/null}
  shift || true
  trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 "$@" >"$log" 2>&1 &
  pids+=($!)
  sleep 1
}
