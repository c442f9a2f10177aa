"""First start: the simple page shows; Exit, OK in "Exit?" leaves and writes the settings."""
import os

import harness

KEYS = ["HidePrinterTime", "WorkingDir", "iniPrinterName", "showNumCopiesCombo", "useIWBstring",
        "useIWBkeyBd", "useWebCam", "font0", "font1", "font2", "font3", "font4",
        "useDarkerFrameColour", "DontOfferToSave", "presMode", "tempPath", "dataPath",
        "webcamName", "fontSFatPrintPC", "printZoomSFPC", "leaftletTurnAngle", "multiPrintQualSF",
        "warnIfNotA4"]


def body(s):
    s.start()
    s.find("Text box 1")
    s.press("Exit")
    s.answer("Exit")
    assert s.wait_exit() == 0, s.output
    ini = os.path.join(s.install, "quillora.ini")
    with open(ini, "rb") as f:
        lines = f.read().split(b"\r\n")
    assert lines[-1] == b"", "every line ends with CR LF"
    assert [l.split(b"=")[0].decode() for l in lines[:-1]] == KEYS, lines


harness.main(body)
