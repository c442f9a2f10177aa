"""Repeated-copies sheet printed: on "Multi" the child types a label with "^" (the copy
number), asks for the most copies and prints to "Save as PDF…": one A4 sheet with every copy,
each numbered."""
import subprocess

import harness


def body(s):
    s.start()
    s.click("Multi", "push button", within="Quillora")
    s.answer("Quillora")
    s.find("Text box 1")
    s.find("Sheet of copies")

    s.click("Text box 1")
    s.wait_until(lambda: s.text_of("Text box 1") == "", what="the placeholder to go")
    s.type("No ^")
    s.wait_until(lambda: s.text_of("Text box 1") == "No ^", what="the typed label")
    s.click("Most copies", "push button")
    s.screenshot("most-copies")

    pdf = s.print_to_pdf()

    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    assert "(A4)" in info, info
    assert any(l.split() == ["Pages:", "1"] for l in info.splitlines()), info
    words = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout.split()
    numbers = sorted(int(w) for w in words if w.isdigit())
    assert numbers == list(range(1, 25)), numbers
    s.leave_without_saving()


harness.main(body)
