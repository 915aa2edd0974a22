# The game as a screen reader sees it over AT-SPI, shared by the smoke tests: find the game and its
# windows, walk a window's controls, read and press them, and find where they are on the screen.
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

warnings.simplefilter("ignore", DeprecationWarning)  # action names still come from the old getter
SHOWING = Atspi.StateType.SHOWING
PLACES = ["superior izquierda", "superior central", "superior derecha", "central izquierda", "central",
          "central derecha", "inferior izquierda", "inferior central", "inferior derecha"]


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


def showing(node):
    return node.get_state_set().contains(SHOWING)


def game():
    found = wait_for(lambda: next((a for a in children(Atspi.get_desktop(0)) if a.get_name() == "quimbo"), None), 20)
    found or fail("no application 'quimbo' on the AT-SPI desktop")
    found.set_cache_mask(Atspi.Cache.NONE)  # read the game as it is now, not as its last event left it
    return found


def window(app, name, seconds=10):
    """The game's window of that title once it shows, or None."""
    return wait_for(lambda: next((w for w in children(app) if w.get_name() == name and showing(w)), None), seconds)


def control(root, name, role="push button"):
    return next((n for n in tree(root) if n.get_role_name() == role and n.get_name() == name), None)


def cells(root):
    """The nine cells' names, in board order."""
    named = {n.get_name().split(":")[0]: n.get_name() for n in tree(root) if n.get_name().startswith("Casilla ")}
    return [named.get(f"Casilla {place}", "") for place in PLACES]


def press(node):
    names = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]
    "Press" in names or fail(f"{node.get_name()!r} cannot be pressed, its actions are {names}")
    Atspi.Action.do_action(node, names.index("Press"))


def centre(node):
    """Where the control's middle lies on the screen, in pixels."""
    box = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    return box.x + box.width // 2, box.y + box.height // 2
