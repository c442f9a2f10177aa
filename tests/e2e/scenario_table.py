"""A table of 3 columns and 2 rows: a title and words typed, two cells painted, a column and a
row added, removed and added back with their words, one painting undone, the table saved,
opened again after a new document, and printed to a PDF whose words come in table order."""
import os
import subprocess
import time

import a11y
import harness
import pyatspi


def choose_counts(s, columns, rows):
    """The choice dialog starts at 6 columns and 4 rows; its "Fewer" buttons, columns first."""
    dialog = s.find("Choose", "dialog")
    fewer = pyatspi.findAllDescendants(dialog, lambda a: a.name == "Fewer"
                                       and a.getRoleName() == "push button"
                                       and a.getState().contains(pyatspi.STATE_SHOWING))
    fewer.sort(key=lambda a: a11y.ext(a)[1])
    for button, clicks in ((fewer[0], 6 - columns), (fewer[1], 4 - rows)):
        for _ in range(clicks):
            a11y.press(button)
            time.sleep(0.3)  # a picture button takes no new press while it is sunk
    s.answer("Choose")


def write(s, cell, text):
    s.click(cell)
    s.type(text)


def paint(s, cell):
    x, y, w, h = a11y.ext(s.find(cell))
    s.drag([(x + 15, y + 15), (x + w // 2, y + h - 15), (x + w - 15, y + 20)])


def picture_of(s, cell, label):
    """The inside of a cell's picture as the screen shows it, clear of the selection frame."""
    x, y, w, h = a11y.ext(s.find(cell))
    path = os.path.join(s.root, label + ".png")
    subprocess.run(["import", "-window", "root", "-crop", f"{w - 16}x{h - 16}+{x + 8}+{y + 8}",
                    path], check=True)
    return path


def same_picture(a, b):
    run = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True, text=True)
    return int(float(run.stderr.split()[0])) == 0


def start_table(s):
    s.click("Table", "push button", within="Quillora")
    s.answer("Quillora")
    choose_counts(s, 3, 2)
    s.find("Title")


def body(s):
    s.start()
    start_table(s)
    s.screenshot("new")
    write(s, "Title", "Our pets")
    write(s, "Words, row 1 column 1", "cat")
    write(s, "Words, row 1 column 3", "dog")
    write(s, "Words, row 2 column 2", "fish")
    paint(s, "Picture, row 1 column 1")
    paint(s, "Picture, row 2 column 2")

    s.press("More columns", "push button")
    s.press("More rows", "push button")
    write(s, "Words, row 3 column 4", "bird")
    s.press("Fewer columns", "push button")
    s.press("Fewer rows", "push button")
    s.wait_until(lambda: not _showing(s, "Words, row 3 column 4"), what="the cell taken away")
    s.press("More columns", "push button")
    s.press("More rows", "push button")
    s.wait_until(lambda: s.text_of("Words, row 3 column 4") == "bird", what="the word back")

    s.click("Words, row 2 column 3")
    before = picture_of(s, "Picture, row 2 column 3", "before")
    paint(s, "Picture, row 2 column 3")
    assert not same_picture(before, picture_of(s, "Picture, row 2 column 3", "painted"))
    s.press("Undo", "push button")
    assert same_picture(before, picture_of(s, "Picture, row 2 column 3", "undone"))
    s.screenshot("made")

    path = s.save_through_own_dialog("pets")
    s.wait_until(lambda: os.path.exists(path), what=path)
    s.press("New", "push button")
    start_table(s)
    s.wait_until(lambda: s.text_of("Words, row 1 column 1") == "", what="a new table")

    s.press("Open", "push button")
    s.click("pets", "image", within="Quillora")
    s.answer("Quillora")
    s.wait_until(lambda: s.text_of("Words, row 3 column 4") == "bird", what="the opened table")
    assert s.text_of("Title") == "Our pets"
    assert s.text_of("Words, row 1 column 1") == "cat"

    pdf = s.print_to_pdf("pets")
    words = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout.split()
    order = [words.index(w) for w in ("Our", "pets", "cat", "dog", "fish", "bird")]
    assert order == sorted(order), words
    s.leave()


def _showing(s, name):
    try:
        a11y.find(s.app, name, timeout=0.5)
        return True
    except LookupError:
        return False


harness.main(body)
