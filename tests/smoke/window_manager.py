#!/usr/bin/python3
# Plays a round under openbox with the real mouse, reading the board over AT-SPI: the splash and the
# board must open centred on the screen's free area, its menu bar in it though the desktop offers a
# global menu, the round's announcement must stay above the main window, refuse to close unanswered
# and start the next round when clicked. Screenshots go to $QUIMBO_SCREENSHOTS.
import os, re, subprocess, time  # noqa: E401
from atspi import Atspi, centre, control, fail, main_window, tree, wait_for

ANNOUNCEMENT, PANEL = "^(Ganador|Empate)$", (235, 213, 188)
shots, steps = os.environ["QUIMBO_SCREENSHOTS"], iter(range(1, 100))


def empty():  # the cells still free, as "Casilla central: vacía"
    return [n for n in tree(main) if n.get_name().endswith(": vacía")]


def run(*args, text=True):
    return subprocess.run([str(a) for a in args], capture_output=True, text=text, timeout=10).stdout


def shown(title):
    return int((run("xdotool", "search", "--onlyvisible", "--name", title).split() or [0])[0])


def box(win):  # left, top, width, height; xdotool's own geometry counts openbox's frame twice
    info = run("xwininfo", "-id", win)
    return [int(n) for n in re.findall(r"(?:Absolute upper-left [XY]|Width|Height): +(-?\d+)", info)]


def click(x, y):
    run("xdotool", "mousemove", x, y, "click", 1)


def screen(step, x=0, y=0):  # the colour at x, y
    run("import", "-window", "root", path := f"{shots}/{next(steps):02}-{step}.png")
    return tuple(run(os.environ["QUIMBO_MAGICK"], path, "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-", text=False))


def check_on_top(win, step):  # the panel's own colour must show left of its word and pieces
    left, top, width, height = box(win)
    colour = screen(step, left + width * 12 // 100, top + height // 2)
    colour == PANEL or fail(f"{step}: the main window covers the announcement (rgb{colour} in its middle)")


def centred(win, what):
    """The window, with openbox's frame where it has one, in the middle of the free area; a first
    showing may miss by half the frame, which the desktop draws only once the window shows."""
    free = [int(n) for n in re.findall(r"\d+", run("xprop", "-root", "_NET_WORKAREA"))[:4]]
    left, top, width, height = box(win)
    frame = [int(n) for n in re.findall(r"\d+", run("xprop", "-id", win, "_NET_FRAME_EXTENTS"))] or [0] * 4
    off_x = left - frame[0] + (width + frame[0] + frame[1]) / 2 - (free[0] + free[2] / 2)
    off_y = top - frame[2] + (height + frame[2] + frame[3]) / 2 - (free[1] + free[3] / 2)
    abs(off_x) <= (frame[0] + frame[1]) / 2 + 1 and abs(off_y) <= (frame[2] + frame[3]) / 2 + 1 or \
        fail(f"the {what} opens {off_x:+.0f}, {off_y:+.0f} pixels off the middle of the free area {free}")


centred(wait_for(lambda: shown("^Quimbo$"), 5) or fail("no splash"), "splash")
main = main_window()
main_id = wait_for(lambda: shown("^ Quimbo v1.0$"), 5) or fail("openbox never mapped the main window")
centred(main_id, "main window")
menu = control(main, "Sobre", Atspi.Role.MENU_ITEM)
menu and menu.get_state_set().contains(Atspi.StateType.SHOWING) or fail("the menu bar left the window for the global menu")
run("xdotool", "key", "shift")  # openbox drops keys while the first XTEST key swaps the keymap
click(*centre(control(main, "Jugar")))
pc_opens = bool(wait_for(lambda: len(empty()) == 8, 1.6))  # the computer's opening piece comes at once
# The first free cell on each of the player's turns, until the round is decided.
while not (announcement := shown(ANNOUNCEMENT)):
    free = empty()
    mine = bool(free) and len(free) % 2 != pc_opens
    mine and click(*centre(free[0]))
    if not wait_for(lambda: shown(ANNOUNCEMENT) or len(empty()) < len(free) - mine, 4):
        fail(f"the game stopped with {len(free)} cells free")
screen("announcement")

# a. The window manager keeps only a transient window above its main window.
owner = re.findall(r"0x[0-9a-f]+", run("xprop", "-id", announcement, "WM_TRANSIENT_FOR")) or "none"
owner == [hex(main_id)] or fail(f"the announcement is not transient for the main window (xprop: {owner})")

# b. A click on the board beside the announcement, then one on the main window's title bar.
(left, top, width, _), (x, y, _, height) = box(main_id), box(announcement)
x - left > 6 or fail("the announcement leaves no strip of the board free to click")
click((left + x) // 2, y + height // 2)
click(left + width // 2, top - 9)
time.sleep(0.5)
check_on_top(announcement, "main window clicked")

# c. Alt+F4 must leave it waiting for its click, which starts the next round.
run("xdotool", "windowactivate", "--sync", announcement, "key", "alt+F4", "sleep", 1)
shown(ANNOUNCEMENT) == announcement or fail("Alt+F4 closed the announcement unanswered: the game waits for it forever")
check_on_top(announcement, "Alt+F4 pressed")
left, top, width, height = box(announcement)
click(left + width // 2, top + height // 2)
wait_for(lambda: not shown(ANNOUNCEMENT), 2) or fail("a click on the announcement did not answer it")
wait_for(lambda: len(empty()) == 9, 3) or fail("no round came after the announcement")
screen("next round")
click(*centre(next(n for n in tree(main) if n.get_name() == "Rincón Lúdico")))  # the banner
time.sleep(1)
not shown("^Quimbo$") or fail("an opener that worked brought the notice")
