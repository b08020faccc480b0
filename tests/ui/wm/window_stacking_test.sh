#!/usr/bin/env bash
# Every secondary window opens above the main window and active, under a real
# X server (Xvfb) and window manager (openbox), which the offscreen window
# tests cannot see. The real program runs from a scratch program folder; after
# each way a window opens, the window manager's stacking list and active window
# are read and the new window must be the top one and the active one, centred
# over the main window.
#
# Usage: window_stacking_test.sh PROGRAM   (ProperN, Mia and Four lie beside PROGRAM)
# The X server, the window manager and the program are this script's own
# children and end with it, also when a check fails.
set -euo pipefail

readonly program=$1
readonly wait_seconds=20   # how long a window may take to appear or come up (a loaded machine, a sanitizer build)
readonly centre_slack=40   # pixels a window's centre may lie off the main window's (title bars differ)
readonly screen_width=1600 screen_height=1200

source "$(dirname "$0")/wm_support.sh"
# The program's settings go to a scratch folder; the font cache stays where it
# is, since building it afresh can take longer than a window may to appear.
export XDG_CONFIG_HOME=$scratch/config
mkdir -p "$XDG_CONFIG_HOME"

active() { xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | grep -o '0x[0-9a-f]*' | head -1 || true; }
# Centre x and y of a window on the screen, frame excluded.
centre() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                           /Width:/ {w = $NF} /Height:/ {h = $NF} END {print int(x + w / 2), int(y + h / 2)}'
}

describe_windows() {
  echo "stacking, bottom to top (active: $(active)):"
  local window
  for window in $(stacking); do
    echo "  $window \"$(title "$window")\""
  done
}

# The top window when it is titled $1 and is the active one.
top_and_active() {
  local top
  top=$(stacking | tail -1)
  [[ -n $top && $(title "$top") == "$1" ]] || return 1
  [[ $((top)) -eq $(($(active))) ]] || return 1
  echo "$top"
}

# Waits for the window titled $1 to be on top and active; prints its id.
expect_on_top() {
  local window
  window=$(wait_until top_and_active "$1") || fail "\"$1\" is not the top and active window ($2)"
  echo "ok: \"$1\" on top and active ($2)" >&2
  echo "$window"
}

# The first managed window titled $1.
window_titled() {
  local window
  for window in $(stacking); do
    [[ $(title "$window") == "$1" ]] && echo "$window" && return 0
  done
  return 1
}

# Points $1,$2 and $3,$4 lie within centre_slack of each other.
near() {
  local dx=$(($1 - $3)) dy=$(($2 - $4))
  ((${dx#-} <= centre_slack && ${dy#-} <= centre_slack))
}

# Window $1 is centred over the main window.
expect_centred() {
  local x y main_x main_y
  read -r x y < <(centre "$1")
  read -r main_x main_y < <(centre "$main")
  near "$x" "$y" "$main_x" "$main_y" || fail "window $1 centred at $x,$y, the main window at $main_x,$main_y"
}

# Window $1 is a transient of window $2 (WM_TRANSIENT_FOR), which every
# window manager keeps it above.
expect_transient() {
  local owner
  owner=$(xprop -id "$1" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*' || true)
  [[ -n $owner && $((owner)) -eq $(($2)) ]] || fail "window $1 is transient for \"${owner:-nothing}\", not $2"
}

# A left click at x, y of the window's client area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
key() { xdotool key "$1"; }

# The program from a folder of its own holding copies of the reference files.
start_program() {
  "$scratch/program/velmora" >>"$scratch/velmora.log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
}

stop_program() {
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  unset 'pids[${#pids[@]}-1]'
}

require_x_tools
mkdir "$scratch/program"
cp "$program" "$(dirname "$program")"/{ProperN,Mia,Four} "$scratch/program/"
start_display

# Places in the main window's client area (pixels at 96 dpi: twips / 15).
readonly records_button=(44 20) transformations_button=(100 20) brightness_button=(156 20)
readonly records_mode=(679 23) chart_by_date_mode=(762 23)
# "確定" of the record window and of the gender dialog.
readonly confirm_button=(374 19) gender_confirm_button=(298 33)

start_program
box=$(expect_on_top "提示" "first start, no User")
read -r box_x box_y < <(centre "$box")
key Return
main=$(expect_on_top "Velmora" "after the first notice")
read -r main_x main_y < <(centre "$main")
near "$box_x" "$box_y" "$main_x" "$main_y" ||
  fail "the first notice was centred at $box_x,$box_y, the main window is at $main_x,$main_y"

click "$main" "${chart_by_date_mode[@]}"
window=$(expect_on_top "輸入男女盤" "擇盤")
expect_transient "$window" "$main"
expect_centred "$window"
click "$window" "${gender_confirm_button[@]}"
expect_on_top "Velmora" "after the gender dialog's 確定 was clicked" >/dev/null

click "$main" "${records_mode[@]}"
records=$(expect_on_top "排盤" "使用者 after the gender dialog")
expect_transient "$records" "$main"
expect_centred "$records"
# A click on the held main window (its 排盤 button is disabled) leaves the
# record window on top; it must be the active window too, or typing goes nowhere.
click "$main" "${records_button[@]}"
expect_on_top "排盤" "排盤 clicked while the record window is open" >/dev/null
click "$main" "${chart_by_date_mode[@]}"
expect_on_top "排盤" "擇盤 clicked while the record window is open" >/dev/null
click "$records" "${confirm_button[@]}"
window=$(expect_on_top "提示" "確定 refused in the record window")
expect_transient "$window" "$records"
expect_centred "$window"
key Return
expect_on_top "排盤" "after the refusal" >/dev/null
key Escape
expect_on_top "Velmora" "after the record window" >/dev/null

click "$main" "${transformations_button[@]}"
window=$(expect_on_top "編修四化表" "四化")
expect_transient "$window" "$main"
expect_centred "$window"
click "$main" "${brightness_button[@]}"
expect_on_top "編修四化表" "廟旺 clicked while the transformation editor is open" >/dev/null
key Escape
expect_on_top "Velmora" "after the transformation editor" >/dev/null

click "$main" "${brightness_button[@]}"
window=$(expect_on_top "編修廟旺表" "廟旺")
expect_transient "$window" "$main"
expect_centred "$window"
key Escape
expect_on_top "Velmora" "after the brightness editor" >/dev/null

click "$main" "${records_button[@]}"
window=$(expect_on_top "排盤" "排盤")
expect_centred "$window"
stop_program

start_program
window=$(expect_on_top "排盤" "start with User")
main=$(window_titled "Velmora") || fail "no main window at the start with User"
expect_transient "$window" "$main"
expect_centred "$window"
echo "every secondary window opened on top and active"
