#!/bin/sh
# Starts the built game in a real X server (Xvfb), as a user would: the splash for three seconds,
# then the main window; clicks the start button and a cell, checks the screen shows the player's
# piece there, then leaves with " Salir" and expects a clean exit.
# Usage: real_window.sh <path to quimbo>
set -eu
game="$1"
. "$(dirname "$0")/desktop.sh"
start_x
now_ms() { date +%s%3N; }

started=$(now_ms)
"$game" >"$work/game.log" 2>&1 &
game_pid=$!
pids="$game_pid $pids"

# The splash comes first, alone.
splash=""
for _ in $(seq 100); do
  splash=$(xdotool search --onlyvisible --classname quimbo 2>/dev/null | head -n 1 || true)
  [ -n "$splash" ] && break
  sleep 0.05
done
[ -n "$splash" ] || fail "no window appeared"
xdotool search --onlyvisible --name "^ Quimbo v1.0$" >/dev/null 2>&1 && fail "the main window came before the splash's three seconds"

# The main window follows, not before three seconds.
main=""
for _ in $(seq 200); do
  main=$(xdotool search --onlyvisible --name "^ Quimbo v1.0$" 2>/dev/null | head -n 1 || true)
  [ -n "$main" ] && break
  sleep 0.05
done
[ -n "$main" ] || fail "the main window never appeared"
shown_after=$(( $(now_ms) - started ))
[ "$shown_after" -ge 2900 ] || fail "the main window appeared after ${shown_after} ms, before the splash's three seconds"
echo "main window after ${shown_after} ms"

eval "$(xdotool getwindowgeometry --shell "$main")"
menu_height=$((HEIGHT - 293))
[ "$WIDTH" -eq 224 ] || fail "the main window is $WIDTH pixels wide, not 224"

# The start button over the centre cell, then (after any opening piece is down) the top middle
# cell, which the computer never opens on.
xdotool mousemove --window "$main" 113 $((menu_height + 112)) click 1
sleep 1.6
xdotool mousemove --window "$main" 112 $((menu_height + 47)) click 1
xdotool mousemove --window "$main" 5 $((menu_height + 200))
sleep 0.5
import -window root "$work/screen.png"
ball_x=$((X + 88 + 22))
ball_y=$((Y + menu_height + 24 + 22))
colour=$(convert "$work/screen.png" -format "%[fx:int(255*p{$ball_x,$ball_y}.r)] %[fx:int(255*p{$ball_x,$ball_y}.g)] %[fx:int(255*p{$ball_x,$ball_y}.b)]" info:)
set -- $colour
echo "the top middle cell shows rgb($1,$2,$3)"
[ "$1" -gt 200 ] && [ "$2" -gt 170 ] && [ "$3" -lt 110 ] || fail "no yellow piece in the clicked cell"

# " Salir" is the last item of the menu bar.
xdotool mousemove --window "$main" 190 $((menu_height / 2)) click 1
for _ in $(seq 60); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$game_pid" 2>/dev/null && fail "the game is still running after Salir"
wait "$game_pid" || fail "the game ended with an error"
echo "PASS"
