"""Painting on a simple page: a felt pen stroke lands in the picture and brings the undo button;
the paint tools draw a filled circle; Ctrl+Z takes it back and brings the redo button; Ctrl+Y
puts it back. Leaving offers to save the painted page."""
import subprocess

import a11y
import harness


def pixel(path, x, y):
    out = subprocess.run(["convert", path, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                         check=True, capture_output=True, text=True).stdout.strip()
    return out


def is_blue(colour):
    return colour in ("srgb(0,0,255)", "blue")


def body(s):
    s.start_simple()
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    left, top = x + w // 4, y + h // 3

    s.click("Blue felt pen")
    s.drag([(left + dx, top) for dx in range(0, w // 2, 10)])
    s.find("Undo", "push button")
    shot = s.screenshot("felt-pen-stroke")
    assert is_blue(pixel(shot, left + w // 4, top)), pixel(shot, left + w // 4, top)

    s.click("Paint tools", "push button")
    s.click("Filled circle", "push button")
    s.click("Yellow paint")
    centre = (x + w // 2, y + 2 * h // 3)
    s.drag([(centre[0] - 40, centre[1] - 40), (centre[0], centre[1]), (centre[0] + 40, centre[1] + 40)])
    shot = s.screenshot("filled-circle")
    assert pixel(shot, *centre) in ("srgb(255,255,0)", "yellow"), pixel(shot, *centre)

    s.key("ctrl+z")
    s.find("Redo", "push button")
    s.wait_until(lambda: pixel(s.screenshot("undone"), *centre) in ("srgb(255,255,255)", "white"),
                 what="the circle to go")
    s.key("ctrl+y")
    s.wait_until(lambda: pixel(s.screenshot("redone"), *centre) in ("srgb(255,255,0)", "yellow"),
                 what="the circle to come back")

    s.press("Exit", "push button")
    s.answer("Exit")
    s.answer("Save", "Cancel")
    assert s.wait_exit() == 0, s.output


harness.main(body)
