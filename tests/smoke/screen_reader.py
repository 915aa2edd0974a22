#!/usr/bin/python3
# Plays Quimbo as a screen reader user does: reads the game's accessibility tree over AT-SPI,
# presses "Jugar" and the top middle cell through their actions and hears the cell change.
import re
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

warnings.simplefilter("ignore", DeprecationWarning)  # action names still come from the old getter
PLACES = ["superior izquierda", "superior central", "superior derecha", "central izquierda", "central",
          "central derecha", "inferior izquierda", "inferior central", "inferior derecha"]
INSIDES = re.compile(r"Text\d|Tablero|Ataque|Defensa|Aleatorio|Play")
SHOWING = Atspi.StateType.SHOWING


def fail(message):
    sys.exit(f"FAIL: {message}")


def wait_for(probe, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            if found := probe():
                return found
        except GLib.Error:  # a node went away while we were reading
            pass
        time.sleep(0.1)


def children(node):
    return [c for c in map(node.get_child_at_index, range(node.get_child_count())) if c is not None]


def tree(node):
    yield node
    for child in children(node):
        yield from tree(child)


def button(name):
    return next((n for n in tree(window) if n.get_role_name() == "push button" and n.get_name() == name), None)


def press(node):
    names = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]
    "Press" in names or fail(f"{node.get_name()!r} cannot be pressed, its actions are {names}")
    Atspi.Action.do_action(node, names.index("Press"))


def board():
    return sorted(n.get_name() for n in tree(window) if n.get_name().startswith("Casilla "))


def check_insides_hidden():
    said = [n.get_name() for n in tree(app) if INSIDES.search(n.get_name() + " " + n.get_description())]
    said and fail(f"a screen reader would read out the game's insides: {said}")


app = wait_for(lambda: next((a for a in children(Atspi.get_desktop(0)) if a.get_name() == "quimbo"), None), 20)
app or fail("no application 'quimbo' on the AT-SPI desktop")
window = wait_for(lambda: next((w for w in children(app) if w.get_name() == " Quimbo v1.0"
                                and w.get_state_set().contains(SHOWING)), None), 10)
window or fail("the main window ' Quimbo v1.0' never showed up after the splash")

# A fresh board read out cell by cell, each place once, with the start button and the link.
board() == sorted(f"Casilla {place}: vacía" for place in PLACES) or fail(f"the fresh board reads {board()}")
start = button("Jugar") or fail("no 'Jugar' button")
button("Rincón Lúdico") or fail("no 'Rincón Lúdico' link")
check_insides_hidden()

# Whoever opens, the computer never takes an edge, so the top middle is still free.
press(start)
time.sleep(1.5)
start.get_state_set().contains(SHOWING) and fail("'Jugar' is still on screen during the match")
press(button("Casilla superior central: vacía") or fail(f"the top middle cell is taken: {board()}"))
wait_for(lambda: button("Casilla superior central: tu ficha"), 2) or fail(f"the piece went unheard: {board()}")
check_insides_hidden()
