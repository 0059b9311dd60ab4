"""The readers through "读取数据" and the real Notepad: the reader chosen on
the tools tab's choice with the mouse and keyboard, the target's handle
typed into the tools tab's handle field, and what Notepad then holds read
back from its edit control."""

import time

from cases import case
from desktop import SCREEN
from fixture import WM_FIXTURE_HANG
from harness import TOOLS_TAB
from lumivex import centre
from wine import WineError

READERS = ["GetWindowText", "GetListViewText", "GetTreeViewText", "GetListBoxText", "GetComboBoxText",
           "GetMenuText", "GetFontInfo"]
NOTEPAD_TITLE = "无标题文档 - 记事本"
NOTEPAD_SIZE = (600, 400)
WS_EX_TOPMOST = 0x8
# Below Lumivex and the spare window, clear of everything the cases use.
USERS_NOTEPAD_PLACE = (0, 650, 460, 150)
USER_TEXT = "用户自己的笔记\r\n未保存"


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

    def open_users(self):
        """A Notepad the user has open with unsaved work, moved where it
        covers nothing."""
        self.h.session.start("notepad.exe", [], "users-notepad")
        deadline = time.monotonic() + 30
        while not self.h.probe.find("Notepad"):
            if time.monotonic() > deadline:
                raise RuntimeError("the test's own Notepad did not appear")
            time.sleep(0.3)
        self.users = self.h.probe.find("Notepad")[0]["handle"]
        edit = [c for c in self.h.probe.children(self.users) if c["class"].lower() == "edit"][0]["handle"]
        self.h.probe.one(f"settext:{edit}:{USER_TEXT}")
        place = ":".join(map(str, USERS_NOTEPAD_PLACE))
        if not self.h.probe.one(f"place:{self.users}:{place}")["ok"]:
            raise RuntimeError("could not move the test's own Notepad")
        return self.users


def set_handle(h, hwnd):
    """Types the handle in hexadecimal over whatever the field held."""
    text = f"{hwnd:X}"
    h.ui.click("tool_handle")
    h.desktop.key("End", "shift+Home")
    h.desktop.type(text)
    state = h.ui.wait_for(lambda s: s.text("tool_handle") == text)
    h.check.equal("handle typed", text, state.text("tool_handle"))


def choose_reader(h, key):
    """Opens the choice with the mouse and walks to the entry with the keys."""
    if h.ui.state().text("reader_choice") == key:
        return
    h.ui.click("reader_choice")
    h.desktop.key("Home", *["Down"] * READERS.index(key), "Return")
    state = h.ui.wait_for(lambda s: s.text("reader_choice") == key)
    h.check.equal("reader chosen", key, state.text("reader_choice"))


def read(h, key, hwnd):
    set_handle(h, hwnd)
    choose_reader(h, key)
    h.ui.click("read_data")


def check_notepad_window(h, hwnd):
    window = h.probe.window(hwnd)
    width, height = NOTEPAD_SIZE
    left, top = (SCREEN[0] - width) // 2, (SCREEN[1] - height) // 2
    h.check.equal("Notepad title", NOTEPAD_TITLE, window["text"])
    h.check.equal("Notepad centred, 600x400", [left, top, left + width, top + height], window["rect"])
    h.check.true("Notepad topmost", window["exstyle"] & WS_EX_TOPMOST, f"exstyle {window['exstyle']:X}")


def read_into_notepad(h, notepads, key, hwnd, expected, reused=None):
    """Runs a reader and checks Notepad's text; returns the Notepad's handle."""
    read(h, key, hwnd)
    shown, text = notepads.wait(lambda t: t == expected)
    h.check.equal("Notepad text", expected, text)
    if reused is not None:
        h.check.equal("the same Notepad reused", reused, shown)
    return shown


def check_nothing_opened(h, notepads):
    """The click was handled before keys typed after it (one input queue):
    once they show, a Notepad the read had started would be there."""
    set_handle(h, h.ui.state().control("read_data")["handle"])
    h.check.equal("no Notepad of Lumivex's", [], notepads.windows())


