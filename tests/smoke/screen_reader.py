#!/usr/bin/python3
# What Orca says while one round is played by keyboard alone: who opens, each move, the outcome and
# the score, each as it happens, and each piece of news once. Orca 43 speaks a notification with its
# role ("notification Comenzá vos."), Orca 48 an announcement as its text alone; buttons are "push
# button" to the one, "button" to the other. Prints what Orca said, to quote.
import collections, re, subprocess, sys, time  # noqa: E401
from atspi import fail

PLACES = ["superior izquierda", "superior central", "superior derecha", "central izquierda", "central",
          "central derecha", "inferior izquierda", "inferior central", "inferior derecha"]
NEWS = (r"^(?:notification )?(Pulsá Jugar para empezar|Comienzo yo|Comenzá vos|La PC jugó en la casilla [a-z ]+"
        r"|Pusiste tu ficha en la casilla [a-z ]+|Puntos: PC \d+, vos \d+)\.$")
heard = 0


def spoken():
    return re.findall(r"SPEECH OUTPUT: '(.*?)'", open(sys.argv[1], encoding="utf-8").read())


def said(pattern, seconds=5):
    """The next thing Orca says that matches, past what earlier calls heard; None if it does not."""
    global heard
    for _ in range(int(seconds * 10)):
        lines = spoken()[heard:]
        if line := next((line for line in lines if re.search(pattern, line)), None):
            heard += lines.index(line) + 1
            print("Orca:", line, flush=True)
            return line
        time.sleep(0.1)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "200", *names], check=True)


said(r"Quimbo v1\.0 frame", 15) or fail("Orca never heard the main window")
said(r"^Jugar (push )?button") or fail("the keyboard did not start on Jugar")
key("Return")
opener = said(r"^(notification )?(Comienzo yo|Comenzá vos)\.$") or fail("who opens was not spoken")
moves, here = [opener], 4  # Jugar leaves the keyboard on the centre cell
if "Comienzo yo" in opener:
    moves.append(said(r"La PC jugó en la casilla") or fail("the computer's opening was not spoken"))
while not moves[-1].startswith("alert") and not said(r"^alert", 1.6):  # my turn: the first free cell
    cell, place = next((c, p) for c, p in enumerate(PLACES) if not any(m.endswith(f"casilla {p}.") for m in moves))
    down, right = cell // 3 - here // 3, cell % 3 - here % 3
    key(*["Down"] * down, *["Up"] * -down, *["Right"] * right, *["Left"] * -right, "space")
    here = cell
    moves.append(said(rf"Pusiste tu ficha en la casilla {place}\.") or fail(f"my move to {place} was not spoken"))
    moves.append(said(r"La PC jugó en la casilla|^alert", 3) or fail("the computer's move was not spoken"))
said(r"^(Ganaste|La PC ganó|La ronda terminó empatada)") or fail("the outcome was not spoken")
key("Return")
said(r"^(notification )?Puntos: PC \d+, vos \d+\.$") or fail("the new score was not spoken")
time.sleep(1)  # anything said twice comes late
news = collections.Counter(found[1] for line in spoken() if (found := re.match(NEWS, line)))
print("News heard:", " | ".join(news), flush=True)
twice = [text for text, times in news.items() if times > 1]
not twice or fail(f"news spoken more than once: {twice}")
