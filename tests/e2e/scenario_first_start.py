"""First start: the start screen shows the nineteen kinds; "Simple" and OK show the page; Exit,
OK in "Exit?" leaves and writes the settings with every key in order."""
import os

import harness

KEYS = ["HidePrinterTime", "WorkingDir", "iniPrinterName", "showNumCopiesCombo", "useIWBstring",
        "useIWBkeyBd", "useWebCam", "font0", "font1", "font2", "font3", "font4",
        "useDarkerFrameColour", "DontOfferToSave", "presMode", "tempPath", "dataPath",
        "webcamName", "fontSFatPrintPC", "printZoomSFPC", "leaftletTurnAngle", "multiPrintQualSF",
        "warnIfNotA4"]


KINDS = ["Simple", "Circle", "Table", "Shapes", "Postcard", "Booklet", "Comic-strip", "Card",
         "Multi", "Layouts", "News", "Anywhere", "Certificate", "Sign", "Display", "Leaflet",
         "Borders", "My layout", "Posters"]


def body(s):
    s.start()
    for kind in KINDS:
        s.find(kind, "push button", within="Quillora")
    s.click("Simple", "push button", within="Quillora")
    s.answer("Quillora")
    s.find("Text box 1")
    s.find("Picture 1")
    s.leave()
    ini = os.path.join(s.install, "quillora.ini")
    with open(ini, "rb") as f:
        lines = f.read().split(b"\r\n")
    assert lines[-1] == b"", "every line ends with CR LF"
    assert [l.split(b"=")[0].decode() for l in lines[:-1]] == KEYS, lines


harness.main(body)
