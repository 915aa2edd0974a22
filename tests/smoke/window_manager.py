#!/usr/bin/python3
# Plays a match under openbox with the real mouse, reading the board over AT-SPI: an announcement
# must stay above the main window and refuse to close unanswered, and a double-click on the final
# result must not start a new match through "Jugar" under it. Screenshots go to $QUIMBO_SCREENSHOTS.
import os, re, subprocess, sys, time  # noqa: E401
sys.path.insert(0, sys.path[0])
from atspi import cells, centre, control, fail, game, showing, tree, wait_for, window  # noqa: E402

ANNOUNCEMENT, PANEL = "^(Ganador|Empate)$", (235, 213, 188)
shots, faults, steps = os.environ["QUIMBO_SCREENSHOTS"], [], iter(range(1, 100))


def taken():
    return sum(not name.endswith("vacía") for name in cells(main))


def scores():
    return [n.get_name() for n in tree(main) if re.fullmatch(r"(PC|Jug): \d+", n.get_name())]


def run(*args, text=True):
    return subprocess.run([str(a) for a in args], capture_output=True, text=text, timeout=10).stdout


def shown(title):
    return int((run("xdotool", "search", "--onlyvisible", "--name", title).split() or [0])[0])


def box(win):  # left, top, width, height; xdotool's own geometry counts openbox's frame twice
    info = run("xwininfo", "-id", win)
    return [int(n) for n in re.findall(r"(?:Absolute upper-left [XY]|Width|Height): +(-?\d+)", info)]


def click(x, y, *repeat, window=None):  # raising that window first
    run("xdotool", *(["windowactivate", "--sync", window] if window else []), "mousemove", x, y, "click", *repeat, 1)


def screen(step, x=0, y=0):  # the colour at x, y
    run("import", "-window", "root", path := f"{shots}/{next(steps):02}-{step}.png")
    return tuple(run("convert", path, "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-", text=False))


def check_on_top(win, step):  # the panel's own colour must show left of its word and pieces
    left, top, width, height = box(win)
    colour = screen(step, left + width * 12 // 100, top + height // 2)
    colour == PANEL or faults.append(f"{step}: the main window covers the announcement (rgb{colour} in its middle)")


def play_round():  # the first free cell on each of the player's turns, until the round is decided
    wait_for(lambda: taken() == 0, 3) or fail(f"no round started: {cells(main)}")
    pc_opens = bool(wait_for(lambda: taken() == 1, 1.6))  # the computer's opening piece comes at once
    while not (announcement := shown(ANNOUNCEMENT)):
        placed = taken()
        mine = placed < 9 and placed % 2 == pc_opens
        mine and click(*centre(next(n for n in tree(main) if n.get_name().endswith(": vacía"))))
        if not wait_for(lambda: shown(ANNOUNCEMENT) or taken() > placed + mine, 4):
            screen("the game stopped")
            fail(f"the game stopped: {cells(main)}")
    return announcement


def acknowledge(announcement, number):  # after the fifth, gives the final result's window
    left, top, width, height = box(announcement)
    click(left + width // 2, top + height // 2, window=announcement)
    wait_for(lambda: not shown(ANNOUNCEMENT), 2) or fail("a click on the announcement did not answer it")
    if number == 5:
        return wait_for(lambda: shown("^Resultado Final$"), 3) or fail("no final result after the fifth round")
    wait_for(lambda: taken() == 0, 3) or fail(f"no round came after round {number}")


main = window(game(), "Quimbo v1.0") or fail("the main window never showed up after the splash")
main_id = wait_for(lambda: shown("^ Quimbo v1.0$"), 5) or fail("openbox never mapped the main window")
run("xdotool", "key", "shift")  # openbox drops keys while the first XTEST key swaps the keymap
click(*(start_at := centre(start := control(main, "Jugar"))))
announcement = play_round()
screen("announcement")

# a. The window manager keeps only a transient window above its main window.
owner = re.findall(r"0x[0-9a-f]+", run("xprop", "-id", announcement, "WM_TRANSIENT_FOR")) or "none"
owner == [hex(main_id)] or faults.append(f"the announcement is not transient for the main window (xprop: {owner})")

# b. A click on the board beside the announcement, then one on the main window's title bar.
(left, top, width, _), (x, y, _, height) = box(main_id), box(announcement)
x - left > 6 or fail("the announcement leaves no strip of the board free to click")
click((left + x) // 2, y + height // 2)
click(left + width // 2, top - 9)
time.sleep(0.5)
check_on_top(announcement, "main window clicked")

# c. Alt+F4 must leave it waiting for its click, which starts the next round.
run("xdotool", "windowactivate", "--sync", announcement, "key", "alt+F4", "sleep", 1)
if shown(ANNOUNCEMENT) != announcement:
    faults.append("Alt+F4 closed the announcement without answering it: the game waits for it forever")
    screen("Alt+F4 closed it")
    click(*start_at)  # the game shows it again on its next change, so the match can go on
    announcement = wait_for(lambda: shown(ANNOUNCEMENT), 2) or fail("\n".join(faults))
check_on_top(announcement, "Alt+F4 pressed")
acknowledge(announcement, 1)

# d. A double-click on the final result over "Jugar": the first click answers it, the second must miss.
for number in range(2, 6):
    result = acknowledge(play_round(), number)
(left, top, width, height), before = box(result), scores()
left < start_at[0] < left + width and top < start_at[1] < top + height or fail("'Jugar' is not under the result")
screen("final result")
click(*start_at, "--repeat", 2, "--delay", 60, window=result)
time.sleep(1.5)
screen("final result double-clicked")
shown("^Resultado Final$") and fail("a click on 'Resultado Final' did not answer it")
showing(start) and scores() == before or faults.append(
    f"a double-click on 'Resultado Final' started a new match: the score {before} became {scores()}")
faults and fail("\n".join(faults))
