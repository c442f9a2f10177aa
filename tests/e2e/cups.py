"""A CUPS server of a scenario's own: its configuration, spool, logs and socket in one folder,
so a scenario can print through a real queue without touching the machine's printing system.

    with PrivateCups(folder) as cups:      # raises CupsUnavailable with the reason
        out = cups.add_pdf_queue("QuilloraPDF", default=True)
        env = cups.env()                   # CUPS_SERVER for the program and the tools
"""
import glob
import os
import shutil
import subprocess
import time

CUPSD = "/usr/sbin/cupsd"
PDF_BACKEND = "/usr/lib/cups/backend/cups-pdf"
PDF_PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
# The PDF backend reads a queue's settings from the system's configuration folder only, by the
# name in its device address; each queue here has a name of its own, removed when it stops.
PDF_SETTINGS = "/etc/cups/cups-pdf-{}.conf"


class CupsUnavailable(Exception):
    pass


class PrivateCups:
    def __init__(self, folder):
        self.folder = os.path.abspath(folder)
        self.socket = os.path.join(self.folder, "cups.sock")
        self.proc = None
        self.settings_files = []

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()

    def env(self):
        return {"CUPS_SERVER": self.socket}

    def start(self):
        missing = [p for p in (CUPSD, PDF_BACKEND, PDF_PPD, shutil.which("lpadmin") or "lpadmin")
                   if not os.path.exists(p)]
        if missing:
            raise CupsUnavailable("not installed: " + ", ".join(missing))
        if os.geteuid() != 0:
            raise CupsUnavailable("the PDF queue's backend needs root")
        d = self.folder
        for sub in ("etc", "spool", "spool/tmp", "cache", "state", "log", "out"):
            os.makedirs(os.path.join(d, sub), exist_ok=True)
        os.chmod(d, 0o755)
        with open(os.path.join(d, "etc", "cups-files.conf"), "w") as f:
            f.write(f"""ServerRoot {d}/etc
RequestRoot {d}/spool
TempDir {d}/spool/tmp
CacheDir {d}/cache
StateDir {d}/state
ErrorLog {d}/log/error_log
AccessLog {d}/log/access_log
PageLog {d}/log/page_log
User lp
Group lp
SystemGroup root
Printcap {d}/printcap
Sandboxing Relaxed
""")
        with open(os.path.join(d, "etc", "cupsd.conf"), "w") as f:
            f.write(f"""Listen {self.socket}
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
LogLevel info
PreserveJobFiles Yes
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
""")
        self.proc = subprocess.Popen(
            [CUPSD, "-f", "-c", os.path.join(d, "etc", "cupsd.conf"),
             "-s", os.path.join(d, "etc", "cups-files.conf")],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        end = time.time() + 15
        while time.time() < end:
            if self.proc.poll() is not None:
                raise CupsUnavailable("cupsd stopped: " + self.proc.stderr.read().strip()
                                      + self.log())
            if self.run("lpstat", "-r").returncode == 0:
                return
            time.sleep(0.2)
        self.stop()
        raise CupsUnavailable("cupsd did not answer" + self.log())

    def run(self, *args):
        return subprocess.run(list(args), env={**os.environ, **self.env()},
                              capture_output=True, text=True, timeout=30)

    def log(self):
        try:
            with open(os.path.join(self.folder, "log", "error_log")) as f:
                return "\n" + f.read()[-2000:]
        except OSError:
            return ""

    def add_pdf_queue(self, name, default=False, ppd=PDF_PPD):
        """A queue that writes each job as a PDF into its own folder; that folder."""
        out = os.path.join(self.folder, "out", name)
        os.makedirs(out, exist_ok=True)
        os.chmod(out, 0o777)
        settings = PDF_SETTINGS.format(name)
        with open(settings, "w") as f:
            f.write(f"Out {out}\nAnonDirName {out}\nSpool {self.folder}/spool/pdf\n"
                    f"Log {self.folder}/log\nLogType 3\nGrp root\nUserUMask 0000\n"
                    "Label 1\n")
        self.settings_files.append(settings)
        # A server that has just begun to answer may still drop the first administrative
        # connection; a refused connection is tried again for a few seconds.
        end = time.time() + 10
        while True:
            made = self.run("lpadmin", "-p", name, "-E", "-v", f"cups-pdf:/{name}", "-P", ppd)
            if (made.returncode == 0 or "Unable to connect" not in made.stderr
                    or time.time() > end):
                break
            time.sleep(0.5)
        if made.returncode != 0:
            raise CupsUnavailable("lpadmin: " + made.stderr.strip())
        if default:
            self.run("lpadmin", "-d", name)
        return out

    def newest_document(self):
        """What the program sent in the newest job, as the spool keeps it."""
        return max(glob.glob(os.path.join(self.folder, "spool", "d[0-9]*")), key=os.path.getmtime)

    def newest_job_attributes(self, timeout=15):
        """The newest job's attributes as the server writes them down (IPP bytes), once it has."""
        control = os.path.basename(self.newest_document()).split("-")[0].replace("d", "c", 1)
        path = os.path.join(self.folder, "spool", control)
        end = time.time() + timeout
        while time.time() < end:
            if os.path.exists(path) and os.path.getsize(path) > 0:
                with open(path, "rb") as f:
                    return f.read()
            time.sleep(0.2)
        raise AssertionError(f"no attributes written for {control}" + self.log())

    def wait_for_pdfs(self, out, count, timeout=60):
        """The PDFs the queue has written once there are `count` of them, oldest first."""
        end = time.time() + timeout
        while time.time() < end:
            pdfs = sorted(glob.glob(os.path.join(out, "*.pdf")), key=os.path.getmtime)
            if len(pdfs) >= count and not self.run("lpstat", "-o").stdout.strip():
                return pdfs
            time.sleep(0.3)
        raise AssertionError(f"{count} PDFs expected in {out}, found "
                             f"{os.listdir(out)}; jobs: {self.run('lpstat', '-W', 'all', '-o').stdout}"
                             + self.log())

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        for settings in self.settings_files:
            try:
                os.remove(settings)
            except OSError:
                pass
        self.settings_files = []
