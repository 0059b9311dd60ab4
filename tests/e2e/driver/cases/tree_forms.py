"""The window tree, the child-window list and the about box, opened from
the main window's buttons and driven with the real mouse and keyboard."""

import re
import time

from cases import case
from harness import GENERAL_TAB, WINDOW_TAB

TVM_GETCOUNT = 0x1105
TVM_GETNEXTITEM = 0x110A
TVGN_ROOT = 0x0000
TVGN_CARET = 0x0009
VERSION_TEXT = "Lumivex V3.1.0.2 (2018-12-4)"


def wait_window(h, class_name, condition=lambda w: True, timeout=20.0):
    """The first visible top-level window of the class for which condition
    holds, or None when none appears in time."""
    deadline = time.monotonic() + timeout
    while True:
        found = [w for w in h.probe.find(class_name) if w["visible"] and condition(w)]
        if found:
            return found[0]
        if time.monotonic() > deadline:
            return None
        time.sleep(0.25)


def wait_gone(h, class_name, timeout=15.0):
    deadline = time.monotonic() + timeout
    while [w for w in h.probe.find(class_name) if w["visible"]]:
        if time.monotonic() > deadline:
            return False
        time.sleep(0.25)
    return True


def control(h, window, name):
    wanted = h.ids[name]
    for child in h.probe.children(window["handle"]):
        if child["id"] == wanted:
            return child
    raise KeyError(f"{name} not found in {window['title']!r}")


def click_control(h, window, name):
    left, top, right, bottom = control(h, window, name)["rect"]
    h.desktop.click((left + right) // 2, (top + bottom) // 2)


def send(h, hwnd, msg, wparam=0):
    return h.probe.one(f"send:{hwnd}:{msg}:{wparam}")["result"]


def child_list(h, facts):
    button = facts.window("plain_button")["handle"]
    h.ui.select_tab(WINDOW_TAB)
    h.ui.click("child_list_button")
    dialog = wait_window(h, "LumivexChildList")
    if not h.check.true("child list open", dialog, "no child list appeared"):
        return
    h.check.equal("caption", "子窗口列表", dialog["title"])
    rows = control(h, dialog, "child_rows")
    prefix = f"{button:X}"
    matching = [i for i, row in enumerate(rows["items"]) if row.startswith(prefix + " ")]
    if not h.check.true("a row for the plain button", matching, f"rows {rows['items']!r}"):
        return
    row = rows["items"][matching[0]]
    h.check.equal("row", prefix.ljust(10) + "Button".ljust(30) + "标题:  普通按钮 Plain  ", row)
    h.shot("child-list")
    left, top, _, _ = rows["client"]
    index = matching[0] - rows["topIndex"]
    h.desktop.click(left + 40, top + index * rows["itemHeight"] + rows["itemHeight"] // 2)
    click_control(h, dialog, "child_ok")
    h.check.true("child list closed", wait_gone(h, "LumivexChildList"))
    state = h.ui.wait_for(lambda s: s.text("handle") == prefix)
    h.check.equal("main window shows the chosen child", prefix, state.text("handle"))
    h.ui.select_tab(GENERAL_TAB)


def window_tree(h, facts):
    main = facts.window("main")["handle"]
    button = facts.window("plain_button")["handle"]
    descendants = len(h.probe.children(main))
    h.ui.click("tree_button")
    tree = wait_window(h, "LumivexTree", lambda w: w["title"].startswith("句柄树结构列表 [共"))
    if not h.check.true("tree open", tree, "no tree window with a build caption"):
        return
    h.check.true("caption of the button's tree", re.fullmatch(r"句柄树结构列表 \[共1项\] - \(耗时 \d+\.\d{3} 秒\)",
                                                              tree["title"]), tree["title"])
    h.check.equal("handle box", f"{button:08X}", control(h, tree, "tree_handle")["text"])

    click_control(h, tree, "tree_parent")
    expected_count = f"[共{descendants + 1}项]"
    tree = wait_window(h, "LumivexTree", lambda w: expected_count in w["title"])
    if not h.check.true("父层 builds the parent's tree", tree, f"no caption with {expected_count}"):
        return
    view = control(h, tree, "tree_view")["handle"]
    h.check.equal("nodes", descendants + 1, send(h, view, TVM_GETCOUNT))
    h.check.true("父层 selects the button's node",
                 send(h, view, TVM_GETNEXTITEM, TVGN_CARET) != send(h, view, TVM_GETNEXTITEM, TVGN_ROOT))
    h.shot("tree-parent")

    # Enter in the handle box goes to the node of the typed handle.
    click_control(h, tree, "tree_handle")
    h.desktop.key("End", *["BackSpace"] * 8)
    h.desktop.type(f"{main:x}")
    h.desktop.key("Return")
    root = send(h, view, TVM_GETNEXTITEM, TVGN_ROOT)
    deadline = time.monotonic() + 10
    while send(h, view, TVM_GETNEXTITEM, TVGN_CARET) != root and time.monotonic() < deadline:
        time.sleep(0.25)
    h.check.true("Enter selects the root's node", root != 0 and send(h, view, TVM_GETNEXTITEM, TVGN_CARET) == root,
                 "the selection stayed elsewhere")
    h.check.equal("typed handle upper case", f"{main:X}", control(h, tree, "tree_handle")["text"])

    # The whole desktop with a window that does not respond on it: the build
    # ends, every window enumerated gets its node, and Lumivex answers.
    h.fixture.hang()
    click_control(h, tree, "tree_desktop")
    tree = wait_window(h, "LumivexTree", lambda w: w["title"].startswith("句柄树结构列表 [共")
                       and expected_count not in w["title"], timeout=30.0)
    if h.check.true("桌面 builds the desktop's tree", tree, "the caption never changed"):
        total = int(re.search(r"\[共(\d+)项\]", tree["title"]).group(1))
        h.check.equal("every enumerated window has a node", total, send(h, view, TVM_GETCOUNT))
        h.check.true("more windows than the fixture's", total > descendants + 1, tree["title"])
        h.check.true("Lumivex responds", h.ui.responds())
        h.shot("tree-desktop")
    click_control(h, tree, "tree_ok")
    h.check.true("tree closed by 确定", wait_gone(h, "LumivexTree"))
    state = h.ui.wait_for(lambda s: s.text("handle") == f"{main:X}")
    h.check.equal("确定 fills the main window", f"{main:X}", state.text("handle"))


def about_box(h):
    h.ui.click("about_button")
    about = wait_window(h, "LumivexAbout")
    if not h.check.true("about box open", about, "no about box appeared"):
        return
    h.check.equal("caption", "关于 Lumivex", about["title"])
    h.check.equal("version", VERSION_TEXT, control(h, about, "about_version")["text"])
    h.check.true("main window not topmost meanwhile", not h.ui.wait_for(lambda s: not s.topmost).topmost)
    h.shot("about")
    click_control(h, about, "about_ok")
    h.check.true("about box closed", wait_gone(h, "LumivexAbout"))
    h.check.true("main window topmost again", h.ui.wait_for(lambda s: s.topmost).topmost)


@case("tree_forms")
def tree_forms(h):
    _, facts = h.pick("main")
    child_list(h, facts)
    window_tree(h, facts)
    about_box(h)
