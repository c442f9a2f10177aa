"""Borders: a "Borders" page shows its unpainted border band faintly; pressing the band opens the
border picture beside the page; the paint pot fills it red; "Use this border" lays it round the
page; a press on a text closes the editor; the saved work file exports with the same border."""
import os
import subprocess
import time

import a11y
import harness

GUIDE = "srgb(240,228,255)"
RED = ("srgb(255,0,0)", "red")


def pixel(path, x, y):
    return subprocess.run(["convert", path, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                          check=True, capture_output=True, text=True).stdout.strip()


def band_point(shot, page):
    """The first point of the faint border band along the middle row of the page."""
    x, y, w, h = page
    row = y + h // 2
    for px in range(x, x + w // 3):
        if pixel(shot, px, row) == GUIDE:
            return px + 4, row
    raise AssertionError("no border band on the page")


def body(s):
    s.start()
    s.click("Borders", "push button", within="Quillora")
    s.answer("Quillora")
    s.find("Text box 1")
    page = a11y.ext(s.find("Page"))
    band = band_point(s.screenshot("unpainted"), page)

    harness.xdotool("mousemove", "--sync", str(band[0]), str(band[1]), "click", "1")
    paper = s.find("Border picture")
    s.click("Paint tools", "push button")
    s.click("Paint pot", "push button")
    s.click("Red paint")
    x, y, w, h = a11y.ext(paper)
    harness.xdotool("mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "1")
    s.press("Use this border", "push button")
    s.wait_until(lambda: pixel(s.screenshot("applied"), *band) in RED, what="the red border")

    s.click("Text box 1")

    def editor_closed():
        try:
            s.find("Border picture", timeout=0.3)
            return False
        except LookupError:
            return True
    s.wait_until(editor_closed, what="the editor to close")

    s.press("Save", "push button")
    time.sleep(1.5)  # the save dialog opens with its file name field focused
    s.type("border")
    s.key("Return")
    work = os.path.join(s.documents, "border.qlr")
    s.wait_until(lambda: os.path.exists(work), what=work)
    png = os.path.join(s.root, "border.png")
    result = s.run_headless("--export-png", png, work)
    assert result.returncode == 0, result.stderr
    exported = pixel(png, band[0] - page[0], band[1] - page[1])
    assert exported in RED, exported

    # The Return that closed the save dialog never reached the page: the work is saved as it is.
    s.leave()


harness.main(body)
