"""A school's language file beside the installation translates the page window and dialogs."""
import os
import shutil

import harness

HERE = os.path.dirname(os.path.abspath(__file__))


def body(s):
    language = os.path.join(os.path.dirname(s.install), "language")
    os.makedirs(language)
    shutil.copy(os.path.join(HERE, "..", "..", "docs", "lang-example.txt"),
                os.path.join(language, "lang.txt"))
    s.start()
    s.click("Simple", "push button", within="Quillora")
    s.answer("Quillora")
    s.find("Nouveau", "push button")
    s.find("Imprimer", "push button")
    s.press("Quitter", "push button")
    dialog = s.find("Quitter", "dialog")
    assert any(c.name == "Quitter ?" for c in dialog), "the question is translated"
    s.answer("Quitter")
    assert s.wait_exit() == 0


harness.main(body)
