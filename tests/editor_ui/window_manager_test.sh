#!/usr/bin/env bash
# The real program under Xvfb with the openbox window manager, in a folder of its own: three starts and
# exits leave the stored window line as it was, every frame opens with the stored outer rectangle (the
# first at 0, 0 with 680 x 550), and a size and place the user gives the frame are stored exactly. On a
# 1024 x 600 screen a huge, an overflowing and a foreign stored layout, and the default one at twice the
# scale, open wholly on the screen with bounded memory, close, and store the frame that was shown; a stored
# frame smaller than the window can be grows in place. Every pane's size is measured in the running program
# (each widget a window of its own) with a layout from a 1920 x 1080 screen and with the frame made as small
# as the window manager lets it. Stored bars open where they were left; dragged ones stop at their drag stops;
# the exit stores them where the frame shows them.
# Exits 77 (skipped) where Xvfb, openbox or the X tools it uses are missing.
# Usage: window_manager_test.sh PROGRAM
set -u

program="$1"
title="Quorvane Configurator Ver1.00.18"

for tool in Xvfb openbox wmctrl xwininfo xprop xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

work="$(mktemp -d)"
# Only this script's own running processes are ended: a number kept from earlier may be another's by now.
is_running() { grep -qx "$1" <<<"$(jobs -rp)"; }
cleanup() {
  kill $(jobs -rp) 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*"
  exit 1
}
# The program's resident memory stays far below what a frame larger than the screen costs.
max_rss_kb=$((512 * 1024))
program_pid=""
check_memory() {
  [ -n "$program_pid" ] || return 0
  local rss
  rss=$(awk '/^VmHWM:/ { print $2 }' "/proc/$program_pid/status" 2>/dev/null)
  [ "${rss:-0}" -le "$max_rss_kb" ] || fail "the program took ${rss} kB of memory"
}
# Polls `$@` every 0.1 s for up to $1 seconds; true as soon as it succeeds.
within() {
  local tenths=$(($1 * 10))
  shift
  for ((i = 0; i < tenths; i++)); do
    check_memory
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

mkdir -m 700 "$work/runtime"
mkdir "$work/config" "$work/run"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY LANGUAGE
# Under AddressSanitizer: the xcb platform's keyboard library hands strndup a counted name without a
# terminating zero, which the strict string check reports although strndup stops at the count.
if [ -n "${ASAN_OPTIONS:-}" ]; then export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"; fi

# Polls `$@` every 0.1 s while the process `$1` runs; false once it has ended.
while_running() {
  until "${@:2}"; do
    is_running "$1" || return 1
    sleep 0.1
  done
}
# Xvfb on a screen of the given size, with openbox. Xvfb chooses a free display and writes its number once
# it accepts clients; with -noreset it outlives a probe that leaves while openbox still connects.
start_screen() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  while_running $! test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  while_running $! eval 'wmctrl -m >/dev/null 2>&1' || fail "openbox did not start: $(cat "$work/openbox.log")"
}
start_screen 1280x1024

window_id() { wmctrl -l | awk -v t="$title" 'substr($0, length($0) - length(t) + 1) == t { print $1; exit }'; }
# The frame's outer rectangle "x,y,width,height": the client's place and size widened by the decoration
# the window manager reports.
outer_rect() {
  local id="$1" x y w h l r t b
  x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ { print $NF }')
  y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ { print $NF }')
  w=$(xwininfo -id "$id" | awk '/^ *Width:/ { print $NF }')
  h=$(xwininfo -id "$id" | awk '/^ *Height:/ { print $NF }')
  IFS=', ' read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p')
  echo "$((x - ${l:-0})),$((y - ${t:-0})),$((w + ${l:-0} + ${r:-0})),$((h + ${t:-0} + ${b:-0}))"
}
window_line() { sed -n '/^\[WINDOW INFO\]/{n;s/\r$//;p;q}' "$work/run/quorvane.ini" 2>/dev/null; }

# A settings file holding only the given window line.
store_line() {
  printf '[DATABASE VERSION]\r\n1.1\r\n\r\n[WINDOW INFO]\r\n%s\r\n\r\n[RECENTLY CONFIG]\r\n1:<NONE>,,,,,,\r\n' "$1" \
    >"$work/run/quorvane.ini"
}
# True when the outer rectangle "x,y,width,height" lies wholly on a screen of size "WxH".
on_screen() {
  local x y w h sw sh
  IFS=, read -r x y w h <<<"$1"
  IFS=x read -r sw sh <<<"$2"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$sw" ] && [ $((y + h)) -le "$sh" ]
}

