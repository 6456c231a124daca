#!/usr/bin/python3
"""A match of two players through the accessibility bus and the keyboard, in
one session: play for points switched on if it is not, "Two players" set up
through the bus (the names typed, three rounds, boards dealt), then three
rounds. In each, the round's starter is asked first for the keyboard, then
answers with keys (typed, Declare by Enter, or Alt+N for No answer); while
the other player answers, nothing on the bus may read the first answer; the
round's result must name the winner the command-line solver's distances
give, and after the third round the main window the match's winner, and
the statistics the match played. Exits non-zero on the first thing that
does not work, naming it.
    match.py GAME SOLVER"""
import json
import re
import subprocess
import sys
import time

import pyatspi

from busplayer import application, dump, fail, find, poll, press, walk

game, solver = sys.argv[1], sys.argv[2]
PLAYERS = ("Ann", "Ben")


def keys(*names):
    """Real key presses, to whichever window has the keyboard."""
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def button(root, name):
    return poll(f"the button {name}", lambda: find(root, pyatspi.ROLE_PUSH_BUTTON, name))


def menu(window, name):
    press(poll(f"the menu command {name}", lambda: find(window, pyatspi.ROLE_MENU_ITEM, name)))


def check(expression, numbers, target):
    """The solver's distance of an answer from the target; None for No answer."""
    if expression is None:
        return None
    run = subprocess.run([solver, "--check", expression, "--json", *numbers, str(target)],
                         capture_output=True, text=True, check=False)
    return json.loads(run.stdout)["distance"]


