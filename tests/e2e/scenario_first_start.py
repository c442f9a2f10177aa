"""First start: the start screen shows the nineteen kinds; "Simple" and OK show the page; Exit,
OK in "Exit?" leaves and writes the settings with every key in order."""
import os
import subprocess

import a11y
import harness

KEYS = ["HidePrinterTime", "WorkingDir", "iniPrinterName", "showNumCopiesCombo", "useIWBstring",
        "useIWBkeyBd", "useWebCam", "font0", "font1", "font2", "font3", "font4",
        "useDarkerFrameColour", "DontOfferToSave", "presMode", "tempPath", "dataPath",
        "webcamName", "fontSFatPrintPC", "printZoomSFPC", "leaftletTurnAngle", "multiPrintQualSF",
        "warnIfNotA4", "progressSnapshots", "readAloud", "speakLetters", "voiceEngine", "voiceName",
        "voiceRate", "Language",
        "longPressMenu", "stylusPressure"]


KINDS = ["Simple", "Circle", "Table", "Shapes", "Postcard", "Booklet", "Comic-strip", "Card",
         "Multi", "Layouts", "News", "Anywhere", "Certificate", "Sign", "Display", "Leaflet",
         "Borders", "My layout", "Posters"]


def expected_page(screen_w, screen_h, page_w_mm=210, page_h_mm=297):
    """Where a simple A4 portrait page sits: right of the palettes (106 pixels, twice that on
    a roomy screen), below the 64-pixel toolbar, fitted to the room left."""
    palette, toolbar = (212 if screen_w >= 1600 and screen_h >= 960 else 106), 64
    avail_w = screen_w - palette - 32 - 88 + 88
    avail_h = screen_h - toolbar - 32 - 16
    if page_w_mm / page_h_mm < avail_w / avail_h:
        scale = avail_h / page_h_mm
        w, h = int(page_w_mm * scale + 1e-4), int(page_h_mm * scale + 1e-4)
        return palette + (avail_w - w) // 2, toolbar + 8, w, h
    scale = avail_w / page_w_mm
    w, h = int(page_w_mm * scale + 1e-4), int(page_h_mm * scale + 1e-4)
    return palette + 16, toolbar + (avail_h - h) // 2, w, h


def screen_size():
    out = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, text=True).stdout
    return tuple(int(v) for v in out.split())


def body(s):
    s.start()
    for kind in KINDS:
        s.find(kind, "push button", within="Quillora")
    s.click("Simple", "push button", within="Quillora")
    s.answer("Quillora")
    s.find("Text box 1")
    s.find("Picture 1")
    page = a11y.ext(s.find("Page"))
    assert page == expected_page(*screen_size()), (page, expected_page(*screen_size()))
    s.leave()
    ini = os.path.join(s.install, "quillora.ini")
    with open(ini, "rb") as f:
        lines = f.read().split(b"\r\n")
    assert lines[-1] == b"", "every line ends with CR LF"
    assert [l.split(b"=")[0].decode() for l in lines[:-1]] == KEYS, lines


if __name__ == "__main__":
    harness.main(body)
