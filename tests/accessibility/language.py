#!/usr/bin/python3
"""The game started in another language, through the accessibility bus
alone: its main window (before, during and after a game), its settings
window (each page) and its manual setup window must show no English text
that the translation file translates (nor English words it never uses), and
a whole game is played by the translated names: six tiles picked, the clock
started and stopped, the answers searched and listed. Exits non-zero on the
first thing that does not work, naming it.
    language.py LANGUAGE TRANSLATION_FILE"""
import re
import sys
import xml.etree.ElementTree as ET

import pyatspi

from busplayer import application, fail, find, poll, press, walk

language, ts_file = sys.argv[1], sys.argv[2]


def plain(text):
    """A caption as the bus names it: no mnemonic marks, no padding."""
    return re.sub(r"&(.)", r"\1", text or "").strip()


# English source -> its translation's forms (one, or one per plural form),
# per context: the same English may be translated differently in two places.
messages = {}
for context in ET.parse(ts_file).getroot().iter("context"):
    for message in context.iter("message"):
        translation = message.find("translation")
        forms = [form.text or "" for form in translation.iter("numerusform")]
        messages[context.findtext("name"), message.findtext("source")] = (
            forms or [translation.text or ""])


def tr(context, source):
    forms = messages.get((context, source))
    if not forms:
        fail(f"{ts_file} has no {source!r} in {context}")
    return plain(forms[0])


def pattern(context, source, **fill):
    """The translated message as a pattern: each %n (any plural form) a
    number, each %1..%9 what `fill` gives (a pattern) or any text."""
    if (context, source) not in messages:
        fail(f"{ts_file} has no {source!r} in {context}")
    ways = []
    for form in messages[context, source]:
        parts = re.split(r"(%[1-9n])", plain(form))
        ways.append("".join(
            r"(\d+)" if part == "%n" else f"(?:{fill.get(part, '.+?')})" if part.startswith("%")
            and len(part) == 2 else re.escape(part) for part in parts))
    return re.compile("|".join(f"(?:{way})" for way in ways), re.S)


def number_in(match):
    return int(next(group for group in match.groups() if group is not None))


# What would betray an untranslated caption: an English source whose
# translation differs from it and that no translation in this language
# happens to spell the same way. Messages with places for numbers or words
# become patterns, when their own words are enough to tell them apart.
own = {plain(form) for forms in messages.values() for form in forms}
# Every word this language's translations use, however short: an English
# message whose own words are all of them ("%1 of %2" in Dutch, where "of" is
# "or") tells nothing apart as a pattern.
own_words = {word.lower() for text in own for word in re.findall(r"[^\W\d_]+", text)}
english_texts = set()
english_patterns = []
for (context, source), forms in messages.items():
    text = plain(source)
    if all(plain(form) == text for form in forms) or text in own:
        continue
    if re.search(r"%[1-9n]", text):
        fixed = re.sub(r"%[1-9n]", "", text)
        fixed_words = {word.lower() for word in re.findall(r"[^\W\d_]+", fixed)}
        if len(re.findall(r"[A-Za-z]", fixed)) >= 2 and not fixed_words <= own_words:
            english_patterns.append((text, re.compile(
                "".join(".+" if re.fullmatch(r"%[1-9n]", part) else re.escape(part)
                        for part in re.split(r"(%[1-9n])", text)), re.S)))
    else:
        english_texts.add(text)


# English that the translation file does not hold at all (a caption never
# marked for translation): two or more of the English messages' words that
# no translation in this language uses.
def words(text):
    return {word.lower() for word in re.findall(r"[^\W\d_]{3,}", text)}


english_words = (set().union(*(words(source) for _, source in messages))
                 - set().union(*(words(form) for forms in messages.values() for form in forms)))


def pieces(text):
    """A name and the parts it is built from: its lines, and a title and
    the value after its colon."""
    yield text.strip()
    for line in text.split("\n"):
        yield line.strip()
        if ": " in line:
            title, value = line.split(": ", 1)
            yield title.strip()
            yield value.strip()


def english_in(text):
    """The English message `text` shows, or its stray English words."""
    for piece in pieces(text or ""):
        if piece in english_texts:
            return piece
        for source, english in english_patterns:
            if english.fullmatch(piece):
                return source
    stray = sorted(words(text or "") & english_words)
    return "the words " + ", ".join(stray) if len(stray) >= 2 else None


checked = {"nodes": 0}


def check(root, where):
    """Every name and description showing in `root` is in this language."""
    left = []
    for node, _ in walk(root):
        if not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        checked["nodes"] += 1
        for kind, text in (("named", node.name), ("described", node.description)):
            source = english_in(text)
            if source is not None:
                left.append(f"{node.getRoleName()} {kind} {text!r} (English {source!r})")
    if left:
        fail(f"{language}, {where}: English left in {len(left)} places: " + "; ".join(left[:8]))
    print(f"accessibility: {language}, {where}: no English left")


def button(root, name):
    return poll(f"the button {name!r}", lambda: find(root, pyatspi.ROLE_PUSH_BUTTON, name))


app = poll("the game on the bus", application, 20)
window = poll("the main window", lambda: find(app, pyatspi.ROLE_FRAME,
                                              tr("GameFrm", "The Numbers Game")), 20)
tile_name = tr("GameFrm", "Face-down tile %1, row %2")
poll("the first face-down tile", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON,
                                              tile_name.replace("%1", "1").replace("%2", "1")))
