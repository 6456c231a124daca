#!/usr/bin/python3
"""Plays a whole game to the end of its clock, changes a setting and sets up
a board by hand through the accessibility bus alone: every control is found
by its role and name, read through its interfaces and pressed or toggled
through its actions, as a screen reader would. Prints the main window's tree
in the answers state. Exits non-zero on the first thing that does not work,
naming it."""
import os
import re
import time

import pyatspi

from busplayer import application, dump, fail, find, heard, poll, press, pump, walk

app = poll("the game on the bus", application, 20)
window = poll("the main window", lambda: find(app, pyatspi.ROLE_FRAME, "The Numbers Game"), 20)

# Six face-down tiles, found by name, pressed through the bus.
for position in range(1, 7):
    name = f"Face-down tile {position}, row 1"
    tile = poll(name, lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, name))
    press(tile)
    poll(f"{name} to be picked", lambda: not find(window, pyatspi.ROLE_PUSH_BUTTON, name))
chosen = []
for label in range(1, 7):
    pattern = re.compile(f"Chosen number {label}: (\\d+)")
    node = poll(f"chosen number {label}", lambda: find(window, pyatspi.ROLE_LABEL, pattern))
    chosen.append(int(pattern.fullmatch(node.name).group(1)))
print(f"accessibility: picked {chosen}")

game_button = poll("START", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "START"))
poll("START to be enabled",
     lambda: game_button.getState().contains(pyatspi.STATE_ENABLED))
press(game_button)
poll("the clock to start", lambda: game_button.name == "STOP", 20)
target_label = find(window, pyatspi.ROLE_LABEL, re.compile(r"Target: \d+"))
if not target_label:
    fail("no label reads the target")
target = int(target_label.name.split(": ")[1])
if not 101 <= target <= 999:
    fail(f"the target {target} is out of range")
print(f"accessibility: target {target}")

clock = find(window, pyatspi.ROLE_DIAL)
if not clock:
    fail("no dial on the main window")
seconds_left = re.compile(r"Clock: (\d+) seconds? left")
poll("the clock to tick", lambda: seconds_left.fullmatch(clock.name or "")
     and int(seconds_left.fullmatch(clock.name).group(1)) < 30, 5)
print(f"accessibility: the clock is named {clock.name!r}, described {clock.description!r}")
poll("the clock's value to be announced", lambda: heard["clock"] >= 1)
try:
    actions = clock.queryAction()
    if actions.nActions:
        fail(f"the clock offers actions: {[actions.getName(i) for i in range(actions.nActions)]}")
except NotImplementedError:
    pass

# The time runs out: the keyboard goes to Show Answer(s), which says why.
poll("the time to run out", lambda: game_button.name == "PLAY AGAIN", 40)
answer_button = poll("Show Answer(s)",
                     lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "Show Answer(s)"))
poll("the focus on Show Answer(s)",
     lambda: answer_button.getState().contains(pyatspi.STATE_FOCUSED))
if answer_button.description != "Time is up.":
    fail(f"Show Answer(s) is described {answer_button.description!r}")
print("accessibility: time up, the focus on Show Answer(s): " + answer_button.description)
search_started = time.monotonic()
names_before = heard["names"]
press(answer_button)
finished = re.compile(r"Searched (\d+) combinations: \n(\d+) answers found\.")
progress = poll("the search to finish", lambda: find(window, pyatspi.ROLE_LABEL, finished), 30)
search_seconds = time.monotonic() - search_started
time.sleep(0.2)
pump()
combinations, count = map(int, finished.fullmatch(progress.name).groups())
# The progress label's name changes once a display frame at most (60 a
# second), never once a report; a few more for the button and the list.
names = heard["names"] - names_before
if names > 60 * search_seconds + 10:
    fail(f"{names} names changed during a {search_seconds:.2f} s search")
print(f"accessibility: {names} names changed during a {search_seconds:.2f} s search")
answers = find(window, pyatspi.ROLE_LIST, "Answers")
if not answers:
    fail("no list named Answers")
listed = [answers.getChildAtIndex(i).name for i in range(answers.childCount)]
if len(listed) != count:
    fail(f"the label counts {count} answers, the list holds {len(listed)}")
print(f"accessibility: {combinations} combinations searched, {count} answers, "
      f"first {listed[:3]}")
print("accessibility: the main window with the answers:")
print(dump(window))

press(game_button)
poll("a new board", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "Face-down tile 1, row 1"))

# The settings window, through the menu command, which returns at once.
menu = find(window, pyatspi.ROLE_MENU_ITEM, "Setting")
if not menu:
    fail("no menu command named Setting")
started = time.monotonic()
press(menu)
if time.monotonic() - started > 2:
    fail("pressing Setting did not return at once")
settings = poll("the settings window",
                lambda: find(app, pyatspi.ROLE_DIALOG, "Settings"), 10)
timing = poll("the Timing tab", lambda: find(settings, pyatspi.ROLE_PAGE_TAB, "Timing"))
press(timing)
poll("the Timing tab to be selected",
     lambda: timing.getState().contains(pyatspi.STATE_SELECTED))
page = poll("the Timing page to show", lambda: next(
    node for node, _ in walk(settings)
    if node.name == "Timing" and node.getRole() != pyatspi.ROLE_PAGE_TAB
    and node.getState().contains(pyatspi.STATE_SHOWING)))
sounds = poll("the sounds check box",
              lambda: find(page, pyatspi.ROLE_CHECK_BOX, "Turn off sounds:"))
was_checked = sounds.getState().contains(pyatspi.STATE_CHECKED)
press(sounds)
poll("the check box to change",
     lambda: sounds.getState().contains(pyatspi.STATE_CHECKED) != was_checked)
ok = poll("OK", lambda: find(settings, pyatspi.ROLE_PUSH_BUTTON, "OK"))
press(ok)
store = os.path.join(os.environ["XDG_CONFIG_HOME"], "Vantor", "Tallyfold.conf")
wanted = f"NoSounds=dword:{0 if was_checked else 1}"


def stored():
    with open(store, encoding="latin-1") as f:
        return wanted in f.read().splitlines()


poll(f"{wanted} in the settings file", stored, 5)
print(f"accessibility: the settings window stored {wanted}")

# A board set up by hand: the numbers are check boxes toggled through the bus.
menu = find(window, pyatspi.ROLE_MENU_ITEM, "Manual setup")
if not menu:
    fail("no menu command named Manual setup")
press(menu)
manual = poll("the manual setup window",
              lambda: find(app, pyatspi.ROLE_DIALOG, "Manual Overide"), 10)
checked_before = heard["checked"]
wanted_numbers = ["100", "75", "8", "5", "3", "2"]
for number in wanted_numbers:
    box = poll(f"the number {number}", lambda: find(manual, pyatspi.ROLE_CHECK_BOX, number))
    press(box)
    poll(f"{number} to be chosen", lambda: box.getState().contains(pyatspi.STATE_CHECKED))
poll("the choices to be announced", lambda: heard["checked"] - checked_before >= 6)
target_box = poll("the target box", lambda: find(manual, pyatspi.ROLE_TEXT))
target_box.queryEditableText().setTextContents("523")
press(poll("Find Answers", lambda: find(manual, pyatspi.ROLE_PUSH_BUTTON, "Find Answers")))
poll("the manual setup's search to finish", lambda: find(
    window, pyatspi.ROLE_LABEL, re.compile(r"Searched 210492 combinations: \n32 answers found\.")), 30)
print("accessibility: a board set up by hand through the bus was searched")
