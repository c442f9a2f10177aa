"""Work file round trip: a painted, typed page saved through the own dialog as "e2e", a new
document started, "e2e" opened again from the dialog's previews: the page exported before and
after is the same picture."""
import os
import subprocess

import a11y
import harness


def export(s, work_file, png):
    result = s.run_headless("--export-png", png, work_file)
    assert result.returncode == 0, result.stdout + result.stderr
    assert os.path.getsize(png) > 0


def differing_pixels(a, b):
    run = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True, text=True)
    return int(float(run.stderr.split()[0]))


def save_as(s, name):
    path = s.save_through_own_dialog(name)
    s.wait_until(lambda: os.path.exists(path), what=path)
    return path


def body(s):
    s.start_simple()
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    s.drag([(x + 40, y + 40), (x + 160, y + 90), (x + 240, y + 220)])
    s.click("Text box 1")
    s.type("Our trip to the zoo")
    first = save_as(s, "e2e")
    before = os.path.join(s.root, "before.png")
    export(s, first, before)

    s.press("New", "push button")
    s.click("Simple", "push button", within="Quillora")
    s.answer("Quillora")
    s.wait_until(lambda: s.text_of("Text box 1") != "Our trip to the zoo", what="a new page")

    s.press("Open", "push button")
    s.click("e2e", "image", within="Quillora")
    s.answer("Quillora")
    s.wait_until(lambda: s.text_of("Text box 1") == "Our trip to the zoo", what="the opened page")

    again = save_as(s, "again")
    after = os.path.join(s.root, "after.png")
    export(s, again, after)
    assert differing_pixels(before, after) == 0
    s.leave()


harness.main(body)
