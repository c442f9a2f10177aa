"""Divider handles: a work file whose page has a handle between a picture and a text opens with
the handle on their joint; dragging it down makes the picture taller and the text lower, undo
puts them back, and the page saved after a drag keeps the handle where it was left."""
import os
import time
import zipfile

import a11y
import harness

LAYOUT = (
    "<layout name='usermade' width='210' height='297' numtextboxes='1' numrtbs='0' "
    "numpicboxes='1' numhandles='1' numLines='0' numBoxes='0'>\r\n"
    "<picbox name='pb0' x='15' y='15' width='180' height='100' symmType='0'/>\r\n"
    "<textbox name='tb0' x='15' y='115' width='180' height='100' size='9' font='arial'/>\r\n"
    "<handle name='hn0' size='8' ixmm='105' iymm='115' minymm='40' maxymm='200' "
    "boxesabove='p00' boxesbelow='t00'/>\r\n"
    "</layout>\r\n")


def work_file(folder, name):
    path = os.path.join(folder, name + ".qlr")
    with zipfile.ZipFile(path, "w") as archive:
        archive.writestr("fileinfo.xml", "<general currentscreennum='9' appVer4Save='1-0-0' />\r\n")
        archive.writestr("layout.xml", LAYOUT)
        archive.writestr("text0.txt", "Under the sea")
    return path


def saved_handle_line(path):
    with zipfile.ZipFile(path) as archive:
        layout = archive.read("layout.xml").decode("latin-1")
    return next(line for line in layout.splitlines() if line.startswith("<handle"))


def body(s):
    s.start(work_file(s.documents, "divided"))
    picture = a11y.ext(s.find("Picture 1"))
    text = a11y.ext(s.find("Text box 1"))
    hx, hy, hw, hh = a11y.ext(s.find("Divider 1"))
    assert abs(hy + hh // 2 - text[1]) <= 1, (hy, hh, text)

    s.drag([(hx + hw // 2, hy + hh // 2), (hx + hw // 2, hy + hh // 2 + 30),
            (hx + hw // 2, hy + hh // 2 + 60)])
    s.wait_until(lambda: a11y.ext(s.find("Text box 1"))[1] == text[1] + 60, what="the text moved")
    assert a11y.ext(s.find("Picture 1"))[3] == picture[3] + 60
    assert a11y.ext(s.find("Text box 1"))[3] == text[3] - 60
    s.screenshot("dragged")

    s.press("Undo", "push button")
    s.wait_until(lambda: a11y.ext(s.find("Text box 1")) == text, what="the text back in place")
    s.press("Redo", "push button")
    s.wait_until(lambda: a11y.ext(s.find("Text box 1"))[1] == text[1] + 60, what="redo")

    s.press("Save", "push button")
    time.sleep(2)  # the save dialog opens with its file name field focused
    s.key("ctrl+a")
    s.type("moved")
    s.key("Return")
    saved = os.path.join(s.documents, "moved.qlr")
    s.wait_until(lambda: os.path.exists(saved), what=saved)
    line = saved_handle_line(saved)
    assert "iymm='115'" not in line and "size='8'" in line, line
    s.leave()


harness.main(body)
