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

    # The start screen and a simple page as a French classroom sees them.
    if s.proc.poll() is None:
        s.proc.kill()
        s.proc.wait()
    fr = words.catalogue("fr")
    s.extra_env.update(words.desktop_language("fr_FR.UTF-8"))
    s.start()
    s.find(fr("Simple"), "push button", within="Quillora")
    picture("fr-start")
    s.click(fr("Simple"), "push button", within="Quillora")
    s.answer("Quillora", fr("OK"))
    s.find(fr("Text box %1").replace("%1", "1"))
    picture("fr-simple")


if __name__ == "__main__":
    harness.main(body)
