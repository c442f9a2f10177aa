"""Painting: a felt pen stroke across the picture; with the paint tools a filled rectangle in a
palette colour; a flood fill inside it, then undone; the exported page shows exactly the stroke
and the rectangle. Ctrl+Z and Ctrl+Y walk the history."""
import os
import subprocess

import a11y
import harness


def pixel(path, x, y):
    return subprocess.run(["convert", path, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                          check=True, capture_output=True, text=True).stdout.strip()


BLUE, RED, YELLOW, WHITE = ("srgb(0,0,255)", "blue"), ("srgb(255,0,0)", "red"), \
    ("srgb(255,255,0)", "yellow"), ("srgb(255,255,255)", "white")


def body(s):
    s.start_simple()
    page_x, page_y, _, _ = a11y.ext(s.find("Page"))
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    stroke_y = y + h // 4
    s.click("Blue felt pen")
    s.drag([(x + 40 + dx, stroke_y) for dx in range(0, w - 80, 12)])
    s.find("Undo", "push button")

    s.click("Paint tools", "push button")
    s.click("Filled rectangle", "push button")
    s.click("Red paint")
    left, top, right, bottom = x + w // 4, y + h // 2, x + 3 * w // 4, y + h - 40
    s.drag([(left, top), ((left + right) // 2, (top + bottom) // 2), (right, bottom)])
    centre = ((left + right) // 2, (top + bottom) // 2)
    s.wait_until(lambda: pixel(s.screenshot("rectangle"), *centre) in RED, what="the rectangle")

    s.click("Paint pot", "push button")
    s.click("Yellow paint")
    # A tap: a press held still would open the picture menu instead.
    harness.xdotool("mousemove", "--sync", str(centre[0]), str(centre[1]), "click", "1")
    s.wait_until(lambda: pixel(s.screenshot("filled"), *centre) in YELLOW, what="the fill")
    s.key("ctrl+z")
    s.find("Redo", "push button")
    s.wait_until(lambda: pixel(s.screenshot("undone"), *centre) in RED, what="the fill undone")
    s.key("ctrl+y")
    s.wait_until(lambda: pixel(s.screenshot("redone"), *centre) in YELLOW, what="the fill redone")
    s.key("ctrl+z")
    s.wait_until(lambda: pixel(s.screenshot("undone again"), *centre) in RED, what="undone again")

    # The page as a work file, exported the way a teacher would.
    s.press("Save", "push button")
    s.click("File name", "text", within="Quillora")
    s.type("painting")
    s.answer("Quillora")
    work = os.path.join(s.documents, "painting.qlr")
    s.wait_until(lambda: os.path.exists(work), what=work)
    png = os.path.join(s.root, "painting.png")
    result = s.run_headless("--export-png", png, work)
    assert result.returncode == 0, result.stderr
    on_page = lambda px, py: pixel(png, px - page_x, py - page_y)
    assert on_page(x + w // 2, stroke_y) in BLUE, on_page(x + w // 2, stroke_y)
    assert on_page(*centre) in RED, on_page(*centre)
    assert on_page(left - 10, top - 10) in WHITE, on_page(left - 10, top - 10)
    assert on_page(x + w // 2, stroke_y + 40) in WHITE
    s.leave()


harness.main(body)
