"""Drives the real Quillora binary under an X server through the accessibility bus.

Each scenario gets its own copy of the installation folder, its own home, documents and
temporary folders, so scenarios never see each other's files. A failing scenario leaves a
screenshot of the screen in its output folder.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

import a11y
import pyatspi

APP_NAME = "quillora"
# The exit status of a scenario that cannot run on this machine; ctest reports it as skipped.
SKIPPED = 77
# The printer that writes a PDF file, offered on every machine.
PDF_PRINTER = "Save as PDF…"


class Scenario:
    def __init__(self, name, build_dir, out_dir):
        self.name = name
        self.build_dir = os.path.abspath(build_dir)
        self.out_dir = os.path.abspath(out_dir)
        self.root = tempfile.mkdtemp(prefix=f"quillora-e2e-{name}-")
        self.install = os.path.join(self.root, "install", "quillora")
        self.home = os.path.join(self.root, "home")
        self.documents = os.path.join(self.home, "Documents")
        self.temp = os.path.join(self.root, "tmp")
        # The school's shared settings of this scenario alone (none unless it writes one).
        self.system_config = os.path.join(self.root, "etc")
        for d in (self.install, self.documents, self.temp):
            os.makedirs(d)
        shutil.copy2(os.path.join(self.build_dir, "quillora"), self.install)
        shutil.copytree(os.path.join(self.build_dir, "data"), os.path.join(self.install, "data"))
        self.proc = None
        # More for the program's environment (a print server of the scenario's own).
        self.extra_env = {}

    # -- the program ------------------------------------------------------------------------
    def env(self):
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env = dict(os.environ)
        env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_SCALE_FACTOR="1", HOME=self.home, TMPDIR=self.temp,
                   XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                   XDG_DOCUMENTS_DIR=self.documents,
                   QUILLORA_SYSTEM_CONFIG=self.system_config)
        # The program speaks the desktop's language: English unless the scenario sets another
        # (words.desktop_language), whatever the machine's own.
        env.update(LANG="C.UTF-8", LANGUAGE="", LC_ALL="", LC_MESSAGES="")
        env.update(self.extra_env)
        # Leaks reported at exit by the accessibility and D-Bus libraries are not ours.
        env["LSAN_OPTIONS"] = "suppressions=" + os.path.join(
            os.path.dirname(os.path.abspath(__file__)), "..", "lsan.supp")
        return env

    def start(self, *args):
        # Bring the accessibility bus up before the program looks for it; a program that
        # starts first may never register.
        pyatspi.Registry.getDesktop(0)
        self.proc = subprocess.Popen([os.path.join(self.install, "quillora"), *args],
                                     env=self.env(), stdout=subprocess.PIPE,
                                     stderr=subprocess.STDOUT, text=True)
        self.app = a11y.app(APP_NAME, timeout=30)
        return self.app

    def start_simple(self, *args):
        """Starts the program and chooses "Simple" on the start screen."""
        self.start(*args)
        self.click("Simple", "push button", within="Quillora")
        self.answer("Quillora")
        self.find("Text box 1")

    def leave(self):
        """The exit button, OK in "Exit?", and the program ends cleanly."""
        self.press("Exit", "push button")
        self.answer("Exit")
        code = self.wait_exit()
        assert code == 0, f"exit code {code}: {self.output}"

    def leave_without_saving(self):
        """The exit button, OK in "Exit?", "Don't keep it" in "Save?"."""
        self.press("Exit", "push button")
        self.answer("Exit")
        self.answer("Save", "Don't keep it")
        code = self.wait_exit()
        assert code == 0, f"exit code {code}: {self.output}"

    def save_through_own_dialog(self, name):
        """Save, the name typed into the own file dialog, OK; the work file's path (the save
        may still be under way, or wait for a question)."""
        self.press("Save", "push button")
        self.click("File name", "text", within="Quillora")
        self.type(name)
        self.answer("Quillora")
        return os.path.join(self.documents, name + ".qlr")

    def choose_printer(self, printer=PDF_PRINTER):
        """In the open print dialog, makes `printer` the one printed to. The dialog stands on
        the machine's default printer, which a school's machine has and a packager's has not."""
        combo = self.find_all("combo box", within="Quillora")[0]  # the printer list comes first
        if combo.name != printer:
            x, y = a11y.center(combo)
            xdotool("mousemove", "--sync", str(x), str(y), "click", "1")
            self.click(printer, "list item")
        self.find(printer, "combo box", within="Quillora")

    def print_to_pdf(self, name="page"):
        """Print to the "Save as PDF…" printer, the proposed file name accepted; the PDF's path
        once it is written."""
        self.press("Print", "push button")
        self.choose_printer()
        self.answer("Quillora")
        self.find("Save as PDF", "dialog", timeout=15)
        subprocess.run(["xdotool", "search", "--sync", "--name", "Save as PDF", "windowfocus",
                        "--sync"], check=False)
        self.key("Return")
        pdf = os.path.join(self.documents, name + ".pdf")
        self.wait_until(lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 0, timeout=20,
                        what=pdf)
        return pdf

    def wait_exit(self, timeout=20):
        out, _ = self.proc.communicate(timeout=timeout)
        self.output = out
        return self.proc.returncode

    def run_headless(self, *args, timeout=60):
        return subprocess.run([os.path.join(self.install, "quillora"), *args], env=self.env(),
                              capture_output=True, text=True, timeout=timeout)

    # -- finding and pressing ---------------------------------------------------------------
    def find(self, name, role=None, timeout=10.0, within=None):
        """A showing widget by accessible name; `within` names the dialog to look in, so a
        button of a dialog that just closed is never taken for the new one's."""
        if within is not None:
            return a11y.find_within(self.app, within, name, role, timeout)
        return a11y.find(self.app, name, role, timeout)

    def find_all(self, role, within, timeout=10.0):
        """Every showing widget of a role in the dialog titled `within`, in the dialog's order."""
        return a11y.find_all_within(self.app, within, role, timeout)

    def showing(self, name, role=None):
        """Whether a widget of that name is on screen now (no waiting)."""
        try:
            a11y.find(self.app, name, role, timeout=0.5)
            return True
        except LookupError:
            return False

    def press(self, name, role=None, within=None):
        return a11y.press(self.find(name, role, within=within))

    def click(self, name, role=None, button=1, within=None):
        x, y = a11y.center(self.find(name, role, within=within))
        xdotool("mousemove", "--sync", str(x), str(y), "click", str(button))

    def answer(self, dialog, button="OK"):
        """Presses OK (or Cancel) in the own dialog titled `dialog`."""
        self.press(button, "push button", within=dialog)

    def drag(self, points, button=1):
        x, y = points[0]
        xdotool("mousemove", "--sync", str(x), str(y), "mousedown", str(button))
        for x, y in points[1:]:
            xdotool("mousemove", "--sync", str(x), str(y))
        xdotool("mouseup", str(button))

    def type(self, text):
        xdotool("type", "--delay", "15", text)

    def key(self, *keys):
        xdotool("key", *keys)

    def text_of(self, name, role=None):
        return a11y.text(self.find(name, role))

    def wait_until(self, predicate, timeout=10.0, what="condition"):
        end = time.time() + timeout
        while time.time() < end:
            try:
                if predicate():
                    return
            except LookupError:
                pass
            time.sleep(0.1)
        raise AssertionError(f"timed out waiting for {what}")

    # -- ending -----------------------------------------------------------------------------
    def screenshot(self, label):
        os.makedirs(self.out_dir, exist_ok=True)
        path = os.path.join(self.out_dir, f"{self.name}-{label}.png")
        subprocess.run(["import", "-window", "root", path], check=False)
        return path

    def close(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        shutil.rmtree(self.root, ignore_errors=True)


def pixel(path, x, y):
    """The colour of one pixel of a picture file, as ImageMagick names it ("srgb(0,0,255)")."""
    return subprocess.run(["convert", path, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                          check=True, capture_output=True, text=True).stdout.strip()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


class Skip(Exception):
    """Raised by a scenario that cannot run here (what it needs is missing); says why."""


def main(body):
    """Runs one scenario body(scenario); exits non-zero and leaves a screenshot on failure,
    and exits with SKIPPED when the scenario raises Skip."""
    name = os.path.splitext(os.path.basename(sys.argv[0]))[0]
    build_dir, out_dir = sys.argv[1], sys.argv[2]
    s = Scenario(name, build_dir, out_dir)
    try:
        body(s)
    except Skip as why:
        print(f"{name}: skipped: {why}")
        s.close()
        sys.exit(SKIPPED)
    except Exception:
        traceback.print_exc()
        print("screenshot:", s.screenshot("failed"))
        if s.proc and s.proc.poll() is None:
            s.proc.kill()
        if s.proc and s.proc.stdout:
            print("program output:\n" + (s.proc.stdout.read() or ""))
        s.close()
        sys.exit(1)
    s.close()
    print(f"{name}: passed")
