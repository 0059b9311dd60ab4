"""The real Notepad that Lumivex hands texts to ("读取数据", "导出列表"):
finding Lumivex's among the Notepads on the desktop, reading its text and
checking where and how Lumivex placed it."""

import time

from desktop import SCREEN
from wine import WineError

NOTEPAD_TITLE = "无标题文档 - 记事本"
NOTEPAD_SIZE = (600, 400)
WS_EX_TOPMOST = 0x8
WM_CLOSE = 0x10
# Below Lumivex and the spare window, clear of everything the cases use.
OUT_OF_THE_WAY = (0, 650, 460, 150)


def crlf(lines):
    return "\r\n".join(lines)


class Notepads:
    """Notepad windows on the desktop; the one the test opened itself is
    never taken for Lumivex's."""

    def __init__(self, h):
        self.h = h
        self.users = None

    def windows(self):
        return [w for w in self.h.probe.find("Notepad") if w["handle"] != self.users]

    def text(self, hwnd):
        edits = [c for c in self.h.probe.children(hwnd) if c["class"].lower() == "edit"]
        return edits[0]["text"] if edits else None

    def wait(self, condition, timeout=30.0):
        """(handle, text) of Lumivex's Notepad once `condition(text)` holds,
        or the last seen when time runs out ((None, None): none open)."""
        deadline = time.monotonic() + timeout
        seen = (None, None)
        while True:
            try:
                found = self.windows()
                seen = (found[0]["handle"], self.text(found[0]["handle"])) if found else (None, None)
            except WineError as error:  # a probe run lost while Notepad starts: look again
                self.h.log(f"probe run failed, looking again: {error}")
            if (seen[1] is not None and condition(seen[1])) or time.monotonic() > deadline:
                return seen
            time.sleep(0.3)

    def move_aside(self, hwnd):
        """Moves a Notepad where it covers nothing the cases click."""
        place = ":".join(map(str, OUT_OF_THE_WAY))
        if not self.h.probe.one(f"place:{hwnd}:{place}")["ok"]:
            raise RuntimeError("could not move a Notepad aside")

    def close(self, hwnd, timeout=15.0):
        """Closes a Notepad (its text came by WM_SETTEXT, which leaves it
        unmodified: nothing asks to save); True once its window is gone."""
        self.h.probe.one(f"post:{hwnd}:{WM_CLOSE}")
        deadline = time.monotonic() + timeout
        while self.h.probe.window(hwnd)["exists"]:
            if time.monotonic() > deadline:
                return False
            time.sleep(0.25)
        return True

    def open_users(self, text):
        """A Notepad the user has open with unsaved work, moved aside."""
        self.h.session.start("notepad.exe", [], "users-notepad")
        deadline = time.monotonic() + 30
        while not self.h.probe.find("Notepad"):
            if time.monotonic() > deadline:
                raise RuntimeError("the test's own Notepad did not appear")
            time.sleep(0.3)
        self.users = self.h.probe.find("Notepad")[0]["handle"]
        edit = [c for c in self.h.probe.children(self.users) if c["class"].lower() == "edit"][0]["handle"]
        self.h.probe.one(f"settext:{edit}:{text}")
        self.move_aside(self.users)
        return self.users


def check_notepad_window(h, hwnd, timeout=10.0):
    """Title, centred 600x400 place and topmost state. Lumivex posts the
    placement, which may land after the text: the window is read until it
    shows all three or time runs out."""
    width, height = NOTEPAD_SIZE
    left, top = (SCREEN[0] - width) // 2, (SCREEN[1] - height) // 2
    place = [left, top, left + width, top + height]
    deadline = time.monotonic() + timeout
    while True:
        window = h.probe.window(hwnd)
        placed = window["rect"] == place and window["exstyle"] & WS_EX_TOPMOST
        if (placed and window["text"] == NOTEPAD_TITLE) or time.monotonic() > deadline:
            break
        time.sleep(0.25)
    h.check.equal("Notepad title", NOTEPAD_TITLE, window["text"])
    h.check.equal("Notepad centred, 600x400", place, window["rect"])
    h.check.true("Notepad topmost", window["exstyle"] & WS_EX_TOPMOST, f"exstyle {window['exstyle']:X}")
