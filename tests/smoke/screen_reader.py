#!/usr/bin/python3
# What Orca says while one round is played by keyboard alone: who opens, each move, the outcome and
# the score, each as it happens. Prints what Orca said, to quote.
import re
import subprocess
import sys
import time

sys.path.insert(0, sys.path[0])
from atspi import PLACES, game, fail, tree  # noqa: E402

log, heard = sys.argv[1], 0
MOVE = re.compile(r"(La PC jugó|Pusiste tu ficha) en la casilla (.+)\.")


def said(pattern, seconds=5):
    """The next thing Orca says that matches, skipping what comes before it; None if it does not."""
    global heard
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        lines = re.findall(r"SPEECH OUTPUT: '(.*?)'", open(log, encoding="utf-8").read())
        for index in range(heard, len(lines)):
            if re.search(pattern, lines[index]):
                heard = index + 1
                print("Orca:", lines[index], flush=True)
                return lines[index]
        time.sleep(0.1)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)
    time.sleep(0.2)


said(r"Quimbo v1\.0 frame", 15) or fail("Orca never heard the main window")
said(r"^Jugar push button") or fail("the keyboard did not start on Jugar")
insides = [n.get_name() for n in tree(game()) if re.search(r"Text\d|Tablero|Ataque|Defensa|Aleatorio", n.get_name())]
insides and fail(f"a screen reader would read out the game's insides: {insides}")
key("Return")
opener = said(r"notification (Comienzo yo|Comenzá vos)") or fail("who opens was not spoken")
taken, here = set(), 5  # Jugar leaves the keyboard on the centre cell
if "Comienzo yo" in opener:
    taken.add(MOVE.search(said(MOVE.pattern) or fail("the computer's opening was not spoken"))[2])
while True:
    target = next(cell for cell in range(1, 10) if PLACES[cell - 1] not in taken)
    row, column = divmod(target - 1, 3)
    here_row, here_column = divmod(here - 1, 3)
    for step in ["Down"] * (row - here_row) + ["Up"] * (here_row - row) + ["Right"] * (column - here_column) + ["Left"] * (here_column - column):
        key(step)
    here = target
    key("space")
    said(rf"Pusiste tu ficha en la casilla {PLACES[target - 1]}\.") or fail(f"the move on cell {target} was not spoken")
    taken.add(PLACES[target - 1])
    answer = said(r"La PC jugó en la casilla|^alert", 3) or fail("the computer's move was not spoken")
    if answer.startswith("notification"):
        taken.add(MOVE.search(answer)[2])
        answer = said(r"^alert", 1.6)
    if answer:
        break
said(r"^(Ganaste|La PC ganó|La ronda terminó empatada)") or fail("the outcome was not spoken")
key("Return")
said(r"notification Puntos: PC \d+, vos \d+\.") or fail("the new score was not spoken")
