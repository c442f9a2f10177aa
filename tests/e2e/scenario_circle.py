"""Circles: a circle of 6 segments, paint in the top segment, a word in two segments, turned
clockwise twice and anticlockwise once: the paint and the words end one segment clockwise from
where they started; the last turn undone and redone. Saved and exported, a new circle started,
the work opened again, printed to PDF with both words in it, and opened from the command line."""
import math
import os
import subprocess

import a11y
import harness


BLUE = ("srgb(0,0,255)", "blue")


def body(s):
    s.start()
    s.click("Circle", "push button", within="Quillora")
    s.answer("Quillora")
    s.press("More", "push button", within="Choose")
    s.press("More", "push button", within="Choose")
    s.answer("Choose")
    s.find("Text box 6")

    x, y, w, h = a11y.ext(s.find("Picture 1"))
    cx, cy, reach = x + w / 2, y + h / 2, 0.55 * w / 2

    def paint_at(degrees):
        angle = math.radians(degrees)
        return round(cx + reach * math.sin(angle)), round(cy - reach * math.cos(angle))

    def painted(degrees, label):
        return harness.pixel(s.screenshot(label), *paint_at(degrees)) in BLUE

    s.click("Blue felt pen")
    px, py = paint_at(0)
    for dy in range(-10, 11, 4):
        s.drag([(px - 14, py + dy), (px, py + dy), (px + 14, py + dy)])
    s.wait_until(lambda: painted(0, "painted"), what="the paint")

    s.click("Text box 1")
    s.type("spring")
    s.click("Text box 2")
    s.type("summer")

    s.press("Turn clockwise", "push button")
    s.wait_until(lambda: painted(60, "turned once"), what="the first turn")
    s.press("Turn clockwise", "push button")
    s.wait_until(lambda: painted(120, "turned twice"), what="the second turn")
    s.press("Turn anticlockwise", "push button")
    s.wait_until(lambda: painted(60, "turned back"), what="the turn back")
    assert not painted(0, "start left"), "paint left behind at the start"
    assert not painted(120, "middle left"), "paint left behind after the turn back"
    assert s.text_of("Text box 2") == "spring" and s.text_of("Text box 3") == "summer"
    s.press("Undo", "push button")
    s.wait_until(lambda: painted(120, "undone"), what="the turn back undone")
    assert s.text_of("Text box 3") == "spring"
    s.press("Redo", "push button")
    s.wait_until(lambda: painted(60, "redone"), what="the turn back redone")

    work = s.save_through_own_dialog("circle")
    s.wait_until(lambda: os.path.exists(work), what=work)
    # The work exported without a window, as a teacher would: the paint where the turns left it.
    png = os.path.join(s.root, "circle.png")
    result = s.run_headless("--export-png", png, work)
    assert result.returncode == 0, result.stderr
    page_x, page_y, _, _ = a11y.ext(s.find("Page"))
    turned_x, turned_y = paint_at(60)
    assert harness.pixel(png, turned_x - page_x, turned_y - page_y) in BLUE

    s.press("New", "push button")
    s.click("Circle", "push button", within="Quillora")
    s.answer("Quillora")
    s.answer("Choose")
    s.wait_until(lambda: s.text_of("Text box 2") != "spring", what="a new circle")

    s.press("Open", "push button")
    s.click("circle", "image", within="Quillora")
    s.answer("Quillora")
    s.wait_until(lambda: s.text_of("Text box 2") == "spring", what="the opened circle")
    assert s.text_of("Text box 3") == "summer"
    s.wait_until(lambda: painted(60, "opened"), what="the paint opened")

    pdf = s.print_to_pdf("circle")
    text = subprocess.run(["pdftotext", pdf, "-"], check=True, capture_output=True,
                          text=True).stdout
    assert "spring" in text and "summer" in text, text
    s.leave()

    # Named on the command line, the work opens in the circle window.
    s.start(work)
    s.wait_until(lambda: s.text_of("Text box 2") == "spring", what="the circle opened at start")
    s.find("Turn clockwise", "push button")
    s.leave()


harness.main(body)
