#!/usr/bin/python3
"""A game played for points through the accessibility bus alone: the option
turned on in the settings window, the board of the day played and an exact
answer typed and declared, then a board picked by hand and a near answer
built step by step, each scored as the command-line solver scores it; then
the game is started again and the statistics window must show both games.
Exits non-zero on the first thing that does not work, naming it.
    points.py GAME SOLVER"""
import json
import re
import subprocess
import sys
import time

import pyatspi

from busplayer import application, fail, find, heard, poll, press, pump, walk

game, solver = sys.argv[1], sys.argv[2]


def start():
    process = subprocess.Popen([game], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = poll("the game on the bus", application, 20)
    window = poll("the main window",
                  lambda: find(app, pyatspi.ROLE_FRAME, "The Numbers Game"), 20)
    return process, app, window


def menu(window, name):
    command = poll(f"the menu command {name}",
                   lambda: find(window, pyatspi.ROLE_MENU_ITEM, name))
    press(command)


def button(root, name):
    """A push button, or one that stays pressed (an operation, which the bus
    shows as a check box)."""
    return poll(f"the button {name}", lambda: find(root, pyatspi.ROLE_PUSH_BUTTON, name)
                or find(root, pyatspi.ROLE_CHECK_BOX, name))


def numbers_shown(dialog):
    """The number buttons of the step page: one per number still to use."""
    return [node for node, _ in walk(dialog)
            if node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX)
            and re.fullmatch(r"\d+", node.name or "")
            and node.getState().contains(pyatspi.STATE_SHOWING)]


def number(dialog, value):
    """A number button of that value that is free: enabled, not chosen."""
    return poll(f"the number {value}", lambda: next(
        node for node in numbers_shown(dialog) if node.name == value
        and node.getState().contains(pyatspi.STATE_ENABLED)
        and not node.getState().contains(pyatspi.STATE_CHECKED)))


def stop_clock(window):
    """START, then STOP once the clock runs; returns the answer window and
    the six numbers and target it shows."""
    press(button(window, "START"))
    stop = poll("STOP", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "STOP"))

    def stopped():
        # STOP does nothing while the target rolls: pressed until it stops
        # the clock (and the button becomes PLAY AGAIN, not to be pressed).
        if stop.name == "STOP":
            press(stop)
        time.sleep(0.1)
        return find(app, pyatspi.ROLE_DIALOG, "Your answer")
    dialog = poll("the answer window", stopped, 20)
    board = re.compile(r"Your numbers: ([\d ]+?)    Target: (\d+)")
    label = poll("the board in the answer window",
                 lambda: find(dialog, pyatspi.ROLE_LABEL, board))
    numbers, target = board.fullmatch(label.name).groups()
    return dialog, numbers.split(), int(target)


def scored(dialog, expression, numbers, target):
    """The result the window announces, against the command-line solver's."""
    close = button(dialog, "Close")
    poll("the focus on Close", lambda: close.getState().contains(pyatspi.STATE_FOCUSED))
    heard_result = close.description
    run = subprocess.run([solver, "--check", expression, "--json", *numbers, str(target)],
                         capture_output=True, text=True, check=False)
    points = json.loads(run.stdout)["points"]
    wanted = f"{points} point{'' if points == 1 else 's'}."
    if not heard_result.endswith(wanted):
        fail(f"{expression} for {target}: the window says {heard_result!r}, the solver {wanted!r}")
    print(f"accessibility: {expression} for {target} heard as {heard_result!r}")
    press(close)
    poll("the answer window to close", lambda: not find(app, pyatspi.ROLE_DIALOG, "Your answer"))
    return points


process, app, window = start()

# The option, on the settings window's General page.
menu(window, "Setting")
settings = poll("the settings window", lambda: find(app, pyatspi.ROLE_DIALOG, "Settings"))
general = poll("the General tab", lambda: find(settings, pyatspi.ROLE_PAGE_TAB, "General"))
press(general)
switch = poll("the points switch", lambda: find(settings, pyatspi.ROLE_CHECK_BOX, "Play for points"))
press(switch)
poll("the switch to be on", lambda: switch.getState().contains(pyatspi.STATE_CHECKED))
press(button(settings, "OK"))

