#!/usr/bin/python3
# What Orca says while one round is played by keyboard alone: who opens, each move, the outcome and
# the score, each as it happens, and each piece of news once. Orca's versions word the same speech
# differently: a role before or after a name or none ("notification Comenzá vos.", "Quimbo v1.0
# frame" or "Quimbo v1.0", "Jugar push button" or "Jugar button"), a final period or none. So each
# utterance is read for its meaning: its text, and its role where one is said. Prints what Orca
# said, to quote.
import collections, re, subprocess, sys, time  # noqa: E401
from atspi import fail

PLACES = ["superior izquierda", "superior central", "superior derecha", "central izquierda", "central",
          "central derecha", "inferior izquierda", "inferior central", "inferior derecha"]
NEWS = (r"Pulsá Jugar para empezar|Comienzo yo|Comenzá vos|La PC jugó en la casilla [a-z ]+"
        r"|Pusiste tu ficha en la casilla [a-z ]+|Puntos: PC \d+, vos \d+")
ROLES = r"notification|alert|frame|push button|button"
heard = 0


def meaning(utterance):
    """An utterance as (role, text, utterance): the role said before or after the text, if any, and
    the text without it or a final period."""
    text, role = utterance.strip(), ""
    if found := re.fullmatch(rf"({ROLES}) (.+)", text):
        role, text = found.groups()
    elif found := re.fullmatch(rf"(.+?) ({ROLES})\.?", text):
        text, role = found.groups()
    return role, text.removesuffix("."), utterance


def spoken():
    log = open(sys.argv[1], encoding="utf-8").read()
    return [meaning(u) for u in re.findall(r"SPEECH OUTPUT: '(.*?)'(?=[{ ]|$)", log, re.MULTILINE)]


def said(text, role=None, seconds=5):
    """The next utterance whose text matches and whose role, when given, is said: its text, past
    what earlier calls heard; None if it does not come."""
    global heard
    for _ in range(int(seconds * 10)):
        lines = spoken()[heard:]
        if line := next((line for line in lines if re.fullmatch(text, line[1])
                         and (role is None or re.fullmatch(role, line[0]))), None):
            heard += lines.index(line) + 1
            print("Orca:", line[2], flush=True)
            return line[1]
        time.sleep(0.1)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "200", *names], check=True)


said(r"Quimbo v1\.0", r"frame|", 15) or fail("Orca never heard the main window")
said(r"Jugar", r"(push )?button") or fail("the keyboard did not start on Jugar")
key("Return")
opener = said(r"Comienzo yo|Comenzá vos") or fail("who opens was not spoken")
moves, here = [opener], 4  # Jugar leaves the keyboard on the centre cell
if opener == "Comienzo yo":
    moves.append(said(r"La PC jugó en la casilla [a-z ]+") or fail("the computer's opening was not spoken"))
while not said(r"Ganador|Empate", "alert", 1.6):  # my turn: the first free cell
    cell, place = next((c, p) for c, p in enumerate(PLACES) if not any(m.endswith(f"casilla {p}") for m in moves))
    down, right = cell // 3 - here // 3, cell % 3 - here % 3
    key(*["Down"] * down, *["Up"] * -down, *["Right"] * right, *["Left"] * -right, "space")
    here = cell
    moves.append(said(rf"Pusiste tu ficha en la casilla {place}") or fail(f"my move to {place} was not spoken"))
    answer = said(r"La PC jugó en la casilla [a-z ]+|Ganador|Empate", seconds=3)
    answer or fail("the computer's move was not spoken")
    if answer in ("Ganador", "Empate"):
        break
    moves.append(answer)
said(r"(Ganaste|La PC ganó|La ronda terminó empatada).*") or fail("the outcome was not spoken")
key("Return")
said(r"Puntos: PC \d+, vos \d+") or fail("the new score was not spoken")
time.sleep(1)  # anything said twice comes late
news = collections.Counter(text for _, text, _ in spoken() if re.fullmatch(NEWS, text))
print("News heard:", " | ".join(news), flush=True)
twice = [text for text, times in news.items() if times > 1]
not twice or fail(f"news spoken more than once: {twice}")
