"""Many hands on one whiteboard, through Qt's TuioTouch input plugin: TUIO 1.1 cursors
(/tuio/2Dcur messages over UDP, as touch tables and many boards send them) reach the real
program. Three fingers paint at once, each its own stroke; one undo takes the three strokes
away; a finger held still opens the picture menu, and "Import..." brings a picture in.
Skips, saying why, where the plugin is not installed."""
import glob
import os
import socket
import struct
import subprocess
import time

import a11y
import harness


def free_udp_port():
    # A port of this run alone: scenarios of several checkouts may run at once.
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


PORT = free_udp_port()
WHITE = ("srgb(255,255,255)", "white")
RED = ("srgb(255,0,0)", "red")
GREEN = ("srgb(0,200,0)",)


def osc_string(text):
    data = text.encode() + b"\0"
    return data + b"\0" * (-len(data) % 4)


def osc_message(address, *args):
    tags = "," + "".join("i" if isinstance(a, int) else "f" if isinstance(a, float) else "s"
                         for a in args)
    body = b"".join(struct.pack(">i", a) if isinstance(a, int) else
                    struct.pack(">f", a) if isinstance(a, float) else osc_string(a)
                    for a in args)
    return osc_string(address) + osc_string(tags) + body


def osc_bundle(*messages):
    out = osc_string("#bundle") + struct.pack(">Q", 1)
    for message in messages:
        out += struct.pack(">i", len(message)) + message
    return out


class Board:
    """A TUIO source: fingers given in screen pixels, sent as one frame per call."""

    def __init__(self, width, height):
        self.size = (width, height)
        self.frame = 0
        self.socket = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)

    def send(self, fingers):
        self.frame += 1
        messages = [osc_message("/tuio/2Dcur", "alive", *fingers.keys())]
        for session, (x, y) in fingers.items():
            messages.append(osc_message("/tuio/2Dcur", "set", session, x / self.size[0],
                                        y / self.size[1], 0.0, 0.0, 0.0))
        messages.append(osc_message("/tuio/2Dcur", "fseq", self.frame))
        self.socket.sendto(osc_bundle(*messages), ("127.0.0.1", PORT))
        time.sleep(1 / 60)


def screen_size():
    text = subprocess.run(["xdpyinfo"], capture_output=True, text=True).stdout
    for line in text.splitlines():
        if "dimensions:" in line:
            width, height = line.split()[1].split("x")
            return int(width), int(height)
    return 1280, 800


def body(s):
    plugins = glob.glob("/usr/lib/*/qt6/plugins/generic/libqtuiotouchplugin.so")
    if not plugins:
        raise harness.Skip("Qt's TuioTouch plugin (libqtuiotouchplugin.so) is not installed")
    photo = os.path.join(s.documents, "grass.png")
    subprocess.run(["convert", "-size", "300x200", "xc:rgb(0,200,0)", photo], check=True)
    s.extra_env["QT_QPA_GENERIC_PLUGINS"] = f"TuioTouch:udp={PORT}"
    s.start_simple()
    # The plugin hands its touches to the window that has the focus.
    s.click("Red felt pen")
    board = Board(*screen_size())
    x, y, w, h = a11y.ext(s.find("Picture 1"))
    rows = [y + h // 4, y + h // 2, y + 3 * h // 4]

    # Three children paint at once, each landing a moment after the other (fingers landing in
    # the same instant close together would be a hand laid on the board).
    for step in range(0, w - 80, 10):
        board.send({10 + i: (x + 40 + step - 10 * i, row) for i, row in enumerate(rows)
                    if step >= 10 * i})
    board.send({})
    middle = x + w // 2
    s.wait_until(lambda: all(harness.pixel(s.screenshot("three"), middle, row) in RED
                             for row in rows), what="three strokes")
    s.key("ctrl+z")
    s.wait_until(lambda: all(harness.pixel(s.screenshot("undone"), middle, row) in WHITE
                             for row in rows), what="the three strokes undone together")

    # A finger held still: the picture menu, and a picture imported from it.
    held = (middle, y + h // 2)
    for _ in range(90):
        board.send({20: held})
    board.send({})
    s.click("  Import...", "push button")
    s.find("Import Image", "dialog")
    s.type(photo)
    s.key("Return")
    s.click("Fill the box", "push button", within="Import Image")
    s.wait_until(lambda: harness.pixel(s.screenshot("imported"), *held) in GREEN,
                 what="the imported picture")
    s.leave_without_saving()


harness.main(body)
