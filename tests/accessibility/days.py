#!/usr/bin/python3
"""The month of past days through the accessibility bus alone, after
practice.py (which left play for points on): every day of the month must be
named with its date and its result, as the window shows them; yesterday's
board is then played from it (No answer), and the month read again must name
yesterday with that result. Exits non-zero on the first thing that does not
work, naming it.
    days.py GAME"""
import datetime
import re
import subprocess
import sys

import pyatspi

from busplayer import application, dump, fail, find, poll, press, walk

game = sys.argv[1]
FIRST_DAY = datetime.date(2026, 1, 1)
# A long date as Qt writes it in English: "Friday, December 11, 2026", or
# "Friday, 11 December 2026" where the locale puts the day first.
DATE = r"\w+day, (?:(\d+) \w+|\w+ (\d+),) \d{4}"


def long_date(day):
    return (f"(?:{day:%A}, {day.day} {day:%B} {day.year}"
            f"|{day:%A}, {day:%B} {day.day}, {day.year})")


def open_days(window):
    press(poll("the menu command Past days",
               lambda: find(window, pyatspi.ROLE_MENU_ITEM, "Past days")))
    return poll("the month of past days", lambda: find(app, pyatspi.ROLE_DIALOG, "Past days"))


def day_button(days, day):
    pattern = re.compile(long_date(day) + ": .*")
    return poll(f"the day {day}", lambda: find(days, pyatspi.ROLE_PUSH_BUTTON, pattern))


process = subprocess.Popen([game], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
app = poll("the game on the bus", application, 20)
window = poll("the main window", lambda: find(app, pyatspi.ROLE_FRAME, "The Numbers Game"), 20)

today = datetime.date.today()
day = max(today - datetime.timedelta(days=1), FIRST_DAY)
days = open_days(window)
if day.month != today.month:
    press(poll("Previous month", lambda: find(days, pyatspi.ROLE_PUSH_BUTTON, "Previous month")))
    day_button(days, day)
named = re.compile(DATE + r": (not played|\d+ points?, (exact|no answer|\d+ away))")
shown = [node.name for node, _ in walk(days) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
         and node.getState().contains(pyatspi.STATE_SHOWING) and named.fullmatch(node.name or "")]
month_days = [int(named.fullmatch(name).group(1) or named.fullmatch(name).group(2))
              for name in shown]
last = ((day.replace(day=28) + datetime.timedelta(days=4)).replace(day=1)
        - datetime.timedelta(days=1)).day
if sorted(month_days) != list(range(1, last + 1)):
    fail(f"the month's days are not each named with a date and result: {shown!r}\n{dump(days)}")
print(f"accessibility: {len(shown)} days named, as {shown[0]!r}")

press(day_button(days, day))
poll("the month to close", lambda: not find(app, pyatspi.ROLE_DIALOG, "Past days"))
press(poll("START", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "START")))
stop = poll("STOP", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "STOP"))


def stopped():
    # STOP does nothing while the target rolls: pressed until the round ends.
    if find(window, pyatspi.ROLE_PUSH_BUTTON, "STOP"):
        press(stop)
    return find(app, pyatspi.ROLE_DIALOG, "Your answer")


dialog = poll("the answer window", stopped, 20)
press(poll("No answer", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "No answer")))
close = poll("Close", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Close"))
poll("the focus on Close", lambda: close.getState().contains(pyatspi.STATE_FOCUSED))
press(close)
poll("the answer window to close", lambda: not find(app, pyatspi.ROLE_DIALOG, "Your answer"))

days = open_days(window)
if day.month != today.month:
    press(poll("Previous month", lambda: find(days, pyatspi.ROLE_PUSH_BUTTON, "Previous month")))
wanted = re.compile(long_date(day) + ": 0 points, no answer")
heard = poll(f"the day {day} named with its result",
             lambda: find(days, pyatspi.ROLE_PUSH_BUTTON, wanted)).name
print(f"accessibility: the day played reads {heard!r}")
press(poll("Close", lambda: find(days, pyatspi.ROLE_PUSH_BUTTON, "Close")))
process.terminate()
process.wait(10)
