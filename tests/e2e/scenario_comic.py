"""A comic strip: two frames; a felt pen stroke in frame 1; a speech bubble dropped on it, typed
into, its tail pointed and its size changed; a thought bubble dropped on frame 2 and dragged into
frame 1; a caption box dropped and binned; a painting step undone; saved, a new strip started,
the work opened again with its bubbles back in their frames, and printed to a PDF whose text
holds the bubbles' words."""
import os
import subprocess
import zipfile

import a11y
import harness

SPEECH = "Drag onto a picture to make someone speak"
THOUGHT = "Drag onto a picture to make someone think"
CAPTION = "Drag onto a picture to add some words"
BIN = "Drop a bubble here to throw it away"


def start_comic(s):
    s.click("Comic-strip", "push button", within="Quillora")
    s.click("Two frames", within="Quillora")
    s.answer("Quillora")
    s.find("Picture 2")


def drop_icon(s, icon, frame):
    x, y, w, h = a11y.ext(s.find(frame))
    s.drag([a11y.center(s.find(icon)), (x + w // 2, y + h // 3), (x + w // 2, y + h // 2)])


def grip(s, bubble):
    """A point on the bubble's outline, left of its words."""
    x, y, w, h = a11y.ext(s.find(bubble))
    return x + w // 4 + 4, y + h // 2


def through_file_dialog(s, button, file_name):
    """A comic strip saves and opens through the platform's file dialog, which starts in the
    documents folder with the name field focused."""
    s.press(button, "push button")
    s.find("File name:", "label", timeout=15)
    s.type(file_name)
    s.key("Return")


def words(s, bubble):
    return s.text_of(bubble + " words")


def body(s):
    s.start()
    start_comic(s)
    x1, y1, w1, h1 = a11y.ext(s.find("Picture 1"))
    s.click("Blue felt pen")
    s.click("Picture 1")  # the first press on a strip of frames only picks the frame
    s.drag([(x1 + 30 + dx, y1 + h1 - 60) for dx in range(0, w1 - 60, 20)])

    drop_icon(s, SPEECH, "Picture 1")
    s.find("Bubble 1")
    s.type("Hello there")
    s.wait_until(lambda: words(s, "Bubble 1") == "Hello there", what="the speech bubble's words")
    tail = a11y.center(s.find("Bubble 1 point"))
    s.drag([tail, (tail[0] + 40, tail[1] + 30), (tail[0] + 60, tail[1] + 50)])
    size = a11y.center(s.find("Bubble 1 size"))
    before = a11y.ext(s.find("Bubble 1"))
    s.drag([size, (size[0] + 20, size[1] + 15), (size[0] + 40, size[1] + 30)])
    s.wait_until(lambda: a11y.ext(s.find("Bubble 1"))[2] > before[2], what="a bigger bubble")

    drop_icon(s, THOUGHT, "Picture 2")
    s.find("Bubble 2")
    s.type("Yum")
    start = grip(s, "Bubble 2")
    s.drag([start, (start[0] - w1 // 2, start[1] + 10), (start[0] - w1 // 2 - 60, start[1] + 40)])

    drop_icon(s, CAPTION, "Picture 2")
    s.find("Bubble 3")
    s.drag([grip(s, "Bubble 3"), a11y.center(s.find(BIN)), a11y.center(s.find(BIN))])
    s.wait_until(lambda: not _showing(s, "Bubble 3"), what="the caption box in the bin")

    # Two more strokes, the last taken back.
    s.drag([(x1 + 30, y1 + 30), (x1 + 90, y1 + 60)])
    s.drag([(x1 + 30, y1 + 100), (x1 + 90, y1 + 130)])
    s.press("Undo", "push button")

    work = os.path.join(s.documents, "comic.qlr")
    through_file_dialog(s, "Save", "comic")
    s.wait_until(lambda: os.path.exists(work), what=work)
    with zipfile.ZipFile(work) as archive:
        layout = archive.read("layout.xml").decode("latin-1")
        assert "pic0.bmp" in archive.namelist() and "pic1.bmp" in archive.namelist()
    bubbles = [line for line in layout.splitlines() if line.startswith("<bubble")]
    assert len(bubbles) == 2, layout
    assert all("parentindex='0'  handcx" in line for line in bubbles), layout
    s.screenshot("made")

    s.press("New", "push button")
    start_comic(s)
    s.wait_until(lambda: not _showing(s, "Bubble 1"), what="a new strip")
    through_file_dialog(s, "Open", "comic.qlr")
    s.wait_until(lambda: words(s, "Bubble 1") == "Hello there", what="the opened strip")
    assert words(s, "Bubble 2") == "Yum"
    assert a11y.ext(s.find("Bubble 2"))[0] < x1 + w1, "the thought bubble stays in frame 1"
    s.screenshot("reopened")

    pdf = s.print_to_pdf("comic")
    text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
    assert "Hello" in text and "Yum" in text, text
    s.leave()


def _showing(s, name):
    try:
        a11y.find(s.app, name, timeout=0.5)
        return True
    except LookupError:
        return False


harness.main(body)
