"""What Lumivex must never do to the user: replace what they typed into a
Notepad or saved from it, or run a program planted in a folder it saved a
picture to; and the reader choice's tip, which must follow the choice."""

import shutil

from cases import case
from cases.picture import save_picture, wait_until
from cases.readers import READERS, choose_reader, read
from harness import PICTURE_TAB, TOOLS_TAB
from lumivex import centre
from notepad import Notepads, check_notepad_window
from wine import windows_path

DESCRIPTIONS = ["获取窗口标题或控件文本", "获取 ListView 列表文本", "获取 TreeView 树控件文本", "获取列表框文本",
                "获取组合框文本", "获取窗体菜单文本", "获取字体信息文本"]
# Typed with the real keyboard: characters of its map only.
TYPED = " typed by the user"


def tip_of(h, name):
    return h.probe.one(f"tip:{h.ui.state().control(name)['handle']}")["text"]


@case("reader_tips")
def reader_tips(h):
    """Each choice's description becomes the tip of the choice and of
    "读取数据": longer and shorter ones in turn, so that an old tip left in
    place or a longer one overrun shows."""
    h.ui.select_tab(TOOLS_TAB)
    h.check.equal("the first tip", DESCRIPTIONS[0], tip_of(h, "read_data"))
    for key in ["GetTreeViewText", "GetMenuText", "GetListViewText", "GetWindowText"]:
        with h.check.context(key):
            choose_reader(h, key)
            expected = DESCRIPTIONS[READERS.index(key)]
            h.check.equal("tip of 读取数据", expected, wait_until_tip(h, "read_data", expected))
            h.check.equal("tip of the choice", expected, tip_of(h, "reader_choice"))


def wait_until_tip(h, name, expected):
    seen = [None]

    def matches():
        seen[0] = tip_of(h, name)
        return seen[0] == expected
    wait_until(matches, 5.0)
    return seen[0]


def type_into(h, notepads, notepad, text):
    """Types at the end of Notepad's text with the real keyboard."""
    edit = next(c for c in h.probe.children(notepad) if c["class"].lower() == "edit")
    h.desktop.click(*centre(edit["rect"]))
    h.desktop.key("ctrl+End")
    h.desktop.type(text)
    return notepads.wait(lambda t: t.endswith(text))[1]


@case("notepad_guarded")
def notepad_guarded(h):
    facts = h.fixture.facts
    notepads = Notepads(h)
    planted = h.case_dir / "planted"
    shutil.rmtree(planted, ignore_errors=True)
    planted.mkdir()
    # A program lying as notepad.exe in the folder a picture is saved to.
    shutil.copy(h.bin_dir / "LumivexFixture.exe", planted / "notepad.exe")
    mark = planted / "notepad.exe.ran"

    with h.check.context("a picture saved beside a planted notepad.exe"):
        h.pick("pattern")
        h.ui.select_tab(PICTURE_TAB)
        save_picture(h, windows_path(planted / "pattern.bmp"))
        h.check.true("the picture saved", wait_until(lambda: (planted / "pattern.bmp").is_file()), "no file")

    edit = facts.window("readonly_edit")
    h.ui.select_tab(TOOLS_TAB)
    with h.check.context("the first text"):
        read(h, "GetWindowText", edit["handle"])
        notepad, text = notepads.wait(lambda t: t == edit["text"])
        h.check.equal("Notepad text", edit["text"], text)
        if not h.check.true("the system's Notepad started", notepad is not None, "none"):
            return
        h.check.true("the planted program never ran", not mark.exists(), f"{mark} exists")
        check_notepad_window(h, notepad)

    with h.check.context("typed into, then another read"):
        notepads.move_aside(notepad)
        typed = type_into(h, notepads, notepad, TYPED)
        h.check.true("the user's typing in Notepad", typed and typed.endswith(TYPED), f"{typed!r}")
        h.desktop.click(*centre(h.ui.state().rect))  # back to Lumivex
        h.ui.select_tab(TOOLS_TAB)
        read(h, "GetWindowText", facts.window("main")["handle"])
        title = facts.window("main")["text"]
        wait_until(lambda: [w for w in notepads.windows() if w["handle"] != notepad], 30.0)
        others = [w for w in notepads.windows() if w["handle"] != notepad]
        h.check.true("a second Notepad for the new text", others, f"{notepads.windows()!r}")
        h.check.equal("the typed Notepad keeps the user's text", typed, notepads.text(notepad))
        if others:
            shown = wait_until(lambda: notepads.text(others[0]["handle"]) == title)
            h.check.true("the new Notepad's text", shown, f"{notepads.text(others[0]['handle'])!r}")
        h.check.true("the planted program never ran", not mark.exists(), f"{mark} exists")
        h.shot("two-notepads")
