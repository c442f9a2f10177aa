"""Typing: the placeholder goes when the child clicks the title, a long sentence typed with the
keyboard is exactly the box's text and its font shrinks so nothing overflows; Ctrl+Z and Ctrl+Y
walk the history."""
import os
import subprocess

import harness

SENTENCE = "Today we went to the seaside and built the biggest sandcastle in the whole world"


def saved_title_size(s, name):
    work = s.save_through_own_dialog(name)
    s.wait_until(lambda: os.path.exists(work), what=work)
    layout = subprocess.run(["unzip", "-p", work, "layout.xml"], capture_output=True).stdout
    line = next(l for l in layout.decode("cp1252").splitlines() if "name='tb0'" in l)
    return int(line.split(" size='")[1].split("'")[0])


def body(s):
    s.start_simple()
    s.click("Text box 1")
    s.wait_until(lambda: s.text_of("Text box 1") == "", what="the placeholder to go")
    s.type(SENTENCE)
    s.wait_until(lambda: s.text_of("Text box 1") == SENTENCE, what="the typed sentence")
    assert saved_title_size(s, "typed") < 9, "the title's font shrank to fit"

    s.click("Text box 1")
    s.key("ctrl+z")
    s.wait_until(lambda: s.text_of("Text box 1") == SENTENCE[:-1], what="one step back")
    s.key("ctrl+z")
    s.wait_until(lambda: s.text_of("Text box 1") == SENTENCE[:-2],
                 what="two steps back: " + repr(s.text_of("Text box 1")))
    s.key("ctrl+y")
    s.wait_until(lambda: s.text_of("Text box 1") == SENTENCE[:-1], what="one step forward")
    s.leave_without_saving()


harness.main(body)
