"""What the players on the accessibility bus share: finding controls by role
and name, pressing them through their actions, waiting for the game, and
the events a listener hears."""
import os
import re
import sys
import time

import pyatspi
from gi.repository import GLib

DEADLINE = time.monotonic() + 100


def fail(message):
    print("accessibility: FAIL: " + message, file=sys.stderr)
    sys.exit(1)


# What a listener hears: new names (Qt sends the object, not the name, with
# each), the dials' descriptions (their values) and changed states.
heard = {"names": 0, "clock": 0, "checked": 0}


def listen(event):
    if event.type.startswith("object:property-change:accessible-name"):
        heard["names"] += 1
    elif event.type.startswith("object:property-change:accessible-description"):
        heard["clock"] += 1
    elif event.type.startswith("object:state-changed:checked"):
        heard["checked"] += 1


pyatspi.Registry.registerEventListener(
    listen, "object:property-change:accessible-name",
    "object:property-change:accessible-description", "object:state-changed:checked")


def pump():
    """Delivers the events that have arrived."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def poll(what, probe, seconds=10.0):
    """Calls probe until it returns something true; fails naming `what`."""
    end = min(time.monotonic() + seconds, DEADLINE)
    while time.monotonic() < end:
        pump()
        try:
            result = probe()
        except Exception:  # the tree changes under us while a window opens
            result = None
        if result:
            return result
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find(root, role, name=None, showing=True):
    """The first node of `role` whose name matches `name` (a string or a
    compiled pattern), among those on screen unless told otherwise."""
    for node, _ in walk(root):
        if role is not None and node.getRole() != role:
            continue
        if name is not None:
            text = node.name or ""
            if isinstance(name, str) and text != name:
                continue
            if not isinstance(name, str) and not name.fullmatch(text):
                continue
        if showing and not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        return node
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in ("press", "toggle"):
        if wanted in names:
            if not action.doAction(names.index(wanted)):
                fail(f"the {wanted} action of {node.name!r} failed")
            return
    fail(f"{node.name!r} ({node.getRoleName()}) has no press action, only {names}")


def dump(root):
    lines = []
    for node, depth in walk(root):
        states = node.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            continue
        line = "  " * depth + f"[{node.getRoleName()}] {node.name!r}"
        try:
            value = node.queryValue()
            line += f" value={value.currentValue:g} ({value.minimumValue:g}..{value.maximumValue:g})"
        except NotImplementedError:
            pass
        try:
            action = node.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            if names:
                line += " actions=" + ",".join(names)
        except NotImplementedError:
            pass
        lines.append(line)
    return "\n".join(lines)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and (app.name or "").lower() == "tallyfold":
            return app
    return None