# One run: start, wait for the frame, optionally let "the user" move and resize it, close it as the window
# manager's close box does, and check the exit. Sets `frame` to the outer rectangle the window had. The
# frame expected is the stored one unless `expected` names another ("" takes any; the caller checks).
run_once() {
  local user_rect="${1:-}" id
  (cd "$work/run" && exec "$program") >"$work/program.log" 2>&1 &
  local pid=$!
  program_pid=$pid
  within 60 eval '[ -n "$(window_id)" ]' || fail "no window appeared: $(cat "$work/program.log")"
  id=$(window_id)
  if [ -z "${expected+set}" ]; then
    local expected
    expected=$(window_line | cut -d, -f1-4)
    expected="${expected:-0,0,680,550}"
  fi
  # The decoration comes a moment after the window: wait until the frame has the rectangle expected.
  if [ -n "$expected" ]; then
    within 20 eval '[ "$(outer_rect "$id")" = "$expected" ]'
  else
    within 20 eval '[ -n "$(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n "s/.*= *//p")" ]'
    sleep 0.5
  fi
  frame=$(outer_rect "$id")
  [ -z "$expected" ] || [ "$frame" = "$expected" ] || fail "the frame is $frame, expected $expected"
  if [ -n "$user_rect" ]; then
    wmctrl -i -r "$id" -e "0,$user_rect"
    within 20 eval '[ "$(outer_rect "$id")" != "$expected" ]' || fail "the frame did not follow the resize"
    sleep 0.5
    frame=$(outer_rect "$id")
  fi
  [ -z "${measure:-}" ] || "$measure" "$id"
  check_memory
  wmctrl -i -c "$id"
  if ! within 60 eval '! is_running '"$pid"; then
    kill "$pid" 2>/dev/null
    fail "the program did not end after its window was closed"
  fi
  program_pid=""
  wait "$pid" || fail "the program ended with $?: $(cat "$work/program.log")"
}

run_once
[ "$frame" = "0,0,680,550" ] || fail "the first frame is $frame, not 0,0,680,550"
first=$(window_line)
[ "$first" = "0,0,680,550,100,320" ] || fail "the first run stored '$first'"
for n in 2 3; do
  run_once
  [ "$(window_line)" = "$first" ] || fail "run $n changed the window line from '$first' to '$(window_line)'"
done

# A frame the user moved and resized is stored as the window manager shows it, bars unchanged (the client
# area is tall enough for the output panel below the bar at 320).
run_once 40,30,720,540
user_frame=$frame
[ "$(window_line)" = "$frame,100,320" ] || fail "stored '$(window_line)' after the user made the frame $frame"

# A small screen: a layout far larger than it, one that overflows every sum, and one saved on a larger screen
# open limited to the screen and moved wholly onto it; the bars follow the view, the frame shown is stored.
kill $(jobs -rp) 2>/dev/null
wait 2>/dev/null
start_screen 1024x600
for case in "0,0,32767,32767,100,320 0,0,1024,600,100,320" \
  "0,0,2147483647,2147483647,2147483647,2147483647 0,0,1024,600,100,320" \
  "312,207,753,628,182,282 271,0,753,600,182,282"; do
  read -r line want <<<"$case"
  store_line "$line"
  expected=${want%,*,*} run_once
  [ "$(window_line)" = "$want" ] || fail "'$line' stored '$(window_line)', not '$want'"
