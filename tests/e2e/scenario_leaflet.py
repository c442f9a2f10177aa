"""A booklet: typed on its cover, painted inside after a page turn, turned to the back where the
painting is undone and redone, saved, opened again from a simple page with every page back in
the leaflet window, and printed on one A4 sheet whose cover stands in the upper row (folded
behind)."""
import os
import re
import subprocess

import a11y
import harness


def pixel(path, x, y):
    return subprocess.run(["convert", path, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                          check=True, capture_output=True, text=True).stdout.strip()


BLUE, WHITE = ("srgb(0,0,255)", "blue"), ("srgb(255,255,255)", "white")


def turn(s, button, shows):
    s.press(button, "push button")
    s.find(shows, timeout=10)


def through_standard_dialog(s, title, path):
    s.find(title, "dialog", timeout=15)
    subprocess.run(["xdotool", "search", "--sync", "--name", title, "windowfocus", "--sync"],
                   check=False)
    s.key("ctrl+a")
    s.type(path)
    s.key("Return")


def stroke_colour(s, at, label):
    return pixel(s.screenshot(label), *at)


def body(s):
    s.start()
    s.click("Booklet", "push button", within="Quillora")
    s.answer("Quillora")
    s.click("Text box 1")
    s.key("ctrl+a")
    s.type("Our booklet")

    turn(s, "Next page", "Picture 2")
    x, y, w, h = a11y.ext(s.find("Picture 2"))
    s.click("Blue felt pen")
    # On a page of several pictures the first press only chooses the picture.
    s.click("Picture 2")
    s.drag([(x + 20 + dx, y + h // 2) for dx in range(0, w - 40, 12)])
    at = (x + w // 2, y + h // 2)
    s.wait_until(lambda: stroke_colour(s, at, "painted") in BLUE, what="the stroke")

    turn(s, "Next page", "Text box 4")
    s.key("ctrl+z")
    s.find("Redo", "push button")
    turn(s, "Previous page", "Picture 2")
    s.wait_until(lambda: stroke_colour(s, at, "undone") in WHITE, what="the stroke undone")
    s.key("ctrl+y")
    s.wait_until(lambda: stroke_colour(s, at, "redone") in BLUE, what="the stroke redone")

    work = os.path.join(s.documents, "booklet.qlr")
    s.press("Save", "push button")
    through_standard_dialog(s, "Save Work", work)
    s.wait_until(lambda: os.path.exists(work), what=work)

    # Opened again from a simple page: the booklet comes back in its own window.
    s.press("New", "push button")
    s.click("Simple", "push button", within="Quillora")
    s.answer("Quillora")
    s.wait_until(lambda: s.text_of("Text box 1") != "Our booklet", what="a simple page")
    s.press("Open", "push button")
    s.click("booklet", "image", within="Quillora")
    s.answer("Quillora")
    s.wait_until(lambda: s.text_of("Text box 1") == "Our booklet", timeout=20,
                 what="the cover's text back")
    turn(s, "Next page", "Picture 2")
    s.wait_until(lambda: stroke_colour(s, at, "reopened") in BLUE, what="the painting back")

    pdf = s.print_to_pdf("booklet")
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    assert "(A4)" in info and re.search(r"Pages:\s+1\n", info), info
    words = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True,
                           text=True).stdout
    height = 842
    cover = [line for line in words.splitlines() if ">booklet<" in line]
    assert cover, words
    y_min = float(cover[0].split('yMin="')[1].split('"')[0])
    assert y_min < height / 2, "the cover prints in the upper row, folded behind"
    s.leave()


harness.main(body)
