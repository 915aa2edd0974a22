#!/bin/sh
# Runs the built game as a native Wayland client of a headless weston, with no X server at all,
# plays a move through AT-SPI (Wayland has no xdotool) and checks on weston's screenshots that the
# player's yellow piece is drawn in the cell pressed, where the board was empty before.
# Usage: wayland.sh <path to quimbo>
set -eu
. "$(dirname "$0")/desktop.sh"
start_weston
start_bus
mkdir "$work/before" "$work/after"
run "$1"
crop=$(/usr/bin/python3 - "$(dirname "$0")" "$work" <<'EOF'
import re, subprocess, sys, time  # noqa: E401
sys.path.insert(0, sys.argv[1])
from atspi import Atspi, control, fail, main_window, names_told, press, tree, wait_for
shoot = lambda name: subprocess.run(["weston-screenshooter"], cwd=f"{sys.argv[2]}/{name}", check=True)
main = main_window()
press(control(main, "Jugar") or fail("no 'Jugar' button"))
time.sleep(1.5)  # the computer, if it opens, never takes an edge
cell = control(main, "Casilla superior central: vacía") or fail("the top middle cell is taken")
shoot("before")
# Only the cell played is told a new name: a cell told its name again would be spoken again.
renamed = [name for name in names_told(lambda: press(cell), 0.6) if name.startswith("Casilla")]
renamed == ["Casilla superior central: tu ficha"] or fail(f"names told after the move: {renamed}")
wait_for(lambda: control(main, "Casilla superior central: tu ficha"), 2) or fail("the piece went unheard")
wait_for(lambda: any(n.get_name().endswith(": ficha de la PC") for n in tree(main)), 3) or fail("no cell tells the PC's piece")
time.sleep(0.5)  # heard at once, drawn on the next frame
shoot("after")
# Qt's own title bar would offer to maximise the fixed window: the game draws its own.
control(main, "Cerrar") and control(main, "Minimizar") or fail("the game's own title bar is missing")
any(n.get_role() == Atspi.Role.TOOL_BAR for n in tree(main)) or fail("the title bar is no tool bar")
menu = control(main, "Sobre", Atspi.Role.MENU_ITEM)
menu or fail("no menu item 'Sobre'")
below = Atspi.Component.get_extents(cell, Atspi.CoordType.WINDOW).y - Atspi.Component.get_extents(menu, Atspi.CoordType.WINDOW).y
below > 0 or fail(f"the menu bar is not above the board, but {-below} pixels below its top row")
# Weston tells where the window lies, title bar and all; AT-SPI tells where the cell lies in it.
graph = subprocess.run(["weston-debug", "scene-graph"], capture_output=True, text=True, timeout=10).stdout
where = re.search(r"window ' Quimbo v1\.0'.*\n\s*position: \((\d+), (\d+)\) -> \((\d+)", graph)
left, top, right = map(int, (where or fail(f"weston shows no window ' Quimbo v1.0':\n{graph}")).groups())
right - left == 224 or fail(f"the main window is {right - left} pixels wide, not 224")
box = Atspi.Component.get_extents(cell, Atspi.CoordType.WINDOW)
print(f"{box.width}x{box.height}+{left + box.x}+{top + box.y}")
EOF
) || fail "the game could not be played through AT-SPI on Wayland"
yellow() {  # how much of the cell, in percent, has the smiling ball's yellow (not the golden tile's)
  "$magick" "$work/$1"/*.png -crop "$crop" -fx 'r > 0.8 && g > 0.65 && b < 0.3' -format '%[fx:int(100 * mean)]' info:
}
before=$(yellow before) && after=$(yellow after) || fail "weston's screenshots are unreadable"
echo "the top middle cell ($crop) is ${before}% yellow before the move, ${after}% after"
[ "$before" -lt 3 ] || fail "the empty cell already looks yellow"
[ "$after" -ge 10 ] || fail "no yellow piece was drawn in the cell pressed"
