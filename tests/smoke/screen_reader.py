#!/usr/bin/python3
# Plays Quimbo as a screen reader user does: reads the game's accessibility tree over AT-SPI,
# presses "Jugar" and the top middle cell through their actions and hears the cell change.
import re
import sys
import time

sys.path.insert(0, sys.path[0])
from atspi import PLACES, cells, control, fail, game, press, showing, tree, wait_for, window  # noqa: E402

INSIDES = re.compile(r"Text\d|Tablero|Ataque|Defensa|Aleatorio|Play")


def check_insides_hidden():
    said = [n.get_name() for n in tree(app) if INSIDES.search(n.get_name() + " " + n.get_description())]
    said and fail(f"a screen reader would read out the game's insides: {said}")


app = game()
main = window(app, " Quimbo v1.0") or fail("the main window ' Quimbo v1.0' never showed up after the splash")

# A fresh board read out cell by cell, each place once, with the start button and the link.
cells(main) == [f"Casilla {place}: vacía" for place in PLACES] or fail(f"the fresh board reads {cells(main)}")
start = control(main, "Jugar") or fail("no 'Jugar' button")
control(main, "Rincón Lúdico") or fail("no 'Rincón Lúdico' link")
check_insides_hidden()

# Whoever opens, the computer never takes an edge, so the top middle is still free.
press(start)
time.sleep(1.5)
showing(start) and fail("'Jugar' is still on screen during the match")
press(control(main, "Casilla superior central: vacía") or fail(f"the top middle cell is taken: {cells(main)}"))
wait_for(lambda: control(main, "Casilla superior central: tu ficha"), 2) or fail(f"the piece went unheard: {cells(main)}")
check_insides_hidden()
