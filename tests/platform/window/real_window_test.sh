#!/usr/bin/env bash
# The real kasimel binary in a real window under Xvfb, driven with xdotool:
# "9" Enter redraws the main menu, whose screenshot must match the replay
# tool's picture of the same state; the program idle at the menu uses under
# 1% of a core; "8" Enter ends the program with exit 0; a second run closed
# by the window manager's close request exits 0 too. With the probe: a
# program closed on its error screen exits 0, an animation of 300 frames of
# one-tick waits keeps to about 60 frames a second, and closing the window
# during the animation ends it with exit 0.
# Usage: real_window_test.sh KASIMEL REPLAY CLOSE_REQUEST OUTDIR PROBE
set -uo pipefail

kasimel="$1" replay="$2" close_request="$3" out="$4" probe="$5"
mkdir -p "$out"

for tool in Xvfb xdotool import convert compare; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed, the real-window test needs it (./test installs it)"
    exit 77
  fi
done

# The sanitizer build's leak report would count the display libraries' caches.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

xvfb_pid="" prog_pid=""
cleanup() {
  [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

fail() { echo "FAILED: $*"; exit 1; }

# A display of its own: Xvfb picks a free number and writes it to fd 3.
dispfile="$out/display"
rm -f "$dispfile"
Xvfb -displayfd 3 -screen 0 1600x900x24 -nolisten tcp 3>"$dispfile" 2>"$out/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$dispfile" ] && break
  sleep 0.1
done
[ -s "$dispfile" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$dispfile")"
echo "display $DISPLAY"

# start_program [TITLE COMMAND...]: kasimel unless told otherwise.
start_program() {
  local title="${1:-kasimel}"
  if [ $# -gt 1 ]; then shift; else set -- "$kasimel"; fi
  "$@" >"$out/$title.log" 2>&1 &
  prog_pid=$!
  wid="$(timeout 20 xdotool search --sync --name "^$title\$" | head -n1)"
  [ -n "$wid" ] || fail "no $title window appeared"
  sleep 1  # let it draw the main menu
}

# Waits up to 15 s for the program to end; its exit code in $status.
wait_program() {
  for _ in $(seq 150); do
    kill -0 "$prog_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$prog_pid" 2>/dev/null && fail "kasimel did not end"
  wait "$prog_pid"
  status=$?
  prog_pid=""
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# --- first run: keys, screenshot, idle CPU, end from the menu ---
start_program
xdotool type --window "$wid" 9
xdotool key --window "$wid" Return
"$replay" kasimel --keys '9\r' --png "$out/replay.png" || fail "replay failed"

# Compares the screen with the replay's picture; a loaded machine may take a
# while to draw, so it looks again a few times.
matches() {
  import -window root "$out/screen.png" || fail "no screenshot"
  # The window fills the 16:9 screen, so the canvas is the whole screenshot.
  convert "$out/screen.png" -resize '1360x765!' "$out/screen-scaled.png"
  differing="$(compare -metric AE -fuzz 30% "$out/screen-scaled.png" "$out/replay.png" \
    "$out/difference.png" 2>&1 >/dev/null)"
  echo "pixels differing by more than 30%: $differing of $((1360 * 765))"
  [[ "$differing" =~ ^[0-9.e+]+$ ]] || fail "compare said: $differing"
  # Glyph edges and scaling may differ; the picture must not (2% of the pixels).
  awk -v d="$differing" 'BEGIN { exit !(d < 0.02 * 1360 * 765) }'
}
shown=""
for _ in $(seq 10); do
  sleep 1
  if matches; then shown=yes; break; fi
done
[ -n "$shown" ] || fail "the window does not show the replay's picture (see $out/difference.png)"

idle_seconds=5
before="$(cpu_ticks "$prog_pid")"
sleep "$idle_seconds"
after="$(cpu_ticks "$prog_pid")"
hz="$(getconf CLK_TCK)"
echo "idle CPU: $((after - before)) ticks of 1/$hz s in $idle_seconds s"
# Next to no CPU: under 1% of one core.
[ $(( (after - before) * 100 )) -lt $(( idle_seconds * hz )) ] ||
  fail "the idle program keeps the CPU busy"

xdotool type --window "$wid" 8
xdotool key --window "$wid" Return
wait_program
[ "$status" -eq 0 ] || fail "ending from the menu gave exit $status"

# --- second run: closed by the window manager's close request ---
start_program
"$close_request" "$wid" || fail "close request not sent"
wait_program
[ "$status" -eq 0 ] || fail "closing the window gave exit $status"

# --- third run: a fault, the error screen, closed: exit 0 ---
start_program probe "$probe" fault
xdotool type --window "$wid" 1
xdotool key --window "$wid" Return
# The error screen is the menu panel's colour all over; it stays until the
# window is closed.
on_error_screen=""
for _ in $(seq 10); do
  sleep 1
  import -window root "$out/error.png" || fail "no screenshot"
  centre="$(convert "$out/error.png" -format '%[hex:p{800,300}]' info:)"
  echo "error screen colour at the centre: $centre"
  if [ "${centre:0:6}" = "$(printf '%06X' "$((0x1A3F7A))")" ]; then on_error_screen=yes; break; fi
done
[ -n "$on_error_screen" ] || fail "the fault did not end on the error screen (see $out/error.png)"
kill -0 "$prog_pid" 2>/dev/null || fail "the program left the error screen by itself"
"$close_request" "$wid" || fail "close request not sent"
wait_program
[ "$status" -eq 0 ] || fail "closing the window on the error screen gave exit $status"

# --- fourth run: animation pace ---
"$probe" animate >"$out/animate.log" 2>&1 || fail "the animation probe failed: $(cat "$out/animate.log")"
read -r _ frames _ seconds <"$out/animate.log"
echo "animation: $frames frames in $seconds s"
# 300 one-tick waits last 5 s; drawing is fast, so no frame may be lost to it
# (at least 40 frames a second even on a busy machine), and none may be cut
# short.
awk -v f="$frames" -v s="$seconds" 'BEGIN { exit !(s >= f / 60 - 0.05 && f / s >= 40) }' ||
  fail "the animation ran at $frames frames in $seconds s"

# --- fifth run: closed in the middle of the animation: exit 0 at once ---
start_program probe "$probe" animate
"$close_request" "$wid" || fail "close request not sent"
wait_program
[ "$status" -eq 0 ] || fail "closing the window during the animation gave exit $status"
grep -q frames "$out/probe.log" && fail "the animation ran to its end after the window was closed"

echo "real window: menu picture, idle CPU, end from the menu, close request, error screen," \
  "animation pace, close during the animation: all fine"
