"""--startup: the Startup folder's shortcut is written, read back whole, removed; a failure is
told in one box and starts no widget."""

import glob
import os
import pathlib
import shutil
import struct
import unittest

import harness

BOX_TITLE = "Pellomi"
NO_MENU_ENTRIES = {"WINEDLLOVERRIDES": "winemenubuilder.exe=d"}
# A title that a careless quoting would cut: spaces, quotes, a trailing backslash.
TITLE = '期末 "考试" C:\\'


def startup_folder():
    prefix = pathlib.Path(os.environ["WINEPREFIX"])
    found = glob.glob(str(prefix / "drive_c/users/*/AppData/Roaming/Microsoft/Windows/"
                          "Start Menu/Programs/[Ss]tart[Uu]p"))
    if not found:
        raise AssertionError(f"no Startup folder in {prefix}")
    return pathlib.Path(found[0])


def read_shortcut(path):
    """The target, arguments and working folder of a shell link (the documented .lnk layout)."""
    data = path.read_bytes()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    at = 0x4C
    if flags & 0x1:  # an item id list
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = None
    if flags & 0x2:  # link info: the local base path
        size, header = struct.unpack_from("<II", data, at)
        base = struct.unpack_from("<I", data, at + 16)[0]
        if header >= 0x24:
            unicode_base = struct.unpack_from("<I", data, at + 28)[0]
            end = data.index(b"\0\0", at + unicode_base)
            end += (end - at - unicode_base) % 2
            target = data[at + unicode_base:end].decode("utf-16-le")
        else:
            target = data[at + base:data.index(b"\0", at + base)].decode("gbk", "replace")
        at += size
    strings = {}
    unicode = bool(flags & 0x80)
    for bit, name in ((0x4, "name"), (0x8, "relative"), (0x10, "folder"), (0x20, "arguments"),
                      (0x40, "icon")):
        if flags & bit:
            count = struct.unpack_from("<H", data, at)[0]
            width = 2 if unicode else 1
            raw = data[at + 2:at + 2 + count * width]
            # Wine counts the terminating null as well.
            strings[name] = raw.decode("utf-16-le" if unicode else "latin-1").rstrip("\0")
            at += 2 + count * width
    return target, strings.get("arguments", ""), strings.get("folder", "")


def windows_path(path):
    return "Z:" + str(pathlib.Path(path).resolve()).replace("/", "\\")


class StartupTest(unittest.TestCase):

    def setUp(self):
        self.widget = harness.Widget(f"{type(self).__name__}.{self._testMethodName}")
        self.addCleanup(self.widget.stop)
        self.folder = startup_folder()
        self.remove_shortcuts()
        # Wine's start-up runs the Startup folder's shortcuts: none may outlive the test.
        self.addCleanup(self.remove_shortcuts)

    def remove_shortcuts(self):
        if self.folder.is_dir():
            for old in self.folder.glob("Pellomi*.lnk"):
                old.unlink()

    def test_shortcut_written_read_back_and_removed(self):
        self.widget.start("--startup", "--title", TITLE, "--position=左下角", env=NO_MENU_ENTRIES)
        link = self.folder / "Pellomi - 期末 _考试_ C__.lnk"
        self.assertTrue(link.exists(), sorted(p.name for p in self.folder.iterdir()))
        target, arguments, folder = read_shortcut(link)
        exe = windows_path(self.widget.exe)
        self.assertEqual(target.lower(), exe.lower())
        self.assertEqual(folder.rstrip("\\").lower(), exe.rsplit("\\", 1)[0].lower())
        self.assertEqual(arguments, '--title "期末 \\"考试\\" C:\\\\" --position=左下角')
        self.widget.close_program()
        # Written again: the earlier shortcut is replaced, the default title has its own name.
        self.widget.start("--startup", env=NO_MENU_ENTRIES)
        self.assertTrue((self.folder / "Pellomi.lnk").exists())
        self.assertEqual(read_shortcut(self.folder / "Pellomi.lnk")[1], "")
        self.widget.close_program()
        for _ in range(2):  # the second time there is none: no error either
            self.widget.start("--title", TITLE, "--startup=off", env=NO_MENU_ENTRIES)
            self.assertFalse(link.exists(), "--startup=off removes the shortcut")
            self.widget.close_program()
        self.assertTrue((self.folder / "Pellomi.lnk").exists(), "another title's shortcut stays")

    def test_a_folder_that_cannot_hold_it_gives_one_box_and_exit_2(self):
        saved = self.folder.with_name(self.folder.name + ".saved")
        self.folder.rename(saved)
        self.addCleanup(lambda: (self.folder.unlink(missing_ok=True), saved.rename(self.folder)))
        self.folder.write_bytes(b"not a folder")
        self.widget.launch("--startup", env=NO_MENU_ENTRIES)

        def visible_box():
            box = self.widget.probe.ask("message-box", "--title", BOX_TITLE)
            return box if box.get("found") and box.get("visible") else None

        box = harness.wait_until(visible_box, 15)
        self.assertTrue(box, "no message box")
        text = " ".join(box["texts"])
        self.assertIn("无法在启动文件夹中写入或删除快捷方式", text)
        self.assertIn(self.folder.name, text, "the box names the folder")
        self.assertFalse(self.widget.state().get("found"), "no widget beside the box")
        self.assertTrue(self.widget.probe.ask("message-box", "--title", BOX_TITLE,
                                              "--press", "ok").get("pressed"))
        self.assertEqual(self.widget.wait_exit(10), 2)
        print(f"box text: {text!r}")


if __name__ == "__main__":
    unittest.main()
