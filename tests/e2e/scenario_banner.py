"""A banner: "Display" with a border, a painted border tile, giant letters across two sheets,
another font, the thickest letters and blue letters; saved, changed, opened again with
everything back; printed to "Save as PDF…" as two landscape A4 sheets whose letters stay clear
of each sheet's joining strip."""
import colorsys
import glob
import os
import subprocess
import zipfile

import a11y
import harness

SHEET_MM = 297.0
JOINING_MM = 10.0


def sheets_shown(s):
    """The letters on each sheet of the strip, as the window describes it: ["HEL", "LO"]."""
    description = s.find("Banner").description
    return description.split(" | ") if description else []


def standard_dialog(s, title, path):
    s.find(title, "dialog", timeout=15)
    subprocess.run(["xdotool", "search", "--sync", "--name", title, "windowfocus", "--sync"],
                   check=False)
    s.key("ctrl+a")
    s.type(path)
    s.key("Return")


def ink_columns(png):
    """For each pixel column of a rasterised sheet, whether a letter's ink (dark or strongly
    coloured, unlike the pale glue strip and the grey sheet number) lies in it."""
    out = subprocess.run(["convert", png, "-depth", "8", "txt:-"],
                         capture_output=True, text=True, check=True).stdout.splitlines()
    width = int(out[0].split(":")[1].split(",")[0])
    inked = [False] * width
    for line in out[1:]:
        place, _, rest = line.partition(":")
        r, g, b = (int(float(v)) / 255 for v in rest.split("(")[1].split(")")[0].split(",")[:3])
        _, light, sat = colorsys.rgb_to_hls(r, g, b)
        if light < 0.25 or (sat > 0.5 and 0.15 < light < 0.8):
            inked[int(place.split(",")[0])] = True
    return inked


def body(s):
    s.start()
    s.click("Display", "push button", within="Quillora")
    s.click("With border", within="Quillora")
    s.answer("Quillora")
    s.find("Banner words", "text")

    # The border editor is open on a new bordered banner: one blue stroke paints the tile.
    s.click("Blue felt pen")
    x, y, w, h = a11y.ext(s.find("Border picture"))
    s.drag([(x + 20, y + h // 2), (x + w - 20, y + h // 2)])

    s.click("Banner words", "text")
    s.type("HELLO")
    s.wait_until(lambda: len(sheets_shown(s)) == 2, what="two sheets on the strip")
    letters = sheets_shown(s)
    assert "".join(letters) == "HELLO", letters

    s.click("Arial", "combo box")
    s.click("Comic Sans MS", "list item")
    s.press("Thickest letters", "push button")
    s.press("Letter colour", "push button")
    s.wait_until(lambda: s.find("Thickness").queryValue().currentValue == 10, what="thickest")
    letters = sheets_shown(s)
    assert "".join(letters) == "HELLO" and len(letters) >= 2, letters
    s.screenshot("two-sheets")

    saved = os.path.join(s.documents, "banner.qlr")
    s.press("Save", "push button")
    standard_dialog(s, "Save Work", saved)
    s.wait_until(lambda: os.path.exists(saved), timeout=20, what=saved)
    with zipfile.ZipFile(saved) as work:
        layout = work.read("layout.xml").decode("latin-1")
        assert "border.bmp" in work.namelist(), work.namelist()
    assert "mode='1' >" in layout and "thick='10'" in layout, layout
    assert "font='Comic Sans MS'" in layout and "text='HELLO'" in layout, layout

    # Changed after saving, then the saved work opened again over it.
    s.click("Banner words", "text")
    s.type("XYZ")
    s.press("Thinnest letters", "push button")
    s.press("Open", "push button")
    s.answer("Save", "Don't keep it")
    standard_dialog(s, "Open Work", saved)
    s.wait_until(lambda: s.text_of("Banner words", "text") == "HELLO", timeout=20,
                 what="the saved words back")
    assert sheets_shown(s) == letters, sheets_shown(s)
    s.find("Comic Sans MS", "combo box")
    assert s.find("Thickness").queryValue().currentValue == 10
    s.screenshot("reopened")

    pdf = s.print_to_pdf("banner")  # proposed after the work it prints

    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    assert any(l.split()[:2] == ["Pages:", "2"] for l in info.splitlines()), info
    size = next(l for l in info.splitlines() if l.startswith("Page size:")).split()
    assert float(size[2]) > float(size[4]), info  # landscape
    assert "(A4)" in info, info

    prefix = os.path.join(s.root, "sheet")
    subprocess.run(["pdftoppm", "-r", "30", "-png", pdf, prefix], check=True)
    pages = sorted(glob.glob(prefix + "*.png"))
    assert len(pages) == 2, pages
    for sheet, png in enumerate(pages):
        inked = ink_columns(png)
        width = len(inked)
        mm = [i for i, ink in enumerate(inked) if ink]
        assert mm, f"sheet {sheet + 1} has letters"
        # Letters start right of the first sheet's border column, and no ink reaches the strip
        # where the next sheet is glued on.
        first = mm[0] * SHEET_MM / width
        last = (mm[-1] + 1) * SHEET_MM / width
        assert last <= SHEET_MM - JOINING_MM + 1.0, (sheet, last)
        if sheet == 1:
            assert first >= 9.0, first
    s.leave()


harness.main(body)
