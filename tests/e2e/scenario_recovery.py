"""Recovery after a crash: a page painted and typed on is autosaved (after one second here, not
twenty), the program is killed, started again, and offers the work first; opened, it shows the
painting and the text, and saving it properly takes the recovery file away. The progress pictures
(one a second here) travel into the saved work file and come out again with --export-steps."""
import glob
import os
import re
import subprocess
import time
import zipfile

import a11y
import harness

TEXT = "Saved by autosave"


def recovery_files(s, pattern="*.qlr"):
    return glob.glob(os.path.join(s.home, ".local", "share", "quillora", "recovery", pattern))


def painted(work_file, member="pic0.bmp"):
    """Whether the picture member of a work file holds more than white paper."""
    picture = work_file + "." + member
    with zipfile.ZipFile(work_file) as archive, open(picture, "wb") as out:
        out.write(archive.read(member))
    darkest = subprocess.run(["convert", picture, "-format", "%[fx:minima.intensity]", "info:"],
                             check=True, capture_output=True, text=True).stdout
    return float(darkest) < 0.9


def body(s):
    machine_env = s.env
    s.env = lambda: dict(machine_env(), QUILLORA_AUTOSAVE_SECONDS="1",
                         QUILLORA_SNAPSHOT_SECONDS="1")
    s.start_simple()
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    s.drag([(x + 30, y + 30), (x + w // 2, y + h // 2), (x + w - 30, y + h - 30)])
    s.click("Text box 1")
    s.type(TEXT)
    typed = time.time()
    s.wait_until(lambda: any(os.path.getmtime(f) > typed + 0.5 for f in recovery_files(s)),
                 timeout=15, what="an autosave after the typing")
    s.proc.kill()
    s.proc.wait()

    s.start()
    s.answer("Your work", "Open it")
    s.wait_until(lambda: s.text_of("Text box 1") == TEXT, what="the recovered text")
    saved = s.save_through_own_dialog("rescued")
    s.wait_until(lambda: os.path.exists(saved), what=saved)
    assert painted(saved), "the painting did not come back"
    s.wait_until(lambda: not recovery_files(s), what="the recovery file to go after the save")
    s.leave()
    assert not recovery_files(s, "*"), recovery_files(s, "*")

    with zipfile.ZipFile(saved) as archive:
        steps = [n for n in archive.namelist() if re.fullmatch(r"step[1-9][0-9]*\.png", n)]
    assert steps, "the saved work holds no progress pictures"
    folder = os.path.join(s.root, "steps")
    result = s.run_headless("--export-steps", folder, saved)
    assert result.returncode == 0, result.stdout + result.stderr
    exported = sorted(os.listdir(folder))
    assert exported == sorted(steps), exported
    # The pictures as the work file holds them, each a PNG that decodes.
    subprocess.run(["identify", "-regard-warnings", *(os.path.join(folder, n) for n in exported)],
                   check=True, capture_output=True)


harness.main(body)