check(window, "the main window with the tiles face down")

for position in range(1, 7):
    name = tile_name.replace("%1", str(position)).replace("%2", "1")
    press(button(window, name))
    poll(f"{name} to be picked", lambda: not find(window, pyatspi.ROLE_PUSH_BUTTON, name))
chosen_pattern = pattern("GameFrm", "Chosen number %1", **{"%1": "6"})
chosen = poll("the sixth number chosen", lambda: find(
    window, pyatspi.ROLE_LABEL, re.compile(chosen_pattern.pattern + r": \d+")))
print(f"accessibility: {language}: picked the sixth number, {chosen.name!r}")

start = button(window, tr("GameCaptions", "START"))
poll("START to be enabled", lambda: start.getState().contains(pyatspi.STATE_ENABLED))
press(start)
stop = tr("GameCaptions", "STOP")
poll("the game to start", lambda: start.name == stop, 20)
clock = poll("the clock", lambda: find(window, pyatspi.ROLE_DIAL))
seconds_left = pattern("GameFrm", "Clock: %n seconds left")
# STOP does nothing while the target still rolls: pressed once the clock ticks.
poll("the clock to tick", lambda: seconds_left.fullmatch(plain(clock.name))
     and number_in(seconds_left.fullmatch(plain(clock.name))) < 30, 10)
check(window, "the main window with the clock running")
press(start)
poll("the clock to stop", lambda: start.name == tr("GameCaptions", "PLAY AGAIN"), 10)

answers_button = button(window, tr("GameCaptions", "Show Answer(s)"))
check(window, "the main window with the clock stopped")
press(answers_button)
found = pattern("GameStatus", "%n answers found.")
finished = pattern("GameStatus", "Searched %1 combinations: \n%2",
                   **{"%1": r"\d+", "%2": found.pattern})
status = poll("the search's finish", lambda: find(window, pyatspi.ROLE_LABEL, finished), 30)
count = number_in(found.search(status.name))
listed = find(window, pyatspi.ROLE_LIST, tr("GameFrm", "Answers"))
if not listed:
    fail(f"no list named {tr('GameFrm', 'Answers')!r}")
if listed.childCount != count:
    fail(f"the status {status.name!r} counts {count}, the list holds {listed.childCount}")
print(f"accessibility: {language}: {status.name!r}, {listed.childCount} listed")
check(window, "the main window with the answers")

press(start)
poll("a new board", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON,
                                 tile_name.replace("%1", "1").replace("%2", "1")))

# The settings window, each of its pages, closed without a change.
press(poll("the settings command", lambda: find(window, pyatspi.ROLE_MENU_ITEM,
                                                tr("GameFrm", "&Setting"))))
settings_name = tr("SettingFrm", "Settings")
settings = poll("the settings window", lambda: find(app, pyatspi.ROLE_DIALOG, settings_name))
for caption in (" Difficulty ", " Timing ", " General "):
    name = tr("SettingFrm", caption)
    tab = poll(f"the tab {name!r}", lambda: find(settings, pyatspi.ROLE_PAGE_TAB, name))
    press(tab)
    poll(f"the tab {name!r} to be selected",
         lambda: tab.getState().contains(pyatspi.STATE_SELECTED))
    poll(f"the page {name!r} to show", lambda: next(
        node for node, _ in walk(settings)
        if node.name == name and node.getRole() != pyatspi.ROLE_PAGE_TAB
        and node.getState().contains(pyatspi.STATE_SHOWING)))
    check(settings, f"the settings window's page {name!r}")
press(button(settings, tr("SettingFrm", "Cancel")))
poll("the settings window to close", lambda: not find(app, pyatspi.ROLE_DIALOG, settings_name))

# The manual setup window, checked, then a board set up by hand searched.
press(poll("the manual setup command", lambda: find(window, pyatspi.ROLE_MENU_ITEM,
                                                    tr("GameFrm", "&Manual setup"))))
manual_name = tr("ManualFrm", "Manual Overide")
manual = poll("the manual setup window", lambda: find(app, pyatspi.ROLE_DIALOG, manual_name))
poll("the numbers to choose", lambda: find(manual, pyatspi.ROLE_CHECK_BOX, "100"))
check(manual, "the manual setup window")
for value in ("100", "75", "8", "5", "3", "2"):
    box = poll(f"the number {value}", lambda: find(manual, pyatspi.ROLE_CHECK_BOX, value))
    press(box)
    poll(f"{value} to be chosen", lambda: box.getState().contains(pyatspi.STATE_CHECKED))
poll("the target box", lambda: find(manual, pyatspi.ROLE_TEXT)).queryEditableText() \
    .setTextContents("523")
press(button(manual, tr("ManualFrm", "Find Answers")))
poll("the manual setup window to close", lambda: not find(app, pyatspi.ROLE_DIALOG, manual_name))
searched = pattern("GameStatus", "Searched %1 combinations: \n%2",
                   **{"%1": "210492", "%2": found.pattern})
status = poll("the manual setup's search to finish",
              lambda: find(window, pyatspi.ROLE_LABEL, searched), 30)
if number_in(found.search(status.name)) != 32:
    fail(f"the board set up by hand reads {status.name!r}, not 32 answers")
print(f"accessibility: {language}: {checked['nodes']} names checked, "
      f"a whole game and a board set up by hand played")