def readable(root, text):
    """Every name, description and text on the bus that holds `text`,
    shown or not."""
    found = []
    for node, _ in walk(root):
        held = [node.name or "", node.description or ""]
        try:
            contents = node.queryText()
            held.append(contents.getText(0, contents.characterCount))
        except NotImplementedError:
            pass
        found += [h for h in held if text in h]
    return found


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def hand_over(player):
    """The answer window asking for the keyboard to be passed to `player`;
    Enter on Ready goes on to the answer."""
    dialog = poll("an answer window", lambda: find(app, pyatspi.ROLE_DIALOG, "Your answer"), 20)
    wanted = f"Pass the keyboard to {player}."
    poll(f"'{wanted}'", lambda: find(dialog, pyatspi.ROLE_LABEL, wanted))
    ready = button(dialog, "Ready")
    poll("the focus on Ready", lambda: focused(ready))
    keys("Return")
    poll("the answer page", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Declare"))
    return dialog


def answer(dialog, expression):
    """Typed on the Type it page and declared with Enter; None: Alt+N."""
    if expression is None:
        keys("alt+n")
        return
    keys("alt+t")
    box = poll("the answer box", lambda: find(dialog, pyatspi.ROLE_TEXT, "Answer"))
    keys("alt+a")
    poll("the focus in the answer box", lambda: focused(box))
    type_text(expression)
    poll("the typed answer checked",
         lambda: find(dialog, pyatspi.ROLE_LABEL, re.compile(r"= \d+")))
    keys("Return")


process = subprocess.Popen([game], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
app = poll("the game on the bus", application, 20)
window = poll("the main window", lambda: find(app, pyatspi.ROLE_FRAME, "The Numbers Game"), 20)

if not find(window, pyatspi.ROLE_MENU_ITEM, "Two players"):
    menu(window, "Setting")
    settings = poll("the settings window", lambda: find(app, pyatspi.ROLE_DIALOG, "Settings"))
    press(poll("the General tab", lambda: find(settings, pyatspi.ROLE_PAGE_TAB, "General")))
    switch = poll("the points switch",
                  lambda: find(settings, pyatspi.ROLE_CHECK_BOX, "Play for points"))
    press(switch)
    poll("the switch to be on", lambda: switch.getState().contains(pyatspi.STATE_CHECKED))
    press(button(settings, "OK"))
    poll("the settings to close", lambda: not find(app, pyatspi.ROLE_DIALOG, "Settings"))

menu(window, "Two players")
setup = poll("the match's set-up", lambda: find(app, pyatspi.ROLE_DIALOG, "Two players"))
for place, name in enumerate(PLAYERS, 1):
    box = poll(f"the box of player {place}",
               lambda: find(setup, pyatspi.ROLE_TEXT, f"Player {place}:"))
    if box.queryText().getText(0, -1) != f"Player {place}":
        fail(f"player {place} is offered {box.queryText().getText(0, -1)!r}")
    box.queryEditableText().setTextContents(name)
rounds = poll("the rounds", lambda: find(setup, pyatspi.ROLE_SPIN_BUTTON, "Rounds (1 to 15):"))
rounds.queryValue().currentValue = 3
dealt = poll("Dealt at random", lambda: find(setup, pyatspi.ROLE_RADIO_BUTTON, "Dealt at random"))
if not dealt.getState().contains(pyatspi.STATE_CHECKED):
    fail("boards are not dealt at random by default")
press(button(setup, "OK"))
poll("the set-up to close", lambda: not find(app, pyatspi.ROLE_DIALOG, "Two players"))

score = [0, 0]
for round_number in (1, 2, 3):
    starter = (round_number - 1) % 2
    line = f"Ann {score[0]} - Ben {score[1]}, round {round_number} of 3"
    poll(f"the score {line!r}", lambda: find(window, pyatspi.ROLE_LABEL, line))
    start = button(window, "START")
    poll("the focus on START", lambda: focused(start))
    keys("space")
    stop = poll("STOP", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "STOP"))

    def stopped():
        # STOP does nothing while the target rolls: pressed until it acts.
        if stop.name == "STOP":
            press(stop)
        time.sleep(0.1)
        return find(app, pyatspi.ROLE_DIALOG, "Your answer")
    poll("the answer window", stopped, 20)

    first = hand_over(PLAYERS[starter])
    board = re.compile(r"Your numbers: ([\d ]+?)    Target: (\d+)")
    label = poll("the board", lambda: find(first, pyatspi.ROLE_LABEL, board))
    numbers, target = board.fullmatch(label.name).groups()
    numbers, target = numbers.split(), int(target)
    best = subprocess.run([solver, "--complete", "--json", "--limit", "1", *numbers, str(target)],
                          capture_output=True, text=True, check=True)
    exact = json.loads(best.stdout)["answers"][0]["text"]
    near = f"{numbers[0]}+{numbers[1]}"
    # Round 1: the best against nothing; 2: a near answer against the best;
    # 3: nothing against one number.
    given = {1: (exact, None), 2: (near, exact), 3: (None, numbers[0])}[round_number]
    answer(first, given[0])

    second = hand_over(PLAYERS[1 - starter])
    if given[0] is not None:
        seen = readable(app, given[0])
        if seen:
            fail(f"{PLAYERS[starter]}'s answer {given[0]!r} is readable while "
                 f"{PLAYERS[1 - starter]} answers: {seen!r}\n{dump(app)}")
    answer(second, given[1])

    distances = [None, None]
    distances[starter] = check(given[0], numbers, target)
    distances[1 - starter] = check(given[1], numbers, target)
    if distances[0] is None and distances[1] is None or distances[0] == distances[1]:
        winner = None
    elif distances[1] is None or (distances[0] is not None and distances[0] < distances[1]):
        winner = 0
    else:
        winner = 1
    if winner is not None:
        score[winner] += 1
    close = button(second, "Close")
    poll("the focus on Close", lambda: focused(close))
    result = close.description
    said = "The round is a tie." if winner is None else f"{PLAYERS[winner]} wins the round."
    if said not in result:
        fail(f"round {round_number}, distances {distances}: {result!r} does not say {said!r}")
    print(f"accessibility: round {round_number} for {target}: {result!r}")
    keys("Return")
    poll("the answer window to close", lambda: not find(app, pyatspi.ROLE_DIALOG, "Your answer"))
    if round_number < 3:
        press(button(window, "PLAY AGAIN"))

if score[0] == score[1]:
    final = f"The match is a draw, {score[0]} - {score[1]}."
else:
    winner = 0 if score[0] > score[1] else 1
    final = f"{PLAYERS[winner]} wins the match {max(score)} - {min(score)}."
poll(f"the match's result {final!r}", lambda: find(window, pyatspi.ROLE_LABEL, final))
print(f"accessibility: {final}")

menu(window, "Statistics")
stats = poll("the statistics window", lambda: find(app, pyatspi.ROLE_DIALOG, "Statistics"))
figures = poll("the figures", lambda: find(stats, pyatspi.ROLE_LABEL,
                                          re.compile(r"Games scored: \d+\n.*", re.S)))
if "Matches played: 1" not in figures.name:
    fail(f"the statistics do not count the match: {figures.name!r}")
press(button(stats, "Close"))
process.terminate()
process.wait(10)
