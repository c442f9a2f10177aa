"""An Arabic classroom: started with LANG=ar_EG.UTF-8 the page window is mirrored (the pens on the
right of the page, the keyboard on the left), the on-screen keyboard has Arabic letters and types
an Arabic word beside a Latin name into a text box; the page is saved, opened again with the words
exactly as typed, and printed to PDF, where pdftotext finds the words in the order written.

The captions are the Arabic translation's, looked up in its source; a tree without the Arabic
translation runs in English with the direction forced by Qt's -reverse argument."""
import glob
import os
import subprocess
import unicodedata
import xml.etree.ElementTree as ElementTree

import a11y
import harness

HERE = os.path.dirname(os.path.abspath(__file__))
ARABIC_WORD = "\u0642\u0637\u062a\u064a"  # "my cat"
NAME = "Mimi"


def arabic_captions():
    """English caption -> Arabic caption, from the shipped Arabic translation, when there is one."""
    captions = {}
    for ts in glob.glob(os.path.join(HERE, "..", "..", "translations", "*_ar.ts")):
        for message in ElementTree.parse(ts).iter("message"):
            source, translation = message.find("source"), message.find("translation")
            if source is not None and translation is not None and translation.text:
                captions.setdefault(source.text, translation.text)
    return captions


def translator(captions):
    """The Arabic of an English caption; "Text box 1" is found as "Text box %1", "Blue felt pen"
    as "%1 felt pen" with "Blue"."""
    def tr(english):
        if english in captions:
            return captions[english]
        for pattern, arabic in captions.items():
            before, one, after = pattern.partition("%1")
            if not one or "%" in after or not (before or after):
                continue
            middle = english[len(before):len(english) - len(after)]
            if (english.startswith(before) and english.endswith(after) and middle
                    and (middle.isdigit() or middle in captions)):
                return arabic.replace("%1", captions.get(middle, middle))
        return english
    return tr


def body(s):
    captions = arabic_captions()
    tr = translator(captions)
    s.extra_env.update(LANG="ar_EG.UTF-8", LC_ALL="ar_EG.UTF-8", LANGUAGE="ar")
    s.start(*([] if captions else ["-reverse"]))
    s.click(tr("Simple"), "push button", within="Quillora")
    s.answer("Quillora", tr("OK"))
    s.click(tr("Text box 1"))
    s.key("ctrl+shift+o")
    s.click(tr("General"), "page tab", within=tr("Options"))
    s.click(tr("Show on screen keyboard"), "check box", within=tr("Options"))
    s.answer(tr("Options"), tr("OK"))

    page_x, _, page_w, _ = a11y.ext(s.find(tr("Page")))
    pen_x, _, _, _ = a11y.ext(s.find(tr("Blue felt pen")))
    keyboard_x, _, keyboard_w, _ = a11y.ext(s.find(tr("On screen keyboard")))
    assert pen_x > page_x + page_w // 2, "the pens stand on the right in a mirrored window"
    assert keyboard_x + keyboard_w // 2 < page_x + page_w // 2, "the keyboard sits on the left"

    s.click(tr("Text box 1"))
    s.wait_until(lambda: s.text_of(tr("Text box 1")) == "", what="the placeholder to go")
    for letter in ARABIC_WORD + " ":
        s.click(letter if letter != " " else tr("Space"), "push button")
    s.type(NAME)
    typed = ARABIC_WORD + " " + NAME
    s.wait_until(lambda: s.text_of(tr("Text box 1")) == typed, what="the Arabic words typed")
    s.screenshot("arabic-typed")

    s.press(tr("Save"), "push button")
    s.click(tr("File name"), "text", within="Quillora")
    s.type("arabic")
    s.answer("Quillora", tr("OK"))
    work_file = os.path.join(s.documents, "arabic.qlr")
    s.wait_until(lambda: os.path.exists(work_file), what=work_file)

    s.press(tr("New"), "push button")
    s.click(tr("Simple"), "push button", within="Quillora")
    s.answer("Quillora", tr("OK"))
    s.wait_until(lambda: s.text_of(tr("Text box 1")) != typed, what="a new page")
    s.press(tr("Open"), "push button")
    s.click("arabic", "image", within="Quillora")
    s.answer("Quillora", tr("OK"))
    s.wait_until(lambda: s.text_of(tr("Text box 1")) == typed, what="the words as they were typed")

    s.press(tr("Print"), "push button")
    s.choose_printer(tr(harness.PDF_PRINTER))
    s.answer("Quillora", tr("OK"))
    s.find(tr("Save as PDF"), "dialog", timeout=15)
    # X keeps a title in Arabic letters as compound text, which xdotool's name search never
    # matches (a --sync search then waits for ever): the dialog is found by its Latin "PDF".
    subprocess.run(["xdotool", "search", "--sync", "--name", "PDF", "windowfocus", "--sync"],
                   check=False, timeout=10)
    s.key("Return")
    pdfs = lambda: glob.glob(os.path.join(s.documents, "*.pdf"))  # noqa: E731
    s.wait_until(lambda: pdfs() and os.path.getsize(pdfs()[0]) > 0, timeout=20, what="the PDF")
    text = subprocess.run(["pdftotext", pdfs()[0], "-"], capture_output=True, text=True,
                          check=True).stdout
    # pdftotext gives the shaped letters (presentation forms) and marks right-to-left runs; it
    # reads a line from left to right, where a right-to-left line has its first word last.
    letters = "".join(c for c in unicodedata.normalize("NFKC", text)
                      if unicodedata.category(c) != "Cf")
    assert NAME + " " + ARABIC_WORD in letters, f"the printed words in order: {text!r}"
    s.press(tr("Exit"), "push button")
    s.answer(tr("Exit"), tr("OK"))
    assert s.wait_exit() == 0


harness.main(body)
