"""Template switched with the work kept: a title typed on a sign stays when the child taps the
other sign ("Quiet please") in the layouts menu beside the page, and the page takes the new
layout."""
import a11y
import harness


def body(s):
    s.start()
    s.click("Sign", "push button", within="Quillora")
    s.answer("Quillora")
    s.find("Text box 1")
    menu = s.find("Layouts")
    before = a11y.ext(s.find("Text box 1"))

    s.click("Text box 1")
    s.wait_until(lambda: s.text_of("Text box 1") == "", what="the placeholder to go")
    s.type("Lost cat")
    s.wait_until(lambda: s.text_of("Text box 1") == "Lost cat", what="the typed title")

    x, y = a11y.center(a11y.find(menu, "Quiet please", "push button"))
    harness.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")
    s.wait_until(lambda: a11y.ext(s.find("Text box 1")) != before, what="the other layout")
    assert s.text_of("Text box 1") == "Lost cat", s.text_of("Text box 1")
    s.screenshot("switched")
    s.leave_without_saving()


harness.main(body)
