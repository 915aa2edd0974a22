#!/usr/bin/python3
# What Orca says while one round is played by keyboard alone: who opens, each move, the outcome and
# the score, each as it happens. Prints what Orca said, to quote.
import re
import subprocess
import sys
import time

sys.path.insert(0, sys.path[0])
from atspi import PLACES, fail, game, tree  # noqa: E402

heard = 0


def said(pattern, seconds=5):
    """The next thing Orca says that matches, past what earlier calls heard; None if it does not."""
    global heard
    for _ in range(int(seconds * 10)):
        lines = re.findall(r"SPEECH OUTPUT: '(.*?)'", open(sys.argv[1], encoding="utf-8").read())
        for index in range(heard, len(lines)):
            if re.search(pattern, lines[index]):
                heard = index + 1
                print("Orca:", lines[index], flush=True)
                return lines[index]
        time.sleep(0.1)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "200", *names], check=True)


said(r"Quimbo v1\.0 frame", 15) or fail("Orca never heard the main window")
said(r"^Jugar push button") or fail("the keyboard did not start on Jugar")
insides = [n.get_name() for n in tree(game()) if re.search(r"Text\d|Tablero|Ataque|Defensa", n.get_name())]
insides and fail(f"a screen reader would read out the game's insides: {insides}")
key("Return")
opener = said(r"notification (Comienzo yo|Comenzá vos)") or fail("who opens was not spoken")
moves, here = [], 5  # Jugar leaves the keyboard on the centre cell
if "Comienzo yo" in opener:
    moves.append(said(r"La PC jugó en la casilla") or fail("the computer's opening was not spoken"))
answer = None
while not answer:
    target = next(cell for cell in range(1, 10) if not any(m.endswith(f"casilla {PLACES[cell - 1]}.") for m in moves))
    (row, column), (from_row, from_column) = divmod(target - 1, 3), divmod(here - 1, 3)
    key(*["Down"] * (row - from_row), *["Up"] * (from_row - row), *["Right"] * (column - from_column),
        *["Left"] * (from_column - column), "space")
    here = target
    moves.append(said(rf"Pusiste tu ficha en la casilla {PLACES[target - 1]}\.") or fail(f"cell {target} unheard"))
    answer = said(r"La PC jugó en la casilla|^alert", 3) or fail("the computer's move was not spoken")
    if answer.startswith("notification"):
        moves.append(answer)
        answer = said(r"^alert", 1.6)
said(r"^(Ganaste|La PC ganó|La ronda terminó empatada)") or fail("the outcome was not spoken")
key("Return")
said(r"notification Puntos: PC \d+, vos \d+\.") or fail("the new score was not spoken")
