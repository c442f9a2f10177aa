"""A broken work file named on the command line: a clear message, then a usable program."""
import os

import harness


def body(s):
    broken = os.path.join(s.documents, "broken.qlr")
    with open(broken, "wb") as f:
        f.write(b"PK\x03\x04 this is not really a work file")
    s.start(broken)
    message = s.find("Message", "dialog", timeout=20)
    texts = [child.name for child in message]
    # One plain sentence: what happened and what to do, no paths or library codes.
    assert any("This file is damaged" in t for t in texts), texts
    assert not any("code -" in t or "/tmp/" in t for t in texts), texts
    s.answer("Message")
    s.click("Simple", "push button", within="Quillora")
    s.answer("Quillora")
    s.click("Text box 1")
    s.type("Still here")
    s.wait_until(lambda: s.text_of("Text box 1") == "Still here", what="typing")
    s.leave_without_saving()


harness.main(body)
