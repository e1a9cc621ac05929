"""Runs Pellomi.exe under Wine on an X screen and drives it the way a user would.

The environment comes from scripts/wine-env (DISPLAY, WINEPREFIX). Paths come from ctest:
PELLOMI_EXE, PELLOMI_PROBE, PELLOMI_SOURCE_DIR and PELLOMI_E2E_SHOTS (screenshots and logs).
The probe (tools/probe) is a second Windows process that reads the widget's state; xdotool gives
real mouse and keyboard input; ImageMagick takes and reads screenshots.
"""

import datetime
import json
import math
import os
import pathlib
import re
import select
import subprocess
import time
import unittest

TITLE = "倒计时"
TRAY_TITLE = "Wine System Tray"
MENU_CLASS = "#32768"
CONFIRM_TITLE = "提示"
CONFIRM_TEXT = "确定要退出程序？"
ERROR_TITLE = "错误"
TARGET_DATE = datetime.datetime(2024, 6, 7)

WINDOW_WIDTH = 300
WINDOW_HEIGHT = 120
MARGIN = 10
START_ALPHA = 180
WS_CAPTION = 0x00C00000
WS_THICKFRAME = 0x00040000
WS_SYSMENU = 0x00080000
WS_EX_TRANSPARENT = 0x20
WS_EX_LAYERED = 0x80000

# Positions of the tray menu's entries as keyboard navigation counts them (separator skipped).
MENU_MINIMIZE = 1
MENU_SHOW = 2
MENU_POSITION = 3
MENU_ALPHA = 4
MENU_WINDOW = 5
MENU_AUTHOR = 6
MENU_EXIT = 7
POSITION_ITEMS = ["上中", "下中", "左上角", "右上角", "左下角", "右下角"]
ALPHA_ITEMS = ["50%", "100%", "150%", "200%", "250%", "300%"]
WINDOW_ITEMS = ["置窗口最前", "取消窗口最前"]


def _env(name, default=None):
    value = os.environ.get(name, default)
    if value is None:
        raise RuntimeError(f"{name} is not set: run the end-to-end tests through ctest "
                           f"(ctest --preset windows-x64 -L e2e) or scripts/test")
    return value


def wine_env():
    env = dict(os.environ)
    env["LC_ALL"] = "C.UTF-8"  # the probe's own command-line arguments are decoded with it
    env.setdefault("WINEDEBUG", "-all")
    return env


def run(args, timeout=30, check=True):
    result = subprocess.run(args, capture_output=True, timeout=timeout, env=wine_env())
    if check and result.returncode != 0:
        raise AssertionError(f"{' '.join(map(str, args))} failed ({result.returncode}): "
                             f"{result.stderr.decode(errors='replace').strip()}")
    return result.stdout.decode("utf-8", errors="replace")


