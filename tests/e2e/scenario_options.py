"""A teacher changes the options with Ctrl+Shift+O; they are written at exit and read back."""
import os

import harness


def read_ini(s):
    with open(os.path.join(s.install, "quillora.ini"), "rb") as f:
        return dict(l.split(b"=", 1) for l in f.read().split(b"\r\n") if l)


def open_options(s):
    s.click("Text box 1")
    s.key("ctrl+shift+o")
    s.find("Options", "dialog", timeout=10)


def body(s):
    s.start_simple()
    open_options(s)
    s.click("General", "page tab", within="Options")
    s.click("Use darker frame colours", "check box", within="Options")
    s.click("Show on screen keyboard", "check box", within="Options")
    s.answer("Options")
    s.leave()
    first = read_ini(s)
    assert first[b"useDarkerFrameColour"] == b"True", first
    assert first[b"useIWBkeyBd"] == b"True", first

    # A second run reads the file and writes it back identically.
    s.start_simple()
    s.leave()
    assert read_ini(s) == first


harness.main(body)
