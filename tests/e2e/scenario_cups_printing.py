"""Printing through a real print queue. The scenario starts a CUPS server of its own (its own
configuration, spool, logs and socket) with a PDF queue as the default printer, which offers
printing on both sides, and points the program at it. A simple page, a banner, three copies
of a sheet of copies, a large leaflet and a postcard go through the print dialog to the queue;
the PDFs it writes have each one's pages, sizes, orientations and words, and the two-sided
kinds ask for the sheet to be turned over on its short edge. Where CUPS cannot start, the
scenario says why and is skipped."""
import glob
import os
import shutil
import subprocess
import tempfile
import time

import a11y
import cups
import harness

QUEUE = "QuilloraClassroom"


def duplex_ppd(folder):
    """The PDF queue's description with printing on both sides offered, as a school's
    duplex printer has it."""
    with open(cups.PDF_PPD) as f:
        ppd = f.read()
    ppd += """
*OpenUI *Duplex/Both sides: PickOne
*OrderDependency: 50 AnySetup *Duplex
*DefaultDuplex: None
*Duplex None/Off: "<</Duplex false>>setpagedevice"
*Duplex DuplexNoTumble/Long edge: "<</Duplex true/Tumble false>>setpagedevice"
*Duplex DuplexTumble/Short edge: "<</Duplex true/Tumble true>>setpagedevice"
*CloseUI: *Duplex
"""
    path = os.path.join(folder, "duplex-pdf.ppd")
    with open(path, "w") as f:
        f.write(ppd)
    return path


def printed(server, pdf):
    """Pages and orientation of a print: the queue's PDF has the pages, each A4; the queue puts
    a landscape page turned onto the paper, so the orientation is read from the job the
    program sent, which the queue's PDF must match page for page."""
    pages, _ = pdf_info(pdf)
    sent_pages, orientation = pdf_info(server.newest_document())
    assert pages == sent_pages, (pages, sent_pages)
    return pages, orientation


def pdf_info(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    pages = int(next(l.split()[1] for l in info.splitlines() if l.startswith("Pages:")))
    size = next(l for l in info.splitlines() if l.startswith("Page size:")).split()
    width, height = float(size[2]), float(size[4])
    # A4 in points, either way round.
    assert sorted((round(width), round(height))) == [595, 842], info
    return pages, "landscape" if width > height else "portrait"


def words_printed(server, page=None):
    """The words of the newest job as the program sent it to the queue. The queue's own PDF
    comes through PostScript, which keeps the letters' shapes but not which letters they are."""
    pdf = server.newest_document()
    args = ["pdftotext"] + (["-f", str(page), "-l", str(page)] if page else []) + [pdf, "-"]
    return subprocess.run(args, capture_output=True, text=True).stdout.split()


def last_job_sides(server):
    """The two-sided request of the newest job, as the server keeps it."""
    attributes = server.newest_job_attributes()
    for sides in (b"two-sided-short-edge", b"two-sided-long-edge"):
        if sides in attributes:
            return sides.decode()
    return "one-sided"


class Printing:
    def __init__(self, s, server, out):
        self.s, self.server, self.out = s, server, out

    def print(self, copies=1):
        """Prints the document to the queue, `copies` times; its one new PDF once the queue has
        finished. The program draws every page before it hands the job over, which takes the
        sanitizer build seconds a page and far longer on a busy machine, so the wait grows
        with the pages."""
        s = self.s
        before = len(glob.glob(os.path.join(self.out, "*.pdf")))
        s.press("Print", "push button")
        s.choose_printer(QUEUE)
        if copies > 1:
            choose_copies(s, copies)
        s.answer("Quillora")
        started = time.time()
        pdf = self.server.wait_for_pdfs(self.out, before + 1, timeout=120 * copies)[before]
        print(f"{copies} page(s) printed in {time.time() - started:.0f} s", flush=True)
        return pdf

    def expect_two_sides_short_edge(self, word):
        """Prints the document: two landscape faces, `word` on the second, the job turned over
        the short edge."""
        server = self.server
        pdf = self.print()
        assert printed(server, pdf) == (2, "landscape"), printed(server, pdf)
        assert any(word in found for found in words_printed(server, 2)), words_printed(server, 2)
        assert last_job_sides(server) == "two-sided-short-edge", last_job_sides(server)


def choose_copies(s, copies):
    """In the open print dialog, "How many?" set to `copies` pages from its list."""
    wanted = f"{copies} pages"
    combo = s.find_all("combo box", within="Quillora")[1]  # after the printer list
    x, y = a11y.center(combo)
    harness.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")
    s.click(wanted, "list item")
    s.find(wanted, "combo box", within="Quillora")


def new_document(s, kind, *choices):
    s.press("New", "push button")
    s.click(kind, "push button", within="Quillora")
    for choice in choices:
        s.click(choice, "radio button", within="Choose")
        s.answer("Choose")
    s.answer("Quillora")
    try:
        s.answer("Save", "Don't keep it")
    except LookupError:
        pass


def body(s):
    folder = tempfile.mkdtemp(prefix="quillora-cups-")
    server = cups.PrivateCups(folder)
    try:
        server.start()
    except cups.CupsUnavailable as why:
        raise harness.Skip(f"no CUPS server could start here ({why})")
    try:
        out = server.add_pdf_queue(QUEUE, default=True, ppd=duplex_ppd(folder))
        s.extra_env = server.env()
        # The school lets children choose how many copies to print.
        with open(os.path.join(s.install, "quillora.ini"), "w") as own:
            own.write("showNumCopiesCombo=1\r\n")
        printing = Printing(s, server, out)

        # A simple page: one A4 portrait page with its words. The dialog stands on the queue,
        # the default printer.
        s.start_simple()
        s.click("Text box 1")
        s.type("Frogs jump")
        s.press("Print", "push button")
        s.find(QUEUE, "combo box", within="Quillora")
        s.answer("Quillora", "Cancel")
        pdf = printing.print()
        assert printed(server, pdf) == (1, "portrait"), printed(server, pdf)
        assert {"Frogs", "jump"} <= set(words_printed(server)), words_printed(server)
        assert last_job_sides(server) == "one-sided"

        # A banner: each of its sheets an A4 landscape page.
        new_document(s, "Display")
        s.find("Banner words", "text")
        s.click("Banner words", "text")
        s.type("HELLO")
        s.wait_until(lambda: len(s.find("Banner").description.split(" | ")) == 2,
                     what="two sheets on the strip")
        pdf = printing.print()
        assert printed(server, pdf) == (2, "landscape"), printed(server, pdf)

        # A sheet of copies printed three times: three A4 pages, every copy with its word.
        new_document(s, "Multi")
        s.click("Text box 1")
        s.type("Cake")
        pdf = printing.print(copies=3)
        assert printed(server, pdf)[0] == 3, printed(server, pdf)
        for page in (1, 3):
            assert words_printed(server, page).count("Cake") > 1, words_printed(server, page)

        # A large leaflet: its inside and its outside, two landscape faces turned over the
        # short edge; the cover's words on the outside.
        new_document(s, "Leaflet", "Large")
        s.click("Text box 1")
        s.type("Pond")
        printing.expect_two_sides_short_edge("Pond")

        # A postcard: the picture side and the writing side, back to back on the short edge.
        new_document(s, "Postcard")
        s.press("Turn over", "push button")
        s.find("Text box 1", timeout=10)
        s.click("Text box 1")
        s.type("Sunny")
        printing.expect_two_sides_short_edge("Sunny")
        s.leave_without_saving()
    finally:
        server.stop()
        shutil.rmtree(folder, ignore_errors=True)


harness.main(body)
