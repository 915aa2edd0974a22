#!/bin/sh
# Runs the built game as a native Wayland client of a headless weston, with no X server at all,
# plays a move through AT-SPI (Wayland has no xdotool) and checks on weston's screenshots that the
# player's yellow piece is drawn in the cell pressed, where the board was empty before.
# Usage: wayland.sh <path to quimbo>
set -eu
game="$1"
here="$(dirname "$0")"
. "$here/desktop.sh"

start_weston
start_bus
mkdir "$work/before" "$work/after"

start_game "$game"
cell=$(/usr/bin/python3 - "$here" "$work" <<'EOF'
import subprocess, sys, time
sys.path.insert(0, sys.argv[1])
from atspi import Atspi, control, fail, game, press, wait_for, window
shoot = lambda name: subprocess.run(["weston-screenshooter"], cwd=f"{sys.argv[2]}/{name}", check=True)
main = window(game(), "Quimbo v1.0") or fail("the main window never showed up after the splash")
press(control(main, "Jugar") or fail("no 'Jugar' button"))
time.sleep(1.5)  # the computer, if it opens, never takes an edge
cell = control(main, "Casilla superior central: vacía") or fail("the top middle cell is taken")
shoot("before")
press(cell)
wait_for(lambda: control(main, "Casilla superior central: tu ficha"), 2) or fail("the piece went unheard")
time.sleep(0.5)  # heard at once, drawn on the next frame
shoot("after")
box = Atspi.Component.get_extents(cell, Atspi.CoordType.WINDOW)
print(box.x, box.y, box.width, box.height)
# Qt's own title bar would offer to maximise the fixed window: the game draws its own.
control(main, "Cerrar") and control(main, "Minimizar") or fail("the game's own title bar is missing")
EOF
) || fail "the game could not be played through AT-SPI on Wayland"
grep -q "Could not load the Qt platform plugin" "$work/game.log" && fail "Qt found no Wayland plugin"

# Weston knows the game's window by its process and tells where it lies: the game draws its own
# title bar there, so the cell's box from AT-SPI is relative to the whole window.
inside=$(weston-debug scene-graph | awk -v pid="PID $game_pid," '
  /View / { found = /top-level window . Quimbo v1.0/ && index($0, pid) }
  found && /position:/ { gsub(/[^0-9]+/, " "); print $1, $2, $3 - $1; exit }')
[ -n "$inside" ] || fail "weston shows no window ' Quimbo v1.0' of the game's process"
set -- $inside $cell
[ "$3" -eq 224 ] || fail "the main window is $3 pixels wide, not 224"
crop="$6x$7+$(($1 + $4))+$(($2 + $5))"
yellow() {  # how much of the cell, in percent, has the smiling ball's yellow (not the golden tile's)
  convert "$work/$1"/*.png -crop "$crop" -fx 'r > 0.8 && g > 0.65 && b < 0.3' -format '%[fx:int(100 * mean)]' info:
}
before=$(yellow before) && after=$(yellow after) || fail "weston's screenshots are unreadable"
echo "the top middle cell ($crop) is ${before}% yellow before the move, ${after}% after"
[ "$before" -lt 3 ] || fail "the empty cell already looks yellow"
[ "$after" -ge 10 ] || fail "no yellow piece was drawn in the cell pressed"
kill -0 "$game_pid" 2>/dev/null || fail "the game did not outlive the move"
echo "PASS"
