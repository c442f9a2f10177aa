"""My layout: the picture icon dragged onto the page adds a picture box, which a felt pen then
paints; the first picture, selected, is moved by its top bar; saved and exported, the page shows
the stroke where the added box stands."""
import os
import subprocess

import a11y
import harness


def pixel(path, x, y):
    return subprocess.run(["convert", path, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                          check=True, capture_output=True, text=True).stdout.strip()


BLUE = ("srgb(0,0,255)", "blue")


def body(s):
    s.start()
    s.click("My layout", "push button", within="Quillora")
    s.answer("Quillora")
    s.find("Picture 1")
    page_x, page_y, page_w, page_h = a11y.ext(s.find("Page"))

    # The picture icon, dragged onto the lower half of the page.
    ix, iy = a11y.center(s.find("Drag onto the page to add a picture"))
    tx, ty = page_x + page_w // 5, page_y + page_h * 2 // 3
    s.drag([(ix, iy), ((ix + tx) // 2, (iy + ty) // 2), (tx, ty)])
    x, y, w, h = a11y.ext(s.find("Picture 2"))
    # The box lands where the icon's picture was let go: under the pointer, near its corner.
    assert x < tx < x + w // 2 and y < ty < y + h // 2, (x, y, w, h, tx, ty)

    # The new box is the current object: the felt pen paints at once.
    s.click("Blue felt pen")
    stroke_y = y + h // 2
    s.drag([(x + 10 + dx, stroke_y) for dx in range(0, w - 20, 10)])
    s.find("Undo", "push button")

    # Picture 1 selected, then moved by its top bar.
    px, py, pw, ph = a11y.ext(s.find("Picture 1"))
    s.click("Picture 1")
    grab = (px + pw // 4, py - 6)
    s.drag([grab, (grab[0] + 12, grab[1] + 8), (grab[0] + 24, grab[1] + 16)])
    s.wait_until(lambda: a11y.ext(s.find("Picture 1"))[0] != px, what="picture 1 moved")
    nx, ny, _, _ = a11y.ext(s.find("Picture 1"))
    assert 16 <= nx - px <= 32 and 8 <= ny - py <= 24, (px, py, nx, ny)

    # "My layout" saves through the system's file dialog, its file name field ready for typing.
    s.press("Save", "push button")
    s.find("Files of type:")
    s.type("mine")
    s.key("Return")
    work = os.path.join(s.documents, "mine.qlr")
    s.wait_until(lambda: os.path.exists(work), what=work)
    png = os.path.join(s.root, "mine.png")
    result = s.run_headless("--export-png", png, work)
    assert result.returncode == 0, result.stderr
    stroke = (x + w // 2 - page_x, stroke_y - page_y)
    assert pixel(png, *stroke) in BLUE, pixel(png, *stroke)
    s.leave()


harness.main(body)
