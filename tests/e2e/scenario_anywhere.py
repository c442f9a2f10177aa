"""Anywhere page: a painted stroke, three texts written where the picture is pressed, two presses
without typing leaving one new text, a text moved by its label, sized with its handle and given
another font, an undo and a redo; saved through the standard dialog, opened again (the texts at
the same places within 0.1 mm, same sizes and fonts) and printed to PDF with its words."""
import os
import re
import subprocess
import zipfile

import a11y
import harness

TEXTBOX = re.compile(r"<textbox name='tb\d+' xmm='([-\d.]+)' ymm='([-\d.]+)' text='([^']*)' "
                     r"font='([^']*)' size='([\d.]+)'")


def texts_in(work_file):
    with zipfile.ZipFile(work_file) as archive:
        description = archive.read("layout.xml").decode("latin-1")
    return {m.group(3): (float(m.group(1)), float(m.group(2)), m.group(4).lower(),
                         float(m.group(5))) for m in TEXTBOX.finditer(description)}


def through_standard_dialog(s, title, path):
    s.find(title, "dialog", timeout=15)
    subprocess.run(["xdotool", "search", "--sync", "--name", title, "windowfocus", "--sync"],
                   check=False)
    s.key("ctrl+a")
    s.type(path)
    s.key("Return")


def save_as(s, name):
    path = os.path.join(s.documents, name + ".qlr")
    s.press("Save", "push button")
    through_standard_dialog(s, "Save Work", path)
    s.wait_until(lambda: os.path.exists(path) and os.path.getsize(path) > 0, what=path)
    return path


def body(s):
    s.start()
    s.click("Anywhere", "push button", within="Quillora")
    s.answer("Quillora")
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    s.screenshot("blank")
    s.drag([(x + 60 + dx, y + h - 60) for dx in range(0, w // 2, 16)])
    s.find("Undo", "push button")

    s.click("Write", "push button")
    for i, word in enumerate(["cat", "dog", "sun"]):
        xdotool_click(x + 80 + i * (w // 4), y + 80 + i * 60)
        s.find(f"Text {i + 1}")
        s.type(word)
    xdotool_click(x + 100, y + h // 2)
    xdotool_click(x + w // 2, y + h // 2)
    s.find("Text 4")
    s.screenshot("written")

    cx, cy = a11y.center(s.find("Words 1"))
    s.drag([(cx, cy), (cx + 40, cy + 30), (cx + 90, cy + 60)])
    hx, hy = a11y.center(s.find("Make the text bigger or smaller"))
    s.drag([(hx, hy), (hx + 80, hy + 40), (hx + 160, hy + 80)])
    s.click("Choose a font", "push button")
    s.click("Comic Sans MS", "label")
    s.key("ctrl+z")
    s.find("Redo", "push button")
    s.key("ctrl+y")
    s.screenshot("arranged")

    first = save_as(s, "anywhere")
    saved = texts_in(first)
    assert sorted(saved) == ["cat", "dog", "sun"], saved
    assert saved["cat"][2] == "comic sans ms", saved
    assert saved["cat"][3] > saved["dog"][3], saved

    s.press("Open", "push button")
    through_standard_dialog(s, "Open Work", first)
    s.find("Words 3", timeout=15)
    again = texts_in(save_as(s, "again"))
    for word, (xmm, ymm, font, size) in saved.items():
        axmm, aymm, afont, asize = again[word]
        assert abs(axmm - xmm) <= 0.1 and abs(aymm - ymm) <= 0.1, (word, saved, again)
        assert afont == font and abs(asize - size) < 0.011, (word, saved, again)

    pdf = s.print_to_pdf("again")  # named after the work last saved
    words = subprocess.run(["pdftotext", pdf, "-"], check=True, capture_output=True,
                           text=True).stdout
    for word in ("cat", "dog", "sun"):
        assert word in words, words
    s.leave()


def xdotool_click(px, py):
    harness.xdotool("mousemove", "--sync", str(px), str(py), "click", "1")


harness.main(body)
