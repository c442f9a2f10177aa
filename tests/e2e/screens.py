"""Takes a picture of every window and main dialog on this X server's screen, as 256-colour
PNG files named after the screen (usage: screens.py BUILD_DIR OUT_DIR)."""
import os
import subprocess
import sys

import harness
import reach
import words


def body(s):
    os.makedirs(s.out_dir, exist_ok=True)

    def picture(label):
        path = os.path.join(s.out_dir, f"{label}.png")
        subprocess.run(["import", "-window", "root", "-colors", "256", f"PNG8:{path}"],
                       check=True)

    reach.walk(s, picture)

    # The start screen, a simple page, the print and options dialogs as a French and an Arabic
    # classroom see them.
    for code, lang in (("fr", "fr_FR.UTF-8"), ("ar", "ar_EG.UTF-8")):
        if s.proc.poll() is None:
            s.proc.kill()
            s.proc.wait()
        tr = words.catalogue(code)
        s.extra_env.update(words.desktop_language(lang))
        s.start()
        s.find(tr("Simple"), "push button", within="Quillora")
        picture(f"{code}-start")
        s.click(tr("Simple"), "push button", within="Quillora")
        s.answer("Quillora", tr("OK"))
        s.find(tr("Text box %1").replace("%1", "1"))
        picture(f"{code}-simple")
        s.press(tr("Print"), "push button")
        s.find(tr("Print?"), "label", within="Quillora")
        picture(f"{code}-print")
        s.key("Escape")
        s.key("ctrl+shift+o")
        s.find(tr("Options"), "dialog")
        picture(f"{code}-options")
        s.key("Escape")


if __name__ == "__main__":
    harness.main(body)
