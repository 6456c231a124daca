#!/usr/bin/python3
"""A round of practice through the accessibility bus alone, after points.py
(which left play for points on): the clock switched off in the settings
window, six tiles picked, the three hints taken from the menu and read from
the window, each against the command-line solver's, a fourth not offered; then
STOP, a near answer declared, and the result must name the answer nearest to
it and where the two part, as `tallyfold-solve --check` finds them, with the
hints' cost in the points; the statistics then count a game without the
clock. Exits non-zero on the first thing that does not work, naming it.
    practice.py GAME SOLVER"""
import json
import re
import subprocess
import sys
import time

import pyatspi

from busplayer import application, fail, find, poll, press

game, solver = sys.argv[1], sys.argv[2]


def solve(*arguments):
    run = subprocess.run([solver, *arguments], capture_output=True, text=True, check=True)
    return json.loads(run.stdout)


def button(root, name):
    return poll(f"the button {name}", lambda: find(root, pyatspi.ROLE_PUSH_BUTTON, name)
                or find(root, pyatspi.ROLE_CHECK_BOX, name))


def menu(window, name):
    press(poll(f"the menu command {name}", lambda: find(window, pyatspi.ROLE_MENU_ITEM, name)))


process = subprocess.Popen([game], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
app = poll("the game on the bus", application, 20)
window = poll("the main window", lambda: find(app, pyatspi.ROLE_FRAME, "The Numbers Game"), 20)

menu(window, "Setting")
settings = poll("the settings window", lambda: find(app, pyatspi.ROLE_DIALOG, "Settings"))
press(poll("the General tab", lambda: find(settings, pyatspi.ROLE_PAGE_TAB, "General")))
switch = poll("the clock switch",
              lambda: find(settings, pyatspi.ROLE_CHECK_BOX, "Play without the clock"))
press(switch)
poll("the switch to be on", lambda: switch.getState().contains(pyatspi.STATE_CHECKED))
press(button(settings, "OK"))
poll("the settings to close", lambda: not find(app, pyatspi.ROLE_DIALOG, "Settings"))

for position in range(1, 7):
    press(button(window, f"Face-down tile {position}, row 1"))
press(button(window, "START"))
# The target stands once the hint can be taken: the roll is over.
hint = poll("the Hint command", lambda: find(window, pyatspi.ROLE_MENU_ITEM, "Hint"))
poll("Hint to be offered", lambda: hint.getState().contains(pyatspi.STATE_ENABLED))
clock = poll("the clock, off", lambda: find(window, pyatspi.ROLE_DIAL, "Clock: off"))
numbers = [find(window, pyatspi.ROLE_LABEL, re.compile(rf"Chosen number {i}: \d+")).name
           .split(": ")[1] for i in range(1, 7)]
target = poll("the target", lambda: find(window, pyatspi.ROLE_LABEL,
                                         re.compile(r"Target: \d+"))).name.split(": ")[1]
expected = solve("--hint", "3", "--json", *numbers, target)
wanted = [f"with {expected['fewest_numbers']} number" if expected["exact"]
          else f"the nearest is {expected['best']}",
          "Hint 2: ",
          f"the first step is {expected['step']}" if expected["step"] else "one of your numbers"]
for level in range(1, 4):
    press(hint)
    label = poll(f"hint {level}", lambda: find(window, pyatspi.ROLE_LABEL,
                                               re.compile(rf"(.*\n)?Hint {level}: .*", re.S)))
    if wanted[level - 1] not in label.name:
        fail(f"hint {level} reads {label.name!r}, the solver gives {wanted[level - 1]!r}")
print("accessibility: three hints heard: " + label.name.replace("\n", " | "))
# A fourth is not offered: the command is disabled, with no action to press.
poll("Hint to be refused after three", lambda: not hint.getState().contains(pyatspi.STATE_ENABLED))
# No clock: two seconds later the round is still on.
time.sleep(2)
if not find(window, pyatspi.ROLE_PUSH_BUTTON, "STOP") or clock.name != "Clock: off":
    fail("the round without the clock ended by itself")

press(button(window, "STOP"))
dialog = poll("the answer window", lambda: find(app, pyatspi.ROLE_DIALOG, "Your answer"))
press(poll("the Type it tab", lambda: find(dialog, pyatspi.ROLE_PAGE_TAB, "Type it")))
box = poll("the answer box", lambda: find(dialog, pyatspi.ROLE_TEXT, "Answer"))
near = f"{numbers[0]}+{numbers[1]}"
box.queryEditableText().setTextContents(near)
press(button(dialog, "Declare"))
close = button(dialog, "Close")
poll("the focus on Close", lambda: close.getState().contains(pyatspi.STATE_FOCUSED))
result = close.description
checked = solve("--check", near, "--json", *numbers, target)
points = max(checked["points"] - 3, 0)
for part in (f"Closest to yours: {checked['closest']}", "3 hints taken: 3 points less.",
             f"{points} point{'' if points == 1 else 's'}.", "Time to solve: "):
    if part not in result:
        fail(f"the result {result!r} does not say {part!r}")
print(f"accessibility: {near} for {target} heard as {result!r}")
press(close)
poll("the answer window to close", lambda: not find(app, pyatspi.ROLE_DIALOG, "Your answer"))

menu(window, "Statistics")
stats = poll("the statistics window", lambda: find(app, pyatspi.ROLE_DIALOG, "Statistics"))
figures = poll("the figures", lambda: find(stats, pyatspi.ROLE_LABEL,
                                          re.compile(r"Games scored: \d+\n.*", re.S)))
for part in ("On the clock: 2, without the clock: 1", "Hints taken: 3"):
    if part not in figures.name:
        fail(f"the statistics read {figures.name!r}, without {part!r}")
press(button(stats, "Close"))
process.terminate()
process.wait(10)
