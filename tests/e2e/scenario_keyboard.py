"""The on-screen keyboard: ticked in the options, it appears; Shift then "5" types "%" and the
keys type into the current text box, and into the text being written on an anywhere page and a
comic strip's bubble."""
import a11y
import harness


def press_keys(s, keys):
    for key in keys:
        s.click(key, "push button")


def body(s):
    s.start_simple()
    s.click("Text box 2")
    s.key("ctrl+shift+o")
    s.click("General", "page tab", within="Options")
    s.click("Show on screen keyboard", "check box", within="Options")
    s.answer("Options")
    s.find("On screen keyboard")
    s.click("Text box 2")
    s.wait_until(lambda: s.text_of("Text box 2") == "", what="the placeholder to go")
    s.click("Shift", "check box")
    press_keys(s, "%hi")
    s.wait_until(lambda: s.text_of("Text box 2") == "%hi", what="the keyboard's typing")
    s.leave_without_saving()

    s.start()
    s.click("Anywhere", "push button", within="Quillora")
    s.answer("Quillora")
    x, y, _, _ = a11y.ext(s.find("Picture 1"))
    s.click("Write", "push button")
    harness.xdotool("mousemove", "--sync", str(x + 80), str(y + 80), "click", "1")
    s.find("Text 1")
    press_keys(s, "ok")
    s.wait_until(lambda: s.text_of("Text 1") == "ok", what="the keyboard typing an anywhere text")
    s.leave_without_saving()

    s.start()
    s.click("Comic-strip", "push button", within="Quillora")
    s.click("Two frames", within="Quillora")
    s.answer("Quillora")
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    s.drag([a11y.center(s.find("Drag onto a picture to make someone speak")),
            (x + w // 2, y + h // 3), (x + w // 2, y + h // 2)])
    s.find("Bubble 1")
    press_keys(s, "yes")
    s.wait_until(lambda: s.text_of("Bubble 1 words") == "yes",
                 what="the keyboard typing a bubble's words")
    s.leave_without_saving()


harness.main(body)
