"""An Arabic classroom: started with LANG=ar_EG.UTF-8 the page window is mirrored (the pens on the
right of the page, the keyboard on the left), the on-screen keyboard has Arabic letters and types
an Arabic word beside a Latin name into a text box.

The captions are the Arabic translation's, looked up in its source; a tree without the Arabic
translation runs in English with the direction forced by Qt's -reverse argument."""
import glob
import os
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

    s.press(tr("Exit"), "push button")
    s.answer(tr("Exit"), tr("OK"))
    s.answer(tr("Save"), tr("Don't keep it"))
    assert s.wait_exit() == 0


harness.main(body)
