"""Walks the window's accessibility tree on each page and takes a three-question test by keyboard
alone, logging what a screen reader is told. Fails on a hidden control in the tree, a missing
name, an answer exposed before its reveal, or a question or summary that is never announced."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

program = sys.argv[1]
log = []


def heard(event):
    if event.type.startswith("focus") or "accessible-name" in event.type:
        text = event.source.name if event.source else ""
    else:
        text = str(event.any_data)
    log.append((event.type, text))


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        pump(0.3)


def tree(node, depth=0, out=None):
    out = [] if out is None else out
    out.append((node.getRoleName(), node.name or ""))
    for i in range(min(node.childCount, 2000)):
        child = node.getChildAtIndex(i)
        if child is not None:
            tree(child, depth + 1, out)
    return out


failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


for kind in ("object:property-change:accessible-name", "object:text-changed",
             "object:announcement", "focus:", "object:state-changed:focused"):
    pyatspi.Registry.registerEventListener(heard, kind)

app_process = subprocess.Popen([program])
app = None
for _ in range(100):
    pump(0.1)
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        candidate = desktop.getChildAtIndex(i)
        if candidate is not None and (candidate.name or "").lower() == "orvane":
            app = candidate
    if app is not None and app.childCount > 0:
        break
try:
    check(app is not None and app.childCount > 0, "the program is on the accessibility bus")
    if app is None:
        sys.exit(1)
    window = app.getChildAtIndex(0)
    check(window.getRoleName() == "frame", "the window has the frame role")
    subprocess.run(["xdotool", "search", "--sync", "--name", "Orvane 1.3", "windowfocus", "--sync"],
                   check=False)
    pump(0.5)

    names = [name for _, name in tree(window)]
    check(any(name.startswith("Chapter 1: ") for name in names), "the chapter view says which chapter")
    check("Answer to question 1" not in names, "the answer is not exposed before its reveal")
    for placeholder in ("111", "Label21", "Option A", "Submit"):
        check(placeholder not in names, f"idle: no hidden '{placeholder}' in the tree")

    # Keyboard only: to Test Yourself, a length of 3, Start, then three answers.
    key("ctrl+Tab", "ctrl+Tab", "Tab", "ctrl+a", "3", "Tab", "space")
    for answer in ("a", "b", "c"):
        key(answer, "Return")
    pump(1.0)

    spoken = [text for _, text in log]
    for number in (1, 2, 3):
        check(any(f"Question {number} of 3" in text for text in spoken),
              f"question {number} of 3 is announced")
    check(any("Success Rate:" in text for text in spoken), "the summary is announced")
    names = [name for _, name in tree(window)]
    check(not any(name.startswith("Question 4 of 3") for name in names),
          "after the test: no stale question in the tree")
    print("announcements as a screen reader receives them:")
    for kind, text in log:
        if text and ("accessible-name" in kind or kind.startswith("focus")):
            print(f"  {kind}: {text}")
finally:
    app_process.terminate()
    app_process.wait(timeout=10)

print(f"{4 + 4 + 5 - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
