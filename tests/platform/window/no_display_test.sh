#!/usr/bin/env bash
# The real programs started where no display can be opened: with DISPLAY
# unset (and no XDG_RUNTIME_DIR, as over a plain remote shell), with DISPLAY
# naming a display where no server runs, and with SDL_VIDEODRIVER asking for
# the off-screen driver. Never a Wayland compositor within reach. Each must
# end with exit 1 within 5 s, its stderr exactly one line that names the
# program and the cause.
# Usage: no_display_test.sh OUTDIR PROGRAM...
set -uo pipefail

out="$1"
shift
mkdir -p "$out"

# The sanitizer build's leak report would count the display libraries' caches.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# An empty runtime folder: no Wayland socket in it.
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT

# A display number no X server answers on: no lock file, no socket file, no
# abstract socket.
free_display=""
for n in $(seq 99 -1 20); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
  free_display=":$n"
  break
done
[ -n "$free_display" ] || { echo "FAILED: no free display number"; exit 1; }

failures=0 runs=0
# check PROGRAM EXPECTED_STDERR ENV...: runs PROGRAM with the environment
# changed by ENV (env's own arguments) and checks exit, time and stderr.
check() {
  local program="$1" expected="$2"
  shift 2
  local name err start end status ms
  name="$(basename "$program")"
  runs=$((runs + 1))
  err="$out/$runs-$name-stderr.txt"
  start="$(date +%s%N)"
  env -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u SDL_VIDEODRIVER "$@" \
    timeout 5 "$program" </dev/null >/dev/null 2>"$err"
  status=$?
  end="$(date +%s%N)"
  ms=$(( (end - start) / 1000000 ))
  echo "$name ($*): exit $status in $ms ms, stderr: $(cat "$err")"
  if [ "$status" -ne 1 ]; then
    echo "FAILED: $name gave exit $status (124: still running after 5 s), not 1"
    failures=$((failures + 1))
  fi
  if [ "$(cat "$err")" != "$expected" ] || [ "$(wc -l <"$err")" -ne 1 ]; then
    echo "FAILED: $name's stderr is not the one line: $expected"
    failures=$((failures + 1))
  fi
}

for program in "$@"; do
  name="$(basename "$program")"
  check "$program" "$name: no display to open the window on (DISPLAY is not set)" \
    -u DISPLAY -u XDG_RUNTIME_DIR
  check "$program" "$name: cannot open display $free_display" \
    DISPLAY="$free_display" XDG_RUNTIME_DIR="$runtime"
  check "$program" "$name: no display to open the window on (DISPLAY is not set)" \
    -u DISPLAY XDG_RUNTIME_DIR="$runtime" SDL_VIDEODRIVER=offscreen
done

[ "$failures" -eq 0 ] || exit 1
echo "no display: every program ends with exit 1 and one line on stderr"
