#!/usr/bin/python3
"""Prints what the running program shows, as its accessibility tree gives it: the name of every
object in sight, one a line, in tree order. The window hides from the tree what lies out of
sight, so this is the text a user sees (and a screen reader reads).
    screen_texts.py PROGRAM_NAME
Exits 1 when no application of that name is on the accessibility bus within 10 s."""
import sys
import time

import pyatspi


def walk(node, depth=0):
    if depth > 40:
        return
    try:
        states = node.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            return
        if node.name:
            print(node.name)
        for child in node:
            if child is not None:
                walk(child, depth + 1)
    except Exception:  # an object gone while read: the rest is still worth reading
        pass


def main():
    wanted = sys.argv[1]
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == wanted:
                for window in app:
                    walk(window)
                return 0
        time.sleep(0.2)
    print(f"no application {wanted} on the accessibility bus", file=sys.stderr)
    return 1


sys.exit(main())
