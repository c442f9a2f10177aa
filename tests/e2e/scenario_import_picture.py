"""Importing photos: with the paint tools out, a right click on the picture opens the picture
menu; "Import..." asks for a file and then how it should fit. "Fill the box" crops a wide photo
to the box (only its green middle shows); importing again with "Show it all" letterboxes it
(the whole photo, red ends and all, with white bands above and below). The exported page shows
the letterboxed picture."""
import os
import subprocess

import re

import a11y
import harness

RED, GREEN, WHITE = (255, 0, 0), (0, 200, 0), (255, 255, 255)


def write_photo(path):
    # 1200 x 200: red ends, a wide green middle.
    subprocess.run(["convert", "-size", "1200x200", "xc:rgb(0,200,0)", "-fill", "rgb(255,0,0)",
                    "-draw", "rectangle 0,0 299,199", "-draw", "rectangle 900,0 1199,199", path],
                   check=True)


def near(colour, expected, slack=40):
    return all(abs(a - b) <= slack for a, b in zip(colour[:3], expected))


def pixel(path, x, y):
    text = subprocess.run(["convert", path, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                          check=True, capture_output=True, text=True).stdout.strip()
    numbers = [int(float(n)) for n in re.findall(r"[0-9.]+", text)]
    if len(numbers) >= 3:
        return tuple(numbers[:3])
    return {"white": WHITE, "red": RED, "black": (0, 0, 0)}.get(text, (-1, -1, -1))


def import_with(s, photo, choice):
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    s.click("Picture 1", button=3)
    s.click("  Import...", "push button")
    s.find("Import Image", "dialog")
    s.type(photo)
    s.key("Return")
    s.click(choice, "push button", within="Import Image")
    return x, y, w, h


def body(s):
    photo = os.path.join(s.documents, "field.png")
    write_photo(photo)
    s.start_simple()
    s.click("Paint tools", "push button")

    x, y, w, h = import_with(s, photo, "Fill the box")
    s.wait_until(lambda: near(pixel(s.screenshot("cropped"), x + w // 2, y + h // 2), GREEN),
                 what="the cropped photo")
    shot = s.screenshot("cropped")
    # Cropped: the box is filled edge to edge with the photo's green middle.
    for px, py in ((x + 4, y + 4), (x + w - 5, y + h - 5), (x + w // 2, y + 4)):
        assert near(pixel(shot, px, py), GREEN), (px, py, pixel(shot, px, py))

    import_with(s, photo, "Show it all")
    band = (h - w // 6) // 2  # the photo is six times as wide as it is high
    s.wait_until(lambda: near(pixel(s.screenshot("letterboxed"), x + w // 2, y + band // 2), WHITE),
                 what="the letterboxed photo")
    shot = s.screenshot("letterboxed")
    assert near(pixel(shot, x + w // 2, y + h // 2), GREEN)
    assert near(pixel(shot, x + 5, y + h // 2), RED)  # the whole photo, red ends and all
    assert near(pixel(shot, x + w // 2, y + h - 1 - band // 2), WHITE)

    # The page as a work file, exported: the bands are in the picture, not just on screen.
    page_x, page_y, _, _ = a11y.ext(s.find("Page"))
    s.press("Save", "push button")
    s.click("File name", "text", within="Quillora")
    s.type("photos")
    s.answer("Quillora")
    work = os.path.join(s.documents, "photos.qlr")
    s.wait_until(lambda: os.path.exists(work), what=work)
    png = os.path.join(s.root, "photos.png")
    result = s.run_headless("--export-png", png, work)
    assert result.returncode == 0, result.stderr
    on_page = lambda px, py: pixel(png, px - page_x, py - page_y)
    assert near(on_page(x + w // 2, y + band // 2), WHITE), on_page(x + w // 2, y + band // 2)
    assert near(on_page(x + w // 2, y + h // 2), GREEN), on_page(x + w // 2, y + h // 2)
    assert near(on_page(x + w // 2, y + h - 1 - band // 2), WHITE)
    s.leave()


harness.main(body)