@case("read_lists")
def read_lists(h):
    facts = h.fixture.facts
    contents = facts.contents
    notepads = Notepads(h)
    h.ui.select_tab(TOOLS_TAB)
    with h.check.context("a Notepad of the user's is open"):
        users = notepads.open_users()
    with h.check.context("empty list box"):
        read(h, "GetListBoxText", facts.window("empty_listbox")["handle"])
        check_nothing_opened(h, notepads)
    with h.check.context("list box of Chinese items"):
        notepad = read_into_notepad(h, notepads, "GetListBoxText", facts.window("cn_listbox")["handle"],
                                    crlf(contents["cn_listbox"]))
        h.check.true("a Notepad started", notepad is not None, "none")
        check_notepad_window(h, notepad)
        h.shot("listbox-notepad")
    with h.check.context("combo box, through the list-box key"):
        read_into_notepad(h, notepads, "GetComboBoxText", facts.window("combo")["handle"],
                          crlf(contents["combo"]), reused=notepad)
        check_notepad_window(h, notepad)
    with h.check.context("report list view with a blank cell"):
        rows = contents["blank_listview"][1:]
        read_into_notepad(h, notepads, "GetListViewText", facts.window("blank_listview")["handle"],
                          crlf("\t".join(row) for row in rows), reused=notepad)
    with h.check.context("tree view: the collapsed root's child is not read"):
        lines = []
        for root in contents["treeview"]:
            lines.append(root["text"])
            lines.extend(root["children"] if root["expanded"] else [])
        read_into_notepad(h, notepads, "GetTreeViewText", facts.window("treeview")["handle"], crlf(lines),
                          reused=notepad)
        h.shot("tree-notepad")
    with h.check.context("the user's Notepad"):
        h.check.equal("its text kept", USER_TEXT, notepads.text(users))
        h.check.equal("one Notepad of Lumivex's", 1, len(notepads.windows()))


def font_report_lines(text):
    return {line.split(":")[0]: line.split("'")[0].split(":", 1)[1].strip()
            for line in text.split("\r\n") if line.startswith("lf") and ":" in line}


@case("read_texts_delayed_hung")
def read_texts_delayed_hung(h):
    facts = h.fixture.facts
    contents = facts.contents
    notepads = Notepads(h)
    h.ui.select_tab(TOOLS_TAB)
    with h.check.context("multi-line window text"):
        notepad = read_into_notepad(h, notepads, "GetWindowText", facts.window("multiline_edit")["handle"],
                                    contents["multiline_edit"])
        check_notepad_window(h, notepad)
    with h.check.context("font report of Lumivex's own 关于 button"):
        read(h, "GetFontInfo", h.ui.state().control("about_button")["handle"])
        _, text = notepads.wait(lambda t: t.startswith("LOGFONT"))
        h.check.true("report heading", (text or "").startswith("LOGFONT 结构(字体属性)\r\n"), f"{text!r}")
        fields = font_report_lines(text or "")
        # Lumivex's own font, read whole within one process: 宋体, 12 px, 400.
        expected = {"lfHeight": "12", "lfWeight": "400", "lfItalic": "0", "lfCharSet": "134", "lfFaceName": "宋体"}
        h.check.equal("font fields", expected, {k: fields.get(k) for k in expected})
        h.check.true("charset named", "GB2312_CHARSET" in (text or ""), f"{text!r}")
    with h.check.context("system menu of Lumivex's main window"):
        read(h, "GetMenuText", h.probe.find("LumivexMain")[0]["handle"])
        _, text = notepads.wait(lambda t: "-" * 20 in t)
        lines = (text or "").split("\r\n")
        h.log(f"system menu as read: {lines}")
        h.check.true("a separator line of 20 hyphens", "-" * 20 in lines, f"{lines}")
        h.check.true("the close item with its accelerator", any(l.endswith("\tAlt+F4") for l in lines), f"{lines}")
        h.check.true("no indentation", all(l == l.lstrip() for l in lines), f"{lines}")
    with h.check.context("delayed read over the fixture's list box"):
        # The count-down holds Lumivex's thread for most of each tick, and a
        # probe reading with it: the pointer moves on without asking.
        button = centre(h.ui.state().control("delayed_read")["rect"])
        h.ui.click("delayed_read")
        h.desktop.glide(button, h.pick_point("listbox"))
        listbox = facts.window("listbox")
        shown, text = notepads.wait(lambda t: t == crlf(contents["listbox"]), timeout=40)
        h.check.equal("Notepad text", crlf(contents["listbox"]), text)
        h.check.equal("the same Notepad reused", notepad, shown)
        h.check.equal("the list box inspected", f"{listbox['handle']:X}", h.ui.state().text("tool_handle"))
        h.shot("delayed-notepad")
    with h.check.context("a list box that does not respond"):
        readers = facts.window("readers")["handle"]
        h.probe.one(f"post:{readers}:{WM_FIXTURE_HANG}")
        listbox = facts.window("cn_listbox")["handle"]
        h.check.true("fixture: list box not responding",
                     h.fixture.wait_window("cn_listbox", lambda w: w["hung"], timeout=40)["hung"], "still answers")
        read(h, "GetListBoxText", listbox)
        # Keys typed after the click show once the click was handled.
        set_handle(h, readers)
        h.check.true("Lumivex answers", h.ui.responds()["answered"], "Lumivex did not answer")
        h.check.equal("Notepad keeps the last text", crlf(contents["listbox"]), notepads.text(notepad))
