# Shared by the window-manager tests, sourced after they set `program`,
# `wait_seconds`, `screen_width` and `screen_height`: a scratch folder, the
# children the script starts (ended with it, also when a check fails), an
# Xvfb display with openbox on it, and the X queries both tests read.
# A test may define describe_windows to add what it knows to a failure.

export LC_ALL=C.UTF-8      # window titles are read and compared as UTF-8
unset QT_QPA_PLATFORM      # ctest runs the offscreen tests; these need the X server

scratch=$(mktemp -d)
pids=()
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

fail() {
  echo "FAIL: $*" >&2
  if declare -F describe_windows >/dev/null; then describe_windows >&2 || true; fi
  local log
  for log in "$scratch"/*.log; do
    [[ -s $log ]] && { echo "--- ${log##*/}"; cat "$log"; } >&2
  done
  exit 1
}

# Runs the command until it succeeds; false after wait_seconds.
wait_until() {
  local deadline=$((SECONDS + wait_seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

# The managed windows, bottom to top.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | grep -o '0x[0-9a-f]*' || true; }
title() { xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p'; }

require_x_tools() {
  local tool
  for tool in Xvfb openbox xdotool xprop xwininfo; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
  done
}

start_display() {
  Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
  pids+=($!)
  wait_until test -s "$scratch/display" || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
  export DISPLAY=":$(head -1 "$scratch/display")"
  openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
  pids+=($!)
  wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
  wait_until wm_running || fail "openbox did not start: $(cat "$scratch/openbox.log")"
}