done
# The mapped children of a window, one "id width height x y" line each.
kids() {
  local c
  for c in $(xwininfo -children -id "$1" | awk '$1 ~ /^0x/ { print $1 }'); do
    xwininfo -id "$c" | grep -q IsViewable || continue
    xwininfo -id "$c" | awk -v id="$c" '/^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
      /Relative upper-left X/ { x = $NF } /Relative upper-left Y/ { y = $NF } END { print id, w, h, x, y }'
  done
}
# The tree, the setting panel and the output panel of the frame `$1`: the view is the window holding the
# tree at its top left, as high as itself, and the setting panel at y 43; the output panel lies at `oy`.
read_view() {
  local top="$1" edge vid id w h x y
  view="" tree=0 pw=0 ph=0 out="" ow=0 oh=0
  for edge in $(kids "$top" | cut -d' ' -f1); do
    while read -r vid vw vh x y; do
      kids "$vid" >"$work/kids"
      if grep -q " $vh 0 0\$" "$work/kids" && grep -q " 43\$" "$work/kids"; then view=$vid; break 2; fi
    done < <(kids "$edge")
  done
  [ -n "$view" ] || fail "no view among the windows of the frame"
  while read -r id w h x y; do
    if [ "$x" = 0 ] && [ "$y" = 0 ]; then tree=$w
    elif [ "$y" = 43 ]; then pw=$w ph=$h
    elif [ "$y" -gt 43 ]; then out=$id ow=$w oh=$h oy=$y
    fi
  done <"$work/kids"
  [ -n "$out" ] || fail "no output panel in the view"
}
# Each pane must keep a usable size, and everything in the output panel must lie within it, the log a few
# lines high.
panes() {
  local top="$1" outside="" log c
  read_view "$top"
  for c in $(xwininfo -tree -id "$out" | awk -v w="$ow" -v h="$oh" '$1 ~ /^0x/ {
      split($(NF - 1), g, /[x+]/); split($NF, a, /[+]/)
      if (!base) { base = 1; bx = a[2] - g[3]; by = a[3] - g[4] }
      if (a[2] - bx + g[1] > w || a[3] - by + g[2] > h) print $1 }'); do
    if xwininfo -id "$c" | grep -q IsViewable; then outside=$c; break; fi
  done
  log=$(xwininfo -tree -id "$out" | awk '$1 ~ /^0x/ && $(NF - 1) ~ /\+12\+[0-9]+$/ { split($(NF - 1), g, /[x+]/); print g[2]; exit }')
  hint=$(xprop -id "$top" WM_NORMAL_HINTS | sed -n 's/.*minimum size: \([0-9]*\) by \([0-9]*\).*/\1x\2/p')
  pane_sizes="least client ${hint:-none}, tree ${tree} wide, setting panel ${pw}x${ph}, output panel ${ow}x${oh}, log ${log:-0} high"
  [ "$tree" -ge 99 ] && [ "$ph" -ge 50 ] && [ "$pw" = "$ow" ] && [ -z "$outside" ] && [ "${log:-0}" -ge 40 ] ||
    fail "a pane has too little room: $pane_sizes${outside:+; window $outside reaches out of the output panel}"
}
# Drags with the left button in the view from its point ($1, $2) to ($3, $4).
drag() {
  xdotool mousemove --window "$view" "$1" "$2" sleep 0.2 mousedown 1 sleep 0.2 \
    mousemove --window "$view" "$3" "$4" sleep 0.3 mouseup 1 sleep 0.3
}
# Stores the window line `$1`, runs measured by `$2` and expects `want` stored: `$3`, `$1`, or what the measure says.
run_stored() {
  want="${3:-$1}"
  store_line "$1"
  QT_USE_NATIVE_WINDOWS=1 measure="$2" run_once
  [ "$(window_line)" = "$want" ] || fail "'$1' stored '$(window_line)', not '$want'"
}
# Stored bars within their drag stops open there, though the panes right of and below them would like more.
# Dragged past the bottom and the right edge they stop 55 and 36 pixels short of the view's outer edges (2
# pixels around its client area), however little room that leaves the panes. The user then makes the frame
# smaller, which shows the bars nearer its edges: the exit stores them there, and the next start opens them so.
drag_stops() {
  read_view "$1"
  [ "$((tree + 1)),$((oy - 5))" = 500,390 ] || fail "the stored bars 500,390 opened at $((tree + 1)),$((oy - 5))"
  drag 600 392 600 $((vh + 200))
  drag 502 100 $((vw + 200)) 100
  read_view "$1"
  want="0,0,680,550,$((tree + 1)),$((oy - 4))"
  [ "${want#*,*,*,*,}" = "$((vw + 4 - 36)),$((vh + 4 - 55))" ] || fail "the bars stopped at $want in a ${vw}x${vh} view"
  wmctrl -i -r "$1" -e 0,40,40,504,404
  within 20 eval "[ \"\$(outer_rect $1)\" != 0,0,680,550 ]" || fail "the frame did not follow the resize"
  sleep 0.5
  read_view "$1"
  want="$(outer_rect "$1"),$((tree + 1)),$((oy - 5))"
}
run_stored 0,0,680,550,500,390 drag_stops
run_stored "$want" ""

# A layout from a 1920 x 1080 screen with a 700 pixel tree: the bar comes back only as far as the panes
# right of it need (the least client width holds them and a bar at 100).
fitted_panes() {
  panes "$1"
  wide_bar=$((100 + $(xwininfo -id "$1" | awk '/^ *Width:/ { print $NF }') - ${hint%x*}))
  [ "$((tree + 1))" = "$wide_bar" ] || fail "the 700 pixel bar came back to $((tree + 1)), not $wide_bar"
  want="0,0,1024,600,$wide_bar,320"
}
expected=0,0,1024,600 run_stored 0,0,1920,1080,700,320 fitted_panes
wide_panes=$pane_sizes
# Made as small as the window manager lets it, the frame still holds every pane.
QT_USE_NATIVE_WINDOWS=1 measure=panes expected=0,0,1024,600 run_once 0,0,200,80
least=$frame
[ "$(window_line)" = "$least,$((tree + 1)),$((oy - 5))" ] || fail "the smallest frame stored '$(window_line)'"
# A stored frame smaller than that keeps its place and grows to it.
expected="20,30,${least#*,*,}" run_stored 20,30,240,200,100,100 "" "20,30,${least#*,*,},100,100"

# At twice the scale the default frame is twice as large on the screen: it is limited to it as well.
rm -f "$work/run/quorvane.ini"
expected="" QT_SCALE_FACTOR=2 run_once
on_screen "$frame" 1024x600 || fail "at twice the scale the frame is $frame"
case "$(window_line)" in 0,0,512,300,100,*) ;; *) fail "at twice the scale '$(window_line)' was stored" ;; esac
echo "PASSED: window line '$first' kept over three runs; user's frame $user_frame stored; small screen fitted;" \
  "1920 layout: $wide_panes; smallest frame $least: $pane_sizes"
