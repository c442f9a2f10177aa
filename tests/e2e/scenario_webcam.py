"""The camera button on a machine without a camera: a friendly message at once, then the page
goes on working and nothing was changed."""
import harness


def showing(s, dialog):
    try:
        s.find(dialog, "dialog", timeout=0.2)
        return True
    except LookupError:
        return False


def body(s):
    s.start_simple()
    s.click("Camera", "push button")
    message = s.find("Message", "dialog", timeout=15)
    texts = [child.name for child in message]
    assert any("No webcam" in t for t in texts), texts
    s.screenshot("no-camera")
    s.answer("Message")
    s.wait_until(lambda: not showing(s, "Message"), what="the message to close")
    s.click("Text box 1")
    s.type("Still here")
    s.wait_until(lambda: s.text_of("Text box 1") == "Still here", what="typing")
    s.leave_without_saving()


harness.main(body)
