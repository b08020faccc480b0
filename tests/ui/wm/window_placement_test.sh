#!/usr/bin/env bash
# The tool windows (運限, 飛化, 流派比較) and the zoomed main window lie wholly
# inside the screen under a real X server (Xvfb, 1920x1200) and window manager
# (openbox), at 100 % and at QT_SCALE_FACTOR=2: a tool window opens inside
# the screen, and where the user moved it is where it opens again; Ctrl+=
# stops before the main window leaves the screen, and Ctrl+0 brings it back
# to where it stood before zooming.
#
# Usage: window_placement_test.sh PROGRAM   (ProperN, Mia and Four lie beside PROGRAM)
# The X server, the window manager and the program are this script's own
# children and end with it, also when a check fails.
set -euo pipefail

readonly program=$1
readonly wait_seconds=20   # how long a window may take to appear (a loaded machine, a sanitizer build)
readonly screen_width=1920 screen_height=1200

source "$(dirname "$0")/wm_support.sh"

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }

# The shown managed window titled $1.
shown_titled() {
  local window
  for window in $(stacking); do
    [[ $(title "$window") == "$1" ]] && viewable "$window" && echo "$window" && return 0
  done
  return 1
}

# Left, top, right and bottom of window $1 with its frame (_NET_FRAME_EXTENTS), on the root window.
frame_of() {
  local x y w h left right top bottom
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                                               /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}')
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9]*' | tr '\n' ' '; echo)
  echo $((x - ${left:-0})) $((y - ${top:-0})) $((x + w + ${right:-0})) $((y + h + ${bottom:-0}))
}

# Window $1's frame lies wholly on the screen.
expect_on_screen() {
  local l t r b
  read -r l t r b < <(frame_of "$1")
  ((l >= 0 && t >= 0 && r <= screen_width && b <= screen_height)) ||
    fail "\"$(title "$1")\" at $l,$t..$r,$b leaves the ${screen_width}x$screen_height screen ($2)"
  echo "ok: \"$(title "$1")\" at $l,$t..$r,$b on the screen ($2)" >&2
}

key() { xdotool key --clearmodifiers "$1"; sleep 0.3; }

# Opens the tool window titled $1 with $2 from the main window; prints its id.
open_tool() {
  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
  key "$2"
  wait_until shown_titled "$1" >/dev/null || fail "\"$1\" did not open with $2"
  shown_titled "$1"
}

not_shown() { ! shown_titled "$1" >/dev/null; }

close_tool() {
  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
  key "$1"
  wait_until not_shown "$2" || fail "\"$2\" did not close with $1"
}

# Window $1's frame stands at $2,$3 within a few pixels (the window manager rounds).
expect_at() {
  local l t r b
  read -r l t r b < <(frame_of "$1")
  ((${l#-} - $2 <= 3 && $2 - l <= 3 && t - $3 <= 3 && $3 - t <= 3)) ||
    fail "\"$(title "$1")\" opened at $l,$t, not where it was put, $2,$3 ($4)"
}

# One run of the program at Qt scale $1, with settings of its own.
check_at_scale() {
  local scale=$1 tool window l t r b
  export XDG_CONFIG_HOME=$scratch/config-$scale
  mkdir -p "$XDG_CONFIG_HOME"
  # A program folder of its own: the first start creates User there.
  mkdir "$scratch/program-$scale"
  cp "$program" "$(dirname "$program")"/{ProperN,Mia,Four} "$scratch/program-$scale/"
  QT_SCALE_FACTOR=$scale "$scratch/program-$scale/velmora" >>"$scratch/velmora.log" 2>&1 &
  local program_pid=$!
  pids+=("$program_pid")
  wait_until shown_titled "提示" >/dev/null || fail "no first notice at scale $scale"
  key Return
  wait_until shown_titled "Velmora" >/dev/null || fail "no main window at scale $scale"
  main=$(shown_titled "Velmora")
  expect_on_screen "$main" "main window at scale $scale"

  # Columns: title, shortcut.
  for tool in "運限 ctrl+l" "飛化 ctrl+shift+f" "流派比較 ctrl+shift+k"; do
    set -- $tool
    window=$(open_tool "$1" "$2")
    expect_on_screen "$window" "$1 opened at scale $scale"
    xdotool windowmove "$window" 10 6  # wholly on the screen, the tallest (流派比較 at 200 %) too
    sleep 0.5
    read -r l t r b < <(frame_of "$window")
    close_tool "$2" "$1"
    window=$(open_tool "$1" "$2")
    expect_at "$window" "$l" "$t" "$1 reopened at scale $scale"
    close_tool "$2" "$1"
  done

  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
  local before_l before_t
  read -r before_l before_t r b < <(frame_of "$main")
  for _ in 1 2 3 4 5 6 7 8 9; do key ctrl+equal; done
  sleep 0.5
  expect_on_screen "$main" "after nine Ctrl+= at scale $scale"
  key ctrl+0
  sleep 0.5
  expect_at "$main" "$before_l" "$before_t" "Ctrl+0 at scale $scale"
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  unset 'pids[${#pids[@]}-1]'
}

require_x_tools
start_display
check_at_scale 1
check_at_scale 2
echo "every tool window and the zoomed main window stayed on the screen"