def wait_until(predicate, timeout, interval=0.1):
    """Polls predicate until it returns a true value; returns that value or the last false one."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


def expected_day_count(now, target=TARGET_DATE):
    """Whole days from now until the target's local midnight, floored (the widget's caption)."""
    return math.floor((target - now.replace(microsecond=0)).total_seconds() / 86400)


def expected_caption(now, target=TARGET_DATE):
    return f"还有{expected_day_count(now, target)}天"


def own_date_caption(today, day):
    """The caption of an own date `day` on `today`."""
    days = (day - today).days
    return f"还有{days}天" if days > 0 else "就是今天" if days == 0 else f"已过{-days}天"


def avoid_midnight(margin_seconds=3):
    """Sleeps past local midnight when it is too close, so the caption has one right value."""
    now = datetime.datetime.now()
    midnight = (now + datetime.timedelta(days=1)).replace(hour=0, minute=0, second=0,
                                                          microsecond=0)
    left = (midnight - now).total_seconds()
    if left < margin_seconds:
        time.sleep(left + 1.5)


class Probe:
    """One long-running probe process answering requests line by line."""

    def __init__(self, path, log_path, launcher=("wine",)):
        self._log = open(log_path, "ab")
        self._process = subprocess.Popen([*launcher, path, "serve"], stdin=subprocess.PIPE,
                                         stdout=subprocess.PIPE, stderr=self._log,
                                         env=wine_env())
        self._buffer = b""

    def ask(self, *words, timeout=30):
        line = " ".join(_quote(str(word)) for word in words) + "\n"
        self._process.stdin.write(line.encode("utf-8"))
        self._process.stdin.flush()
        answer = self._read_line(timeout)
        try:
            return json.loads(answer)
        except json.JSONDecodeError as error:
            raise AssertionError(f"probe answered {answer!r} to {line.strip()!r}") from error

    def _read_line(self, timeout):
        deadline = time.monotonic() + timeout
        while b"\n" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0 or self._process.poll() is not None:
                raise AssertionError("the probe did not answer (exit code "
                                     f"{self._process.poll()})")
            ready, _, _ = select.select([self._process.stdout], [], [], left)
            if ready:
                chunk = os.read(self._process.stdout.fileno(), 65536)
                if not chunk:
                    continue
                self._buffer += chunk
        line, self._buffer = self._buffer.split(b"\n", 1)
        return line.decode("utf-8", errors="replace")

    def close(self):
        if self._process.poll() is None:
            try:
                self._process.stdin.write(b"quit\n")
                self._process.stdin.close()
                self._process.wait(timeout=5)
            except (OSError, subprocess.TimeoutExpired):
                self._process.kill()
                self._process.wait()
        self._process.stdout.close()
        self._log.close()


def _quote(word):
    if word and not re.search(r'[\s"]', word):
        return word
    return '"' + word.replace('"', '\\"') + '"'


class HelperWindow:
    """A probe window (topmost-window or click-target) that lives until stop()."""

    def __init__(self, probe_path, *args):
        self._process = subprocess.Popen(["wine", probe_path, *args], stdout=subprocess.PIPE,
                                         stderr=subprocess.DEVNULL, env=wine_env())
        ready, _, _ = select.select([self._process.stdout], [], [], 30)
        line = self._process.stdout.readline().decode("utf-8", errors="replace") if ready else ""
        if not line.startswith("{"):
            self.stop()
            raise AssertionError(f"helper window {args[0]} did not start: {line!r}")
        self.info = json.loads(line)

    def stop(self):
        if self._process.poll() is None:
            self._process.terminate()
            try:
                self._process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        self._process.stdout.close()


class Screen:
    """Screenshots, pixels and real input on the X display."""

    def __init__(self, shots_dir):
        self.shots_dir = pathlib.Path(shots_dir)
        self.shots_dir.mkdir(parents=True, exist_ok=True)

    def screenshot(self, name):
        path = self.shots_dir / f"{name}.png"
        run(["import", "-window", "root", str(path)])
        return path

    def crop(self, source, rect, name):
        left, top, width, height = rect
        path = self.shots_dir / f"{name}.png"
        run(["convert", str(source), "-crop", f"{width}x{height}+{left}+{top}", "+repage",
             str(path)])
        return path

    def pixels(self, source, rect):
        """Rows of (r, g, b) tuples of a rectangle (left, top, width, height) of an image."""
        left, top, width, height = rect
        raw = subprocess.run(["convert", str(source), "-crop", f"{width}x{height}+{left}+{top}",
                              "+repage", "-depth", "8", "rgb:-"], capture_output=True,
                             check=True, timeout=30).stdout
        flat = [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]
        return [flat[row * width:(row + 1) * width] for row in range(height)]

    def pixel(self, source, x, y):
        return self.pixels(source, (x, y, 1, 1))[0][0]

    def x_window_geometry(self, name):
        """(left, top, width, height) of the first mapped X window with this exact name."""
        ids = run(["xdotool", "search", "--name", f"^{re.escape(name)}$"], check=False).split()
        for window_id in ids:
            info = run(["xwininfo", "-id", window_id], check=False)
            if "IsViewable" not in info:
                continue
            values = {key: int(value) for key, value in re.findall(
                r"(Absolute upper-left X|Absolute upper-left Y|Width|Height):\s+(-?\d+)", info)}
            return (values["Absolute upper-left X"], values["Absolute upper-left Y"],
                    values["Width"], values["Height"])
        return None

    def tray_geometry(self, timeout=0):
        return wait_until(lambda: self.x_window_geometry(TRAY_TITLE), timeout)

    def move_mouse(self, x, y):
        run(["xdotool", "mousemove", str(x), str(y)])

    def click(self, x, y, button=1, repeat=1):
        run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.1", "click", "--repeat",
             str(repeat), "--delay", "80", str(button)])

    def keys(self, *names, delay_ms=120):
        for name in names:
            run(["xdotool", "key", name])
            time.sleep(delay_ms / 1000)


def desktop_launcher(name, width, height):
    """Starts a program inside the Wine virtual desktop NAME (made at WIDTHxHEIGHT if new)."""
    return ("wine", "explorer", f"/desktop={name},{width}x{height}")


def set_log_pixels(dpi):
    """The display scale Wine gives every program of the prefix from its next start on."""
    run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
         "REG_DWORD", "/d", str(dpi), "/f"])
    run(["wineserver", "-k"], check=False)
    run(["wineserver", "-w"], check=False)


def scale_to_dpi(value, dpi):
    """The program's rule for 96-DPI values: value x dpi / 96, halves away from zero."""
    scaled = (abs(value) * dpi + 48) // 96
    return scaled if value >= 0 else -scaled


