"""A small leaflet chosen with "Small" in the choice dialog: its flap opens and closes, and it
prints its six pages on one landscape A4 sheet."""
import re
import subprocess

import harness


def body(s):
    s.start()
    s.click("Leaflet", "push button", within="Quillora")
    s.click("Small", "radio button", within="Choose")
    s.answer("Choose")
    s.answer("Quillora")
    s.press("Next page", "push button")
    s.press("Open the flap", "push button")
    s.find("Close the flap", "push button", timeout=10)
    s.find("Text box 6")
    s.press("Close the flap", "push button")
    s.find("Open the flap", "push button", timeout=10)

    pdf = s.print_to_pdf("page")
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    assert "(A4)" in info and re.search(r"Pages:\s+1\n", info) and "842 x 595" in info, info
    s.leave()


harness.main(body)
