"""A postcard made, painted, turned over, written, saved, reopened and printed: the picture
side and the writing side come back, and the print is two landscape pages with the message
and the address on the second."""
import os
import subprocess

import a11y
import harness

MESSAGE = "Sunny at the seaside"
NAME = "Grandma Rose"
STREET = "12 Apple Lane"


def start_postcard(s):
    s.click("Postcard", "push button", within="Quillora")
    s.answer("Quillora")
    s.find("Turn over", "push button")


def turn_over(s, showing):
    s.press("Turn over", "push button")
    s.find(showing, timeout=10)


def open_card(s):
    s.press("Open", "push button")
    s.click("card", "image", within="Quillora")
    s.answer("Quillora")


def body(s):
    s.start()
    start_postcard(s)
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    s.drag([(x + 60, y + 60), (x + w // 2, y + h // 2), (x + w - 60, y + 80)])

    turn_over(s, "Text box 1")
    s.click("Text box 1")
    s.type(MESSAGE)
    s.click("Text box 2")
    s.type(NAME)
    s.click("Text box 3")
    s.type(STREET + "X")
    # One undo takes the last key back.
    s.press("Undo", "push button")
    s.wait_until(lambda: s.text_of("Text box 3") == STREET, what="the undone key")

    turn_over(s, "Picture 1")
    turn_over(s, "Text box 1")
    assert s.text_of("Text box 1") == MESSAGE

    work = s.save_through_own_dialog("card")
    s.wait_until(lambda: os.path.exists(work), what=work)

    # Opened from a simple page, the card comes back in its own window.
    s.press("New", "push button")
    s.click("Simple", "push button", within="Quillora")
    s.answer("Quillora")
    # Until the simple page has taken the card's place, the card's window still answers on the
    # bus (its "Text box 1" too): a press there would reach a window on its way out.
    s.wait_until(lambda: not s.showing("Turn over", "push button"), what="the simple page")
    s.find("Text box 1")
    open_card(s)
    turn_over(s, "Text box 1")
    s.wait_until(lambda: s.text_of("Text box 2") == NAME, what="the opened card")
    assert s.text_of("Text box 1") == MESSAGE
    turn_over(s, "Picture 1")
    pdf = s.print_to_pdf("card")
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    fields = dict(line.split(":", 1) for line in info.splitlines() if ":" in line)
    assert fields["Pages"].strip() == "2", info
    width, _, height = fields["Page size"].split()[:3]
    assert float(width) > float(height), info
    second = subprocess.run(["pdftotext", "-f", "2", "-l", "2", pdf, "-"], capture_output=True,
                            text=True).stdout.split()
    for word in (MESSAGE + " " + NAME + " " + STREET).split():
        assert word in second, (word, second)
    s.leave()


harness.main(body)
