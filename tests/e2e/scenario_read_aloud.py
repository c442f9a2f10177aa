"""Reading aloud with the real voice: a sound server of the scenario's own plays into a null sink
whose monitor is recorded; "Read it to me" on a box holding a short sentence shows "Stop", makes
sound (not silence) for about as long as the words take, and comes back. Then, with the speech
engines taken away, the button is disabled and says why, and typing goes on. Skips, saying why,
where the sound server or the engine cannot start; the sound server ends with the scenario."""
import array
import os
import shutil
import subprocess
import sys
import time

import harness

SENTENCE = "the cat sat on the mat"
RATE = 22050
LOUD = 300  # of 32767; a null sink's silence is 0
PLUGINS = "/usr/lib/x86_64-linux-gnu/qt6/plugins"


def skip(why):
    print(f"scenario_read_aloud: skipped: {why}")
    sys.exit(0)


class SoundServer:
    """PulseAudio with one null sink, in the scenario's own runtime folder, and a recording of
    the sink's monitor."""

    def __init__(self, s):
        self.env = s.env()
        self.socket = os.path.join(self.env["XDG_RUNTIME_DIR"], "pulse", "native")
        self.server = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
             "-L", "module-native-protocol-unix", "-L", "module-null-sink sink_name=e2e"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        end = time.time() + 10
        while not os.path.exists(self.socket) and time.time() < end:
            time.sleep(0.1)
        self.recording = os.path.join(s.root, "monitor.raw")
        self.recorder = None

    def started(self):
        return os.path.exists(self.socket) and self.server.poll() is None

    def record(self):
        self.recorder = subprocess.Popen(
            ["parec", "-d", "e2e.monitor", "--raw", "--format=s16le", f"--rate={RATE}",
             "--channels=1", "--latency-msec=20", self.recording], env=self.env)

    def samples(self):
        self.recorder.terminate()
        self.recorder.wait(5)
        data = array.array("h")
        with open(self.recording, "rb") as f:
            data.frombytes(f.read())
        return data

    def stop(self):
        for p in (self.recorder, self.server):
            if p and p.poll() is None:
                p.terminate()
                p.wait(5)


def read_aloud(s):
    sound = SoundServer(s)
    try:
        if not sound.started():
            skip("PulseAudio did not start")
        sound.record()
        s.start_simple()
        s.click("Text box 1")
        s.type(SENTENCE)
        s.wait_until(lambda: s.text_of("Text box 1") == SENTENCE, what="the typed sentence")
        s.click("Read it to me", "push button")
        s.find("Stop", "push button")
        s.wait_until(lambda: s.showing("Read it to me", "push button"), timeout=20,
                     what="the voice to finish")
        samples = sound.samples()
        loud = [i for i, v in enumerate(samples) if abs(v) > LOUD]
        assert loud, "the voice made no sound"
        seconds = (loud[-1] - loud[0]) / RATE
        # Six short words, read a little slowly: about one to four seconds of sound.
        assert 0.8 < seconds < 5.0, f"the sound lasted {seconds:.2f} s"
        print(f"read aloud: {seconds:.2f} s of sound")
        s.leave_without_saving()
    finally:
        sound.stop()


def without_engine(s):
    """Every plugin folder but the speech engines', through qt.conf beside the program."""
    plugins = os.path.join(s.root, "plugins")
    os.makedirs(plugins)
    for folder in os.listdir(PLUGINS):
        if folder != "texttospeech":
            os.symlink(os.path.join(PLUGINS, folder), os.path.join(plugins, folder))
    with open(os.path.join(s.install, "qt.conf"), "w") as conf:
        conf.write(f"[Paths]\nPlugins={plugins}\n")
    s.start_simple()
    button = s.find("No voice is installed", "push button")
    assert not button.getState().contains(harness.pyatspi.STATE_ENABLED), "the button is disabled"
    s.click("Text box 1")
    s.type("still typing")
    s.wait_until(lambda: s.text_of("Text box 1") == "still typing", what="typing to go on")
    s.leave_without_saving()


def body(s):
    for tool in ("pulseaudio", "parec"):
        if not shutil.which(tool):
            skip(f"{tool} is not installed")
    if not os.path.exists(os.path.join(PLUGINS, "texttospeech", "libqtexttospeech_flite.so")):
        skip("the flite speech engine is not installed")
    read_aloud(s)
    without_engine(s)


harness.main(body)
