"""With the desktop in French (LANG=fr_FR.UTF-8) and no Language setting, Quillora speaks French
from its first window: the start screen's kinds, the page window's buttons and its dialogs. French
words typed into the page are printed into the PDF as they were typed."""
import os
import subprocess

import harness
import words

WORDS = "été à la mer, très chaud"


def body(s):
    fr = words.catalogue("fr")
    s.extra_env.update(words.desktop_language("fr_FR.UTF-8"))
    s.start()
    for kind in ("Postcard", "Comic-strip", "Anywhere", "Certificate", "My layout"):
        assert fr(kind) != kind, f"{kind} has a French name"
        s.find(fr(kind), "push button", within="Quillora")
    s.click(fr("Simple"), "push button", within="Quillora")
    s.answer("Quillora", fr("OK"))
    for caption in ("New", "Open", "Save", "Print", "Exit"):
        s.find(fr(caption), "push button")

    box = fr("Text box %1").replace("%1", "1")
    s.click(box)
    s.wait_until(lambda: s.text_of(box) == "", what="the placeholder to go")
    # Letters with marks are remapped keys under Xvfb; slowly, so none is lost.
    harness.xdotool("type", "--delay", "150", WORDS)
    s.wait_until(lambda: s.text_of(box) == WORDS, what="the French words: " + repr(s.text_of(box)))

    s.press(fr("Print"), "push button")
    s.find(fr("Print?"), "label", within="Quillora")
    s.choose_printer()
    s.answer("Quillora", fr("OK"))
    s.find(fr("Save as PDF"), "dialog", timeout=15)
    subprocess.run(["xdotool", "search", "--sync", "--name", fr("Save as PDF"), "windowfocus",
                    "--sync"], check=False)
    s.key("Return")
    pdf = os.path.join(s.documents, "page.pdf")
    s.wait_until(lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 0, timeout=20, what=pdf)
    printed = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
    assert WORDS in " ".join(printed.split()), printed

    s.press(fr("Exit"), "push button")
    s.answer(fr("Exit"), fr("OK"))
    s.answer(fr("Save"), fr("Don't keep it"))
    assert s.wait_exit() == 0, s.output


harness.main(body)