class Widget:
    """One run of Pellomi.exe, with the probe and screen to inspect and drive it. `launcher`
    starts both Windows programs (plain wine, or inside a virtual desktop)."""

    def __init__(self, name, launcher=("wine",)):
        self.exe = _env("PELLOMI_EXE")
        self.probe_path = _env("PELLOMI_PROBE")
        _env("DISPLAY")
        _env("WINEPREFIX")
        self.name = name
        self.screen = Screen(_env("PELLOMI_E2E_SHOTS",
                                  str(pathlib.Path(_env("PELLOMI_SOURCE_DIR")) / "build" /
                                      "e2e-shots")))
        self.log_path = self.screen.shots_dir / f"{name}.log"
        self.log_path.unlink(missing_ok=True)
        self.launcher = tuple(launcher)
        self.probe = Probe(self.probe_path, self.log_path, self.launcher)
        self.process = None
        self.helpers = []
        self.started_at = None

    # Life cycle -----------------------------------------------------------------------------

    def launch(self, *args, env=None):
        """Starts Pellomi.exe with these arguments (and environment additions), not waiting."""
        stray = self.state()
        if stray.get("found"):
            raise AssertionError(f"a window titled {TITLE} exists before the start (pid "
                                 f"{stray.get('pid')}): another Pellomi runs in this Wine prefix")
        avoid_midnight()
        self._window_seen = False
        self.started_at = datetime.datetime.now()
        if self.process is not None:
            self._log.close()  # of an earlier run in the same test
        self._log = open(self.log_path, "ab")
        self.process = subprocess.Popen([*self.launcher, self.exe, *args], stdout=self._log,
                                        stderr=subprocess.STDOUT, env={**wine_env(), **(env or {})})

    def start(self, *args, timeout=20, env=None):
        self.launch(*args, env=env)
        last = {}

        def shown_or_ended():
            nonlocal last
            last = self.state()
            return last.get("visible") or not self.running()

        wait_until(shown_or_ended, timeout)
        if not last.get("visible"):
            error_box = self.probe.ask("message-box", "--title", ERROR_TITLE)
            # The windows the probe sees on its desktop, for a program that came up elsewhere.
            seen = [(w.get("title"), w.get("pid")) for w in self.stack()]
            raise AssertionError(
                f"no visible window titled {TITLE} within {timeout} s (program exit code "
                f"{self.process.poll()}, last state {last}, error box "
                f"{error_box.get('texts') if error_box.get('found') else 'none'}, visible "
                f"windows {seen}); log {self.log_path}")
        return last

    def running(self):
        if self.process is None:
            return False
        if len(self.launcher) > 1:
            # A program that joins a virtual desktop is started by an explorer that returns at
            # once: the program counts as running until its window, once seen, is gone.
            found = bool(self.state().get("found"))
            self._window_seen = self._window_seen or found
            return found or not self._window_seen
        return self.process.poll() is None

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def close_program(self):
        """Ends the widget alone, as its menu's exit would; the probe stays for another start."""
        if self.running():
            try:
                self.probe.ask("close", "--title", TITLE)
            except AssertionError:
                pass  # the probe is gone; the kill below still ends the program
            if self.wait_exit(5) is None:
                self.process.kill()
                self.process.wait()

    def stop(self):
        """Ends whatever is still running: helper windows, the widget, the probe."""
        for helper in self.helpers:
            helper.stop()
        self.helpers.clear()
        self.close_program()
        self.probe.close()
        if self.process is not None:
            self._log.close()
        # Without any Wine process the desktop process ends and takes its tray window along;
        # an icon that lingers there would confuse the next test, so end the server then.
        if not wait_until(lambda: not self.screen.x_window_geometry(TRAY_TITLE), 3):
            run(["wineserver", "-k"], check=False)
            run(["wineserver", "-w"], check=False)

    def helper(self, *args):
        window = HelperWindow(self.probe_path, *args)
        self.helpers.append(window)
        return window

    # State ----------------------------------------------------------------------------------

    def state(self):
        return self.probe.ask("window", "--title", TITLE)

    def children(self):
        return self.probe.ask("children", "--title", TITLE).get("children", [])

    def stack(self):
        return self.probe.ask("stack")["windows"]

    def above(self, upper, lower):
        """Whether window upper lies above window lower. The probe walks a list that another
        process may reorder meanwhile, so a walk that missed either window says "not yet"."""
        order = [window["hwnd"] for window in self.stack()]
        return upper in order and lower in order and order.index(upper) < order.index(lower)

    def screen_size(self):
        size = self.probe.ask("screen")
        return size["width"], size["height"]

    def wait_for(self, condition, timeout, what):
        """Polls the window's state until condition(state) holds; returns the last state."""
        last = {}

        def check():
            nonlocal last
            last = self.state()
            return last.get("found") and condition(last)

        wait_until(check, timeout, interval=0.1)
        return last

    def rect(self, state=None):
        state = state or self.state()
        left, top, right, bottom = state["rect"]
        return left, top, right - left, bottom - top

    # Tray and menu --------------------------------------------------------------------------

    def tray_icon_point(self, timeout=10):
        geometry = self.screen.tray_geometry(timeout)
        if not geometry:
            raise AssertionError(f"no '{TRAY_TITLE}' window appeared on the X screen within "
                                 f"{timeout} s: the program shows no notification-area icon")
        left, top, _, height = geometry
        return left + height // 2, top + height // 2  # the first icon is a square at the left

    def menu_state(self):
        found = self.probe.ask("find", "--class", MENU_CLASS)
        return found if found.get("found") and found.get("visible") else None

    def open_menu(self, click="left", timeout=5):
        x, y = self.tray_icon_point()
        button, repeat = {"left": (1, 1), "double": (1, 2), "right": (3, 1)}[click]
        self.screen.click(x, y, button=button, repeat=repeat)
        menu = wait_until(self.menu_state, timeout)
        if not menu:
            raise AssertionError(f"a {click} click on the tray icon at ({x}, {y}) opened no menu")
        time.sleep(0.2)
        return menu

    def choose(self, entry, sub_entry=None, click="left"):
        """Opens the tray menu and picks an entry (and sub-menu entry) with the keyboard."""
        self.open_menu(click)
        self.screen.keys(*(["Down"] * entry))
        if sub_entry is not None:
            self.screen.keys("Right", *(["Down"] * (sub_entry - 1)))
        self.screen.keys("Return")
        if not wait_until(lambda: not self.menu_state(), 5):
            raise AssertionError("the tray menu stayed open after Return")
        time.sleep(0.3)  # the command is posted; let the handler run

    def open_position_menu(self):
        """Opens the tray menu and its 位置 sub-menu; returns both menus' rectangles."""
        self.open_menu("right")
        self.screen.keys(*["Down"] * MENU_POSITION, "Right")
        menus = wait_until(lambda: len(self.open_menus()) == 2 and self.open_menus(), 3)
        if not menus:
            raise AssertionError("位置 opened no sub-menu")
        return menus

    def open_menus(self):
        """Rectangles of the visible pop-up menus, the main menu first (sub-menus to its right)."""
        menus = [window["rect"] for window in self.stack() if window["class"] == MENU_CLASS]
        return sorted(menus)

    def checked_rows(self, shot, rect, rows):
        """Indices of the menu rows whose check-mark column holds a mark.

        Each scan line of a row's gutter is mostly background (plain or highlighted); a mark
        shows as pixels that differ from their line's background, whatever the colours. The edge
        of a highlight changes whole lines and so counts for nothing.
        """
        left, top, _, bottom = rect
        row_height = (bottom - top) / rows
        marked = []
        for row in range(rows):
            band_top = int(top + (row + 0.15) * row_height)
            band_height = max(1, int(row_height * 0.7))
            differing = 0
            for line in self.screen.pixels(shot, (left + 3, band_top, 14, band_height)):
                background = max(set(line), key=line.count)
                differing += sum(1 for p in line
                                 if sum(abs(a - b) for a, b in zip(p, background)) > 150)
            if differing >= 6:
                marked.append(row)
        return marked

    def message_box(self, timeout=5):
        def visible_box():
            box = self.probe.ask("message-box", "--title", CONFIRM_TITLE)
            return box if box.get("found") and box.get("visible") else None

        return wait_until(visible_box, timeout)

    def answer_message_box(self, key):
        """Answers the box by keyboard: the pointer over the box, then Return or Escape."""
        box = self.message_box()
        if not box:
            raise AssertionError(f"no message box titled {CONFIRM_TITLE} is shown")
        left, top, right, bottom = box["rect"]
        # The center: the caption strip is not part of the box's X window.
        self.screen.move_mouse((left + right) // 2, (top + bottom) // 2)
        time.sleep(0.2)
        self.screen.keys(key)
        if not wait_until(lambda: not self.message_box(timeout=0), 5):
            raise AssertionError(f"the message box stayed open after {key}")


class WidgetTestCase(unittest.TestCase):
    """Starts a fresh widget for every test and always ends it."""

    def setUp(self):
        self.widget = Widget(f"{type(self).__name__}.{self._testMethodName}")
        self.addCleanup(self.widget.stop)
        self.before_start()
        self.state = self.widget.start()

    def before_start(self):
        """Runs before the widget starts (windows opened here lie beneath it)."""

    def shot(self, suffix):
        return self.widget.screen.screenshot(f"{self.widget.name}-{suffix}")
