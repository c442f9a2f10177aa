"""Walks every window and the main dialogs of the program through the accessibility bus, and
finds the controls a child could not reach: off the screen, hidden past the edge of the panel
that holds them, or smaller than a fingertip.

`walk(s, visit)` brings up each screen in turn and calls visit(label) while it shows; the reach
scenarios check each screen there and `make screenshots` takes a picture of it.
"""
import subprocess
import time

import a11y
import pyatspi
from gi.repository import GLib

KINDS = ["Simple", "Circle", "Table", "Shapes", "Postcard", "Booklet", "Comic-strip", "Card",
         "Multi", "Layouts", "News", "Anywhere", "Certificate", "Sign", "Display", "Leaflet",
         "Borders", "My layout", "Posters"]

# What a child presses. The felt pens, colours and sizes are push buttons too.
PRESSABLE = {"push button", "toggle button", "check box", "radio button", "list item",
             "menu item"}
FINGERTIP = 44

# Controls that may stay under a fingertip, each as (role, name or None for any name, screen
# label or None for any, reason): none today.
ALLOWED_SMALL = []


def screen_size():
    out = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True,
                         text=True).stdout
    return tuple(int(v) for v in out.split())


def _intersect(a, b):
    x1, y1 = max(a[0], b[0]), max(a[1], b[1])
    x2, y2 = min(a[0] + a[2], b[0] + b[2]), min(a[1] + a[3], b[1] + b[3])
    return (x1, y1, max(0, x2 - x1), max(0, y2 - y1))


def _inside(box, area):
    return (box[0] >= area[0] and box[1] >= area[1] and box[0] + box[2] <= area[0] + area[2]
            and box[1] + box[3] <= area[1] + area[3])


def pressables(app):
    """Every showing pressable control: (role, name, extents, the part of the screen its
    ancestors show)."""
    width, height = screen_size()
    found = []

    def visit(node, clip):
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
                continue
            try:
                box = a11y.ext(child)
            except Exception:
                continue
            role = child.getRoleName()
            if role in PRESSABLE:
                found.append((role, child.name, box, clip))
            # Menus pop up outside the widget that owns them; everything else is clipped by
            # the widget it lies in.
            inner = clip if role in ("menu", "popup menu") or box[2] <= 0 or box[3] <= 0 \
                else _intersect(clip, box)
            visit(child, inner)

    visit(app, (0, 0, width, height))
    return found


def _allowed(role, name, label):
    return any(r == role and (n is None or n == name) and (l is None or l == label)
               for r, n, l, _ in ALLOWED_SMALL)


def offenders(app, label, check_size):
    """Descriptions of the controls of this screen a child cannot reach."""
    problems = []
    for role, name, box, clip in pressables(app):
        if not _inside(box, clip):
            problems.append(f"{label}: {role} {name!r} at {box} lies off screen (visible {clip})")
        elif check_size and (box[2] < FINGERTIP or box[3] < FINGERTIP) \
                and not _allowed(role, name, label):
            problems.append(f"{label}: {role} {name!r} is {box[2]}x{box[3]}, under "
                            f"{FINGERTIP}x{FINGERTIP}")
    return problems


def _top(s, name, dialog=True):
    """The showing top-level window of that name (a dialog, or else the document window);
    looked for among the program's windows only, which is much quicker than a search of the
    whole tree."""
    for i in range(s.app.childCount):
        try:
            top = s.app.getChildAtIndex(i)
            if top is not None and top.name == name \
                    and (top.getRoleName() == "dialog") == dialog \
                    and top.getState().contains(pyatspi.STATE_SHOWING):
                return top
        except GLib.Error:
            pass  # a window that closed while we asked
    return None


def _wait(predicate, what, timeout=15):
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = predicate()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


def _press_in(s, dialog, button):
    a11y.press(a11y.find(_wait(lambda: _top(s, dialog), dialog), button, "push button"))


def _close(s, dialog, button="Cancel"):
    _press_in(s, dialog, button)
    _wait(lambda: _top(s, dialog) is None, f"{dialog} to close")


def _document_window(s):
    """The document window once the start screen has gone and its palettes show."""
    _wait(lambda: _top(s, "Quillora") is None, "the start screen to close")
    window = _wait(lambda: _top(s, "Quillora", dialog=False), "the document window")
    a11y.find(window, "Paint tools", "push button", timeout=15)
    return window


def _open_kind(s, kind, visit):
    start = _wait(lambda: _top(s, "Quillora"), "the start screen")
    x, y = a11y.center(a11y.find(start, kind, "push button"))
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"], check=True)
    _press_in(s, "Quillora", "OK")
    # Circles, tables and leaflets ask for their counts first.
    _wait(lambda: _top(s, "Choose") or (_top(s, "Quillora") is None
                                        and _top(s, "Quillora", dialog=False)),
          f"the {kind} window")
    if _top(s, "Choose"):
        visit(f"{kind.lower()}-choose")
        _close(s, "Choose", "OK")
    return _document_window(s)


def _main_dialogs(s, visit):
    """From a simple page: options, save and open, print, and the exit question."""
    s.click("Text box 1")
    s.key("ctrl+shift+o")
    _wait(lambda: _top(s, "Options"), "the options")
    visit("options")
    _close(s, "Options")

    for button, label in (("Save", "save"), ("Open", "open"), ("Print", "print")):
        s.press(button, "push button")
        a11y.find(_wait(lambda: _top(s, "Quillora"), label), "Cancel", "push button",
                  timeout=15)
        visit(label)
        _close(s, "Quillora")

    s.press("Exit", "push button")
    _wait(lambda: _top(s, "Exit"), "the exit question")
    visit("exit")
    _close(s, "Exit")


def walk(s, visit, kinds=KINDS):
    """Starts the program and shows each screen in turn: the start screen, every kind's window
    with the felt pens, the paint tools (the same panel in every window, so once) and the main
    dialogs."""
    s.start()
    a11y.find(_wait(lambda: _top(s, "Quillora"), "the start screen"), "Simple", "push button")
    visit("start")
    for kind in kinds:
        window = _open_kind(s, kind, visit)
        label = kind.lower().replace(" ", "-")
        visit(f"{label}-pens")
        if kind == "Simple":
            s.press("Paint tools", "push button")
            s.find("Thick pen", "push button")
            visit(f"{label}-tools")
            _main_dialogs(s, visit)
        a11y.press(a11y.find(window, "New", "push button"))
    _close(s, "Quillora")
