"""Takes a picture of every window and main dialog on this X server's screen, as 256-colour
PNG files named after the screen (usage: screens.py BUILD_DIR OUT_DIR)."""
import os
import subprocess
import sys

import harness
import reach


def body(s):
    os.makedirs(s.out_dir, exist_ok=True)

    def picture(label):
        path = os.path.join(s.out_dir, f"{label}.png")
        subprocess.run(["import", "-window", "root", "-colors", "256", f"PNG8:{path}"],
                       check=True)

    reach.walk(s, picture)


if __name__ == "__main__":
    harness.main(body)
