"""Texts outside the ANSI code page read from another process's window:
Korean, "✓" and an emoji beyond the basic plane, beside "€", which code
page 936 holds. The window's title and class on " 常规 ", its list box,
list view and tree view through "读取数据" into the real Notepad, its node
in the window tree and a child's row in the child list must each show the
text as the window holds it, not "?" for what the code page lacks."""

from cases import case
from cases.readers import read_into_notepad
from cases.tree_forms import child_row, click_control, control, tree_nodes, wait_gone, wait_window
from expect import ANSI
from fixture import WM_FIXTURE_MAKE_UNICODE
from harness import TOOLS_TAB, WINDOW_TAB
from notepad import Notepads, crlf

TREE_SEPARATOR = " ┈ "
# A spot of the window's client area that none of its controls covers.
EMPTY_SPOT = (265, 50)


def outside_code_page(text):
    try:
        text.encode(ANSI)
        return False
    except UnicodeEncodeError:
        return True


def make_window(h):
    """Has the fixture make the window (nobody else's neighbour until now);
    checks it holds its texts whole, as another process reads them."""
    main = h.fixture.facts.window("main")["handle"]
    answer = h.probe.one(f"send:{main}:{WM_FIXTURE_MAKE_UNICODE}")
    if not answer["ok"] or answer["result"] != 1:
        raise RuntimeError(f"the fixture did not make its Unicode window: {answer}")
    facts = h.fixture.refresh()
    with h.check.context("fixture"):
        for role in ("unicode", "unicode_static"):
            window = facts.window(role)
            h.check.true(f"{role}: text outside code page 936", outside_code_page(window["text"]), window["text"])
            h.check.equal(f"{role}: text read with W messages", window["text"], h.probe.window(window["handle"])["text"])
        h.check.true("class name outside code page 936", outside_code_page(facts.window("unicode")["class"]))
    return facts


def general_tab(h, window):
    left, top, _, _ = window["rect"]
    state, _ = h.pick("unicode", (left + EMPTY_SPOT[0], top + EMPTY_SPOT[1]))
    h.check.equal("picked", f"{window['handle']:X}", state.text("handle"))
    h.check.equal("title", window["text"], state.text("title"))
    h.check.equal("class", window["class"], state.text("class_name"))
    h.shot_pick("unicode")


def window_tree(h, facts):
    window, static = facts.window("unicode"), facts.window("unicode_static")
    nodes = len(h.probe.children(window["handle"])) + 1
    h.ui.click("tree_button")
    tree = wait_window(h, "LumivexTree", lambda w: f"[共{nodes}项]" in w["title"])
    if not h.check.true("tree open", tree, f"no tree window with [共{nodes}项] in its caption"):
        return
    shown = [n["text"] for n in tree_nodes(h, control(h, tree, "tree_view")["handle"])["items"]]
    h.shot("tree")
    expected = [TREE_SEPARATOR.join([f"{window['handle']:08X}", window["class"], window["text"]]),
                TREE_SEPARATOR.join([f"{static['handle']:08X}", static["class"], static["text"]])]
    h.check.equal("the window's node", expected[0], shown[0] if shown else None)
    h.check.equal("the static's node", [expected[1]], [t for t in shown if t.startswith(f"{static['handle']:08X}")])
    click_control(h, tree, "tree_ok")
    h.check.true("tree closed", wait_gone(h, "LumivexTree"))


def child_list(h, facts):
    static = facts.window("unicode_static")
    h.ui.select_tab(WINDOW_TAB)
    h.ui.click("child_list_button")
    dialog = wait_window(h, "LumivexChildList")
    if not h.check.true("child list open", dialog, "no child list appeared"):
        return
    rows = control(h, dialog, "child_rows")["items"]
    h.shot("child-list")
    h.check.equal("the static's row", [child_row(static["handle"], static["class"], static["text"])],
                  [row for row in rows if row.startswith(f"{static['handle']:X} ")])
    click_control(h, dialog, "child_cancel")
    h.check.true("child list closed", wait_gone(h, "LumivexChildList"))


def readers(h, facts):
    contents = facts.contents
    notepads = Notepads(h)
    h.ui.select_tab(TOOLS_TAB)
    with h.check.context("list box"):
        read_into_notepad(h, notepads, "GetListBoxText", facts.window("unicode_listbox")["handle"],
                          crlf(contents["unicode_listbox"]))
        h.shot("listbox-notepad")
    with h.check.context("list view"):
        read_into_notepad(h, notepads, "GetListViewText", facts.window("unicode_listview")["handle"],
                          crlf("\t".join(row) for row in contents["unicode_listview"][1:]))
        h.shot("listview-notepad")
    with h.check.context("tree view"):
        lines = []
        for root in contents["unicode_treeview"]:
            lines += [root["text"], *(root["children"] if root["expanded"] else [])]
        read_into_notepad(h, notepads, "GetTreeViewText", facts.window("unicode_treeview")["handle"], crlf(lines))
        h.shot("treeview-notepad")


@case("unicode_texts")
def unicode_texts(h):
    facts = make_window(h)
    with h.check.context("picked"):
        general_tab(h, facts.window("unicode"))
    with h.check.context("句柄树"):
        window_tree(h, facts)
    with h.check.context("子窗口列表"):
        child_list(h, facts)
    with h.check.context("读取数据"):
        readers(h, facts)
