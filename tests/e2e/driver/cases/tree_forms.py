"""The window tree, the child-window list and the about box, opened from
the main window's buttons and driven with the real mouse and keyboard; the
child lists exported to the real Notepad, the tree's flash run seen on the
X display."""

import re
import time

from cases import case
from cases.outline import check_flash_run, pattern_frame
from harness import GENERAL_TAB, WINDOW_TAB
from notepad import Notepads, check_notepad_window, crlf

TVM_GETCOUNT = 0x1105
TVM_GETNEXTITEM = 0x110A
TVGN_ROOT = 0x0000
TVGN_CARET = 0x0009
STM_GETICON = 0x0171
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


def wait_until(read, condition, timeout=15.0):
    """`read()` once `condition` holds for it, or the last read when time
    runs out (the checks then say what was wrong)."""
    deadline = time.monotonic() + timeout
    while True:
        value = read()
        if condition(value) or time.monotonic() > deadline:
            return value
        time.sleep(0.25)


def click_row(h, rows, index):
    left, top, _, _ = rows["client"]
    row = index - rows["topIndex"]
    h.desktop.click(left + 40, top + row * rows["itemHeight"] + rows["itemHeight"] // 2)


def child_row(hwnd, class_name, text):
    return f"{hwnd:X}".ljust(10) + class_name.ljust(30) + "标题:" + text


def child_list_export(h, facts):
    """导出列表 hands the rows shown to Lumivex's Notepad; 打开子列表 on the
    list view's row lists the list view's own children (its header), which
    a second export puts into the same Notepad; 取消 then changes nothing."""
    view = facts.window("listview")["handle"]
    children = h.probe.children(view)
    h.check.true("fixture: the list view has a header", any(c["class"] == "SysHeader32" for c in children),
                 f"{children!r}")
    expected = [child_row(c["handle"], c["class"], c["text"]) for c in children]
    notepads = Notepads(h)
    h.ui.select_tab(WINDOW_TAB)
    h.ui.click("child_list_button")
    dialog = wait_window(h, "LumivexChildList")
    if not h.check.true("child list open", dialog, "no child list appeared"):
        return
    rows = control(h, dialog, "child_rows")
    with h.check.context("导出列表 of the main window's children"):
        click_control(h, dialog, "child_export")
        notepad, text = notepads.wait(lambda t: t == crlf(rows["items"]))
        h.check.equal("Notepad text", crlf(rows["items"]), text)
        if not h.check.true("a Notepad started", notepad is not None, "none"):
            return
        check_notepad_window(h, notepad)
        h.shot("child-export")
        notepads.move_aside(notepad)
    with h.check.context("打开子列表 on the list view's row"):
        matching = [i for i, row in enumerate(rows["items"]) if row.startswith(f"{view:X} ")]
        if not h.check.true("a row for the list view", matching, f"rows {rows['items']!r}"):
            return
        click_row(h, rows, matching[0])
        rows = wait_until(lambda: control(h, dialog, "child_rows"), lambda r: r["selected"] == matching)
        h.check.equal("row selected", matching, rows["selected"])
        click_control(h, dialog, "child_open")
        rows = wait_until(lambda: control(h, dialog, "child_rows"), lambda r: r["items"] == expected)
        h.check.equal("the list view's children listed", expected, rows["items"])
        h.shot("child-open")
    with h.check.context("导出列表 of the list view's children"):
        click_control(h, dialog, "child_export")
        shown, text = notepads.wait(lambda t: t == crlf(expected))
        h.check.equal("Notepad text", crlf(expected), text)
        h.check.equal("the same Notepad reused", notepad, shown)
        check_notepad_window(h, notepad)
        h.check.true("Notepad closed", notepads.close(notepad), "still open")
    click_control(h, dialog, "child_cancel")
    h.check.true("child list closed by 取消", wait_gone(h, "LumivexChildList"))


def child_list(h, facts):
    button = facts.window("plain_button")["handle"]
    h.ui.select_tab(WINDOW_TAB)
    h.ui.click("child_list_button")
    dialog = wait_window(h, "LumivexChildList")
    if not h.check.true("child list open", dialog, "no child list appeared"):
        return
    h.check.equal("caption", "子窗口列表", dialog["title"])
    check_form_window(h, dialog)
    rows = control(h, dialog, "child_rows")
    prefix = f"{button:X}"
    matching = [i for i, row in enumerate(rows["items"]) if row.startswith(prefix + " ")]
    if not h.check.true("a row for the plain button", matching, f"rows {rows['items']!r}"):
        return
    row = rows["items"][matching[0]]
    h.check.equal("row", prefix.ljust(10) + "Button".ljust(30) + "标题:  普通按钮 Plain  ", row)
    h.shot("child-list")
    click_row(h, rows, matching[0])
    click_control(h, dialog, "child_ok")
    h.check.true("child list closed", wait_gone(h, "LumivexChildList"))
    check_main_active(h)
    state = h.ui.wait_for(lambda s: s.text("handle") == prefix)
    h.check.equal("main window shows the chosen child", prefix, state.text("handle"))
    h.ui.select_tab(GENERAL_TAB)


def check_form_window(h, form, topmost=True):
    """A form of Lumivex's is topmost as "总在最上面" says. (Its icon cannot
    be asked from another process under Wine: WM_GETICON fails there.)"""
    h.check.equal("topmost as 总在最上面", topmost, h.probe.window(form["handle"])["topmost"])
    h.check.equal("the main window keeps its topmost state", topmost, h.ui.state().topmost)


def check_main_active(h):
    """After a modal form closes, the main window is the active one again."""
    main = h.ui.state().hwnd
    focus = wait_until(lambda: h.probe.focus(main), lambda f: f["foreground"] == main)
    h.check.equal("the main window is in the foreground", main, focus["foreground"])


def tree_nodes(h, view, condition=lambda t: True):
    return wait_until(lambda: h.probe.one(f"tree:{view}"), condition)


def expand_twice(h, tree, view):
    """展开 expands every node below the root; a second press collapses
    them again, the root staying open."""
    click_control(h, tree, "tree_expand")
    nodes = tree_nodes(h, view, lambda t: t["listed"] == t["count"])
    with_children = [n for n in nodes["items"][1:] if n["children"]]
    h.check.true("fixture: nodes below the root with children", with_children, f"{nodes['items']!r}")
    h.check.equal("every node listed", nodes["count"], nodes["listed"])
    h.check.equal("nodes left collapsed", [], [n["text"] for n in with_children if not n["expanded"]])
    h.shot("tree-expanded")
    click_control(h, tree, "tree_expand")
    shown = 1 + nodes["items"][0]["children"]
    nodes = tree_nodes(h, view, lambda t: t["listed"] == shown)
    h.check.equal("the root and its children listed", shown, nodes["listed"])
    h.check.equal("nodes left expanded", [], [n["text"] for n in nodes["items"][1:] if n["expanded"]])
    h.check.true("the root still expanded", nodes["items"][0]["expanded"], "collapsed")


def type_handle(h, tree, hwnd):
    """Types a handle in lower case over the handle box's eight digits."""
    click_control(h, tree, "tree_handle")
    h.desktop.key("End", *["BackSpace"] * 8)
    h.desktop.type(f"{hwnd:x}")
    wait_until(lambda: control(h, tree, "tree_handle")["text"], lambda t: t == f"{hwnd:X}")


def flash(h, tree, facts):
    """闪烁 outlines the window in the handle box three times."""
    type_handle(h, tree, facts.window("pattern")["handle"])
    frame, near, before = pattern_frame(h, "before-tree-flash")
    if h.check.true("GDI draws a frame round the pattern window", frame, "no pixel"):
        click_control(h, tree, "tree_flash")
        check_flash_run(h, frame, near, before)


def window_tree(h, facts):
    main = facts.window("main")["handle"]
    button = facts.window("plain_button")["handle"]
    descendants = len(h.probe.children(main))
    h.ui.click("tree_button")
    tree = wait_window(h, "LumivexTree", lambda w: w["title"].startswith("句柄树结构列表 [共"))
    if not h.check.true("tree open", tree, "no tree window with a build caption"):
        return
    check_form_window(h, tree)
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
    with h.check.context("展开"):
        expand_twice(h, tree, view)
    with h.check.context("闪烁"):
        flash(h, tree, facts)

    # Enter in the handle box goes to the node of the typed handle.
    type_handle(h, tree, main)
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
    with h.check.context("返回"):
        click_control(h, tree, "tree_back")
        tree = wait_window(h, "LumivexTree", lambda w: "[共1项]" in w["title"])
        if not h.check.true("返回 builds the button's tree again", tree, "no caption with [共1项]"):
            return
        nodes = tree_nodes(h, view)
        h.check.equal("nodes", 1, nodes["count"])
        h.check.true("the root is the button's node", nodes["items"][0]["text"].startswith(f"{button:08X} "),
                     f"{nodes['items']!r}")
        h.check.true("返回 disabled", not h.probe.window(control(h, tree, "tree_back")["handle"])["enabled"],
                     "enabled")
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
    h.check.true("the icon's picture", send(h, control(h, about, "about_icon")["handle"], STM_GETICON), "blank")
    h.check.true("main window not topmost meanwhile", not h.ui.wait_for(lambda s: not s.topmost).topmost)
    h.shot("about")
    click_control(h, about, "about_ok")
    h.check.true("about box closed", wait_gone(h, "LumivexAbout"))
    check_main_active(h)
    h.check.true("main window topmost again", h.ui.wait_for(lambda s: s.topmost).topmost)


@case("tree_forms")
def tree_forms(h):
    _, facts = h.pick("main")
    child_list_export(h, facts)
    child_list(h, facts)
    window_tree(h, facts)
    about_box(h)
