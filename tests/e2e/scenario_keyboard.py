"""The on-screen keyboard: ticked in the options, it appears; Shift then "5" types "%" and the
keys type into the current text box."""
import harness


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
    s.click("%", "push button")
    for key in "hi":
        s.click(key, "push button")
    s.wait_until(lambda: s.text_of("Text box 2") == "%hi", what="the keyboard's typing")
    s.leave_without_saving()


harness.main(body)
