"""A desk of several monitors for the end-to-end tests: an Xorg server with the dummy driver on
a free display (Xvfb gives Wine one monitor only), its outputs laid out with xrandr, and a fresh
wineserver on it. Everything started here is ended by close()."""

import json
import os
import pathlib
import subprocess
import tempfile
import time

import harness

CONFIG = """Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 3200 1080
  EndSubSection
EndSection
"""
SECOND_MODE = ["1280x1024x", "109.00", "1280", "1368", "1496", "1712", "1024", "1027", "1034",
               "1063", "-hsync", "+vsync"]


def _free_display():
    for number in range(40, 100):
        if not pathlib.Path(f"/tmp/.X11-unix/X{number}").exists() and \
                not pathlib.Path(f"/tmp/.X{number}-lock").exists():
            return f":{number}"
    raise AssertionError("no free X display for the dummy Xorg server")


class XorgDesk:
    """`second_left`: the second monitor's left edge (1920 beside the primary, -1280 left of
    it); `primary_work`: the primary's work area as a desktop panel announces it
    (_NET_WORKAREA: "x, y, width, height" from the X root's top-left corner). The previous DISPLAY comes back on close()."""

    def __init__(self, second_left=1920, primary_work=None):
        self._old_display = os.environ.get("DISPLAY")
        self._dir = tempfile.TemporaryDirectory(prefix="pellomi-xorg-")
        config = pathlib.Path(self._dir.name) / "xorg.conf"
        config.write_text(CONFIG)
        self.display = _free_display()
        self._server = subprocess.Popen(
            ["Xorg", self.display, "-config", str(config), "-noreset", "-nolisten", "tcp",
             "-logfile", str(pathlib.Path(self._dir.name) / "xorg.log")],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self._wait_for_server()
            self._xrandr("--newmode", *SECOND_MODE)
            self._xrandr("--addmode", "DUMMY1", SECOND_MODE[0])
            self._xrandr("--output", "DUMMY0", "--mode", "1920x1080", "--pos", "0x0", "--primary",
                         "--output", "DUMMY1", "--mode", SECOND_MODE[0], "--pos",
                         f"{second_left}x0")
            # A full query makes the server probe its outputs again; Wine asks only for the
            # current resources, which lag behind until then.
            self._xrandr("--listmonitors")
            if primary_work:
                subprocess.run(["xprop", "-display", self.display, "-root", "-f", "_NET_WORKAREA",
                                "32c", "-set", "_NET_WORKAREA", primary_work], check=True,
                               capture_output=True, timeout=10)
            os.environ["DISPLAY"] = self.display
            self.monitors = self._fresh_wineserver_seeing(2)
        except BaseException:
            self.close()
            raise

    def _xrandr(self, *args):
        subprocess.run(["xrandr", "-display", self.display, *args], check=True,
                       capture_output=True, timeout=10)

    def _wait_for_server(self):
        for _ in range(100):
            if self._server.poll() is not None:
                raise AssertionError(f"Xorg {self.display} ended: see {self._dir.name}")
            if subprocess.run(["xrandr", "-display", self.display], capture_output=True,
                              timeout=5).returncode == 0:
                return
            time.sleep(0.1)
        raise AssertionError(f"Xorg {self.display} did not answer")

    def _fresh_wineserver_seeing(self, count):
        """The first Wine process after a layout change may see the old monitors: restarted
        until SM_CMONITORS says `count`."""
        seen = None
        for _ in range(3):
            restart_wineserver()
            seen = json.loads(harness.run(["wine", harness._env("PELLOMI_PROBE"), "screen"]))
            if seen.get("monitors") == count:
                return seen["monitor_list"]
            time.sleep(0.5)
        raise AssertionError(f"Wine sees {seen} on {self.display}, not {count} monitors")

    def close(self):
        restart_wineserver()  # no Wine process may stay on a display that goes away
        if self._server.poll() is None:
            self._server.terminate()
            try:
                self._server.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self._server.kill()
                self._server.wait()
        if self._old_display is None:
            os.environ.pop("DISPLAY", None)
        else:
            os.environ["DISPLAY"] = self._old_display
        self._dir.cleanup()


def restart_wineserver():
    harness.run(["wineserver", "-k"], check=False)
    harness.run(["wineserver", "-w"], check=False)
