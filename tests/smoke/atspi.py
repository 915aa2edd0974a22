# The game as a screen reader sees it over AT-SPI, shared by the smoke tests: find the game's main
# window, walk its controls, read and press them, and find where they are on the screen.
import contextlib, sys, time  # noqa: E401
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def fail(message):
    sys.exit(f"FAIL: {message}")


def wait_for(probe, seconds):
    for _ in range(int(seconds * 10)):
        with contextlib.suppress(GLib.Error):  # a node went away while we were reading
            if found := probe():
                return found
        time.sleep(0.1)


def children(node):
    return [c for c in map(node.get_child_at_index, range(node.get_child_count())) if c is not None]


def tree(node):
    yield node
    for child in children(node):
        yield from tree(child)


def main_window():
    """The game's main window, once the splash has made way for it."""
    app = wait_for(lambda: next((a for a in children(Atspi.get_desktop(0)) if a.get_name() == "quimbo"), None), 20)
    app or fail("no application 'quimbo' on the AT-SPI desktop")
    app.set_cache_mask(Atspi.Cache.NONE)  # read the game as it is now, not as its last event left it
    main = wait_for(lambda: next((w for w in children(app) if w.get_name() == "Quimbo v1.0"
                                  and w.get_state_set().contains(Atspi.StateType.SHOWING)), None), 10)
    return main or fail("the main window never showed up after the splash")


def control(root, name, role=Atspi.Role.PUSH_BUTTON):
    return next((n for n in tree(root) if n.get_role() == role and n.get_name() == name), None)


def press(node):
    names = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]
    "Press" in names or fail(f"{node.get_name()!r} cannot be pressed, its actions are {names}")
    Atspi.Action.do_action(node, names.index("Press"))


def names_told(action, seconds):
    """The names the game tells a screen reader have changed while `action` runs and for `seconds`
    after, as it tells them: one event each."""
    told, event = [], "object:property-change:accessible-name"
    listener = Atspi.EventListener.new(lambda change: told.append(change.source.get_name()))
    listener.register(event)
    action()
    context, end = GLib.MainContext.default(), time.monotonic() + seconds
    while time.monotonic() < end:
        context.iteration(False) or time.sleep(0.01)
    listener.deregister(event)
    return told


def centre(node):
    """Where the control's middle lies on the screen, in pixels."""
    box = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    return box.x + box.width // 2, box.y + box.height // 2
