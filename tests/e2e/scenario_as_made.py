"""What the child made stays as made: a long title shrunk to several lines is saved, reopened
and printed with every word; saving over an existing work asks first and Cancel keeps the
earlier file; the "Save?" offer's throw-away answer has its own words; painting after a rich
text selection leaves the text's colour alone."""
import os
import subprocess

import a11y
import harness

TITLE = "We went on the big wheel at the seaside and then I felt sick"
STORY = "Granny bought chips and a gull stole one"


def text_colour(s, name):
    attributes = s.find(name).queryText().getAttributeRun(0, False)[0]
    colours = [a for a in attributes if a.startswith("fg-color")]
    assert colours, attributes
    return colours


def body(s):
    s.start_simple()
    s.click("Text box 1")
    s.type(TITLE)
    s.click("Text box 2")
    s.type(STORY)
    work = s.save_through_own_dialog("seaside")
    s.wait_until(lambda: os.path.exists(work), what=work)
    saved = open(work, "rb").read()

    # The same name again: the program asks, and Cancel keeps the earlier work.
    s.click("Text box 2")
    s.type(" and flew off")
    s.save_through_own_dialog("seaside")
    s.find("There is already a work called 'seaside'. Replace it?", within="Replace")
    s.answer("Replace", "Cancel")
    s.answer("Quillora", "Cancel")
    assert open(work, "rb").read() == saved

    # A new page offers to save first: throwing the work away says so in its own words.
    s.press("New", "push button")
    s.click("Simple", "push button", within="Quillora")
    s.answer("Quillora")
    s.find("Don't keep it", "push button", within="Save")
    s.find("Close", "push button", within="Save")
    s.answer("Save", "Don't keep it")
    s.wait_until(lambda: s.text_of("Text box 1") != TITLE, what="a new page")

    # Reopened and printed: the shrunk title keeps every word, the PDF is named after the work.
    s.press("Open", "push button")
    s.click("seaside", "image", within="Quillora")
    s.answer("Quillora")
    s.wait_until(lambda: s.text_of("Text box 1") == TITLE, what="the opened page")
    pdf = s.print_to_pdf("seaside")
    printed = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout.split()
    for word in (TITLE + " " + STORY).split():
        assert word in printed, (word, printed)

    # A rich text selected, then a picture pressed and a pen chosen: the pen paints, the text
    # keeps its colour and lets go of its selection.
    s.press("New", "push button")
    s.click("News", "push button", within="Quillora")
    s.answer("Quillora")
    # The Return that accepted the PDF's name was released over the page, but pressed in the
    # file dialog: no change, so the new page comes without a question to save.
    try:
        s.find("Don't keep it", "push button", within="Save", timeout=3)
    except LookupError:
        pass
    else:
        raise AssertionError("the print's file dialog counted as a change")
    s.click("Rich text box 1")
    s.type("Our pond has frogs")
    before = text_colour(s, "Rich text box 1")
    s.key("ctrl+a")
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    s.click("Picture 1")
    s.click("Blue felt pen")
    s.drag([(x + 20, y + 20), (x + w // 2, y + h // 2)])
    assert text_colour(s, "Rich text box 1") == before
    assert s.find("Rich text box 1").queryText().getNSelections() == 0
    s.leave_without_saving()


harness.main(body)