# The board of the day, answered exactly by typing.
menu(window, "Today's board")
dialog, numbers, target = stop_clock(window)
# Behind the answer window nothing acts through the bus, as for the mouse:
# not a new board of the day, the statistics or PLAY AGAIN.
menu(window, "Today's board")
menu(window, "Statistics")
press(button(window, "PLAY AGAIN"))
time.sleep(0.5)
if find(app, pyatspi.ROLE_DIALOG, "Statistics") or not find(window, pyatspi.ROLE_PUSH_BUTTON,
                                                            "PLAY AGAIN"):
    fail("a press through the bus acted behind the answer window")
best = subprocess.run([solver, "--complete", "--json", "--limit", "1", *numbers, str(target)],
                      capture_output=True, text=True, check=True)
exact = json.loads(best.stdout)["answers"][0]["text"]
press(poll("the Type it tab", lambda: find(dialog, pyatspi.ROLE_PAGE_TAB, "Type it")))
box = poll("the answer box", lambda: find(dialog, pyatspi.ROLE_TEXT, "Answer"))
box.queryEditableText().setTextContents(exact)
poll("the typed answer checked", lambda: find(dialog, pyatspi.ROLE_LABEL, f"= {target}"))
press(button(dialog, "Declare"))
total = scored(dialog, exact, numbers, target)

# A board picked by hand and a near answer made step by step: the first two
# numbers added.
press(button(window, "PLAY AGAIN"))
for position in range(1, 7):
    press(button(window, f"Face-down tile {position}, row 1"))
dialog, numbers, target = stop_clock(window)
press(poll("the Step by step tab", lambda: find(dialog, pyatspi.ROLE_PAGE_TAB, "Step by step")))
press(number(dialog, numbers[0]))
poll("the first number chosen", lambda: any(
    node.getState().contains(pyatspi.STATE_CHECKED) for node in numbers_shown(dialog)))
plus = button(dialog, "plus")
poll("plus to be enabled", lambda: plus.getState().contains(pyatspi.STATE_ENABLED))
# An operation chosen renames nothing: a listener hears no name again.
time.sleep(0.5)
pump()
names_before = heard["names"]
press(plus)
time.sleep(0.5)
pump()
if heard["names"] != names_before:
    fail(f"choosing plus told {heard['names'] - names_before} unchanged names again")
press(number(dialog, numbers[1]))
made = int(numbers[0]) + int(numbers[1])
poll("the step listed", lambda: find(dialog, pyatspi.ROLE_LIST_ITEM,
                                     f"{numbers[0]} + {numbers[1]} = {made}"))
press(button(dialog, "Declare"))
total += scored(dialog, f"{numbers[0]}+{numbers[1]}", numbers, target)
process.terminate()
process.wait(10)

# Started again: the statistics read back from the store.
time.sleep(0.5)
process, app, window = start()
menu(window, "Statistics")
stats = poll("the statistics window", lambda: find(app, pyatspi.ROLE_DIALOG, "Statistics"))
figures = poll("the figures", lambda: find(stats, pyatspi.ROLE_LABEL,
                                          re.compile(r"Games scored: \d+\n.*", re.S)))
wanted = "Games scored: 2\nAnswers declared: 2\n"
if not figures.name.startswith(wanted) or f"Points: {total} in all" not in figures.name:
    fail(f"after a restart the statistics read {figures.name!r}, not {total} points in 2 games")
print("accessibility: after a restart: " + figures.name.replace("\n", "; "))
press(button(stats, "Close"))
poll("the statistics to close", lambda: not find(app, pyatspi.ROLE_DIALOG, "Statistics"))
# Nor behind the manual setup: no window stacks over it.
menu(window, "Manual setup")
poll("the manual setup window", lambda: find(app, pyatspi.ROLE_DIALOG, "Manual Overide"))
for name in ("Statistics", "About", "Setting"):
    menu(window, name)
time.sleep(0.5)
if [node.name for node, _ in walk(app) if node.getRole() == pyatspi.ROLE_DIALOG] != ["Manual Overide"]:
    fail("a menu pressed through the bus opened a window over the manual setup")
print("accessibility: presses behind the answer window and the manual setup refused")
process.terminate()
process.wait(10)
