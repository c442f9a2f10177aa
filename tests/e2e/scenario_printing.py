"""Printing to the "Save as PDF…" printer, chosen in the print dialog whatever the machine's
default, gives an A4 PDF with the page's objects; with the print button set to hide for
1 minute after printing, it is hidden afterwards."""
import os
import subprocess

import a11y
import harness


def set_hide_for_one_minute(s):
    s.click("Text box 2")
    s.key("ctrl+shift+o")
    s.find("Options", "dialog")
    # Pressed through the accessibility bus: a click could land while the dialog settles.
    s.press("Hide printer button after printing for", "radio button", within="Options")
    s.click("2", "combo box", within="Options")
    s.click("1", "list item")
    s.answer("Options")


def body(s):
    s.start_simple()
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    s.drag([(x + 30, y + 30), (x + w - 30, y + h - 30)])
    set_hide_for_one_minute(s)

    s.press("Print", "push button")
    s.find("Print?", "label", within="Quillora")
    s.choose_printer()
    s.answer("Quillora")
    # The file dialog proposes page.pdf in the documents folder; Return accepts it.
    dialog = s.find("Save as PDF", "dialog", timeout=15)
    subprocess.run(["xdotool", "search", "--sync", "--name", "Save as PDF", "windowfocus", "--sync"],
                   check=False)
    s.key("Return")
    pdf = os.path.join(s.documents, "page.pdf")
    s.wait_until(lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 0, timeout=20, what=pdf)

    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    assert "(A4)" in info, info
    png = os.path.join(s.root, "printed")
    subprocess.run(["pdftoppm", "-r", "20", "-png", "-singlefile", pdf, png], check=True)
    colours = subprocess.run(["convert", png + ".png", "-format", "%k", "info:"],
                             capture_output=True, text=True).stdout
    assert int(colours) > 2, "the stroke and the page are on paper"

    s.wait_until(lambda: not s.showing("Print", "push button"), what="the print button hidden")
    s.leave_without_saving()


harness.main(body)
