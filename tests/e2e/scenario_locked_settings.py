"""A school's technician locks the print button's hiding at 5 minutes in the shared settings
file: the options dialog shows it fixed (the user's own file cannot undo it), printing hides
the print button, and closing and opening the program does not bring it back early."""
import os

import harness
import pyatspi


def body(s):
    os.makedirs(s.system_config)
    with open(os.path.join(s.system_config, "quillora.ini"), "w") as shared:
        shared.write("HidePrinterTime=5\nlocked=HidePrinterTime\n")
    # The user's own file asks for the button all the time; the lock wins.
    with open(os.path.join(s.install, "quillora.ini"), "w") as own:
        own.write("HidePrinterTime=0\r\n")

    s.start_simple()
    s.click("Text box 1")
    s.key("ctrl+shift+o")
    s.find("Options", "dialog", timeout=10)
    hidden_for = s.find("Hide printer button after printing for", "radio button", within="Options")
    states = hidden_for.getState()
    assert states.contains(pyatspi.STATE_CHECKED), "the locked value is shown"
    assert not states.contains(pyatspi.STATE_ENABLED), "the locked choice cannot be changed"
    s.answer("Options", "Cancel")

    s.print_to_pdf()
    s.wait_until(lambda: not s.showing("Print", "push button"), what="the print button hidden")
    s.leave()  # nothing was typed or painted, so nothing is offered for saving
    returns = os.path.join(s.home, ".local", "state", "quillora", "print-button-returns")
    assert os.path.exists(returns), "the wait is kept for the next run"

    s.start_simple()
    assert not s.showing("Print", "push button"), "the print button stays hidden after a restart"
    s.leave()


harness.main(body)
