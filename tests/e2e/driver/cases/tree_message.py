"""The window tree's "循环超时" message, on a real window that cannot be
placed: a list view's header given WS_POPUP, so that GetParent reports its
owner (none) instead of the list view."""

import re

from cases import case
from cases.tree_forms import click_control, control, send, wait_until, wait_window

WS_POPUP = 0x80000000
TVM_GETCOUNT = 0x1105
MESSAGE_TITLE = "系统提示！"


def message_boxes(h):
    return [w for w in h.probe.find("#32770") if w["visible"] and w["title"] == MESSAGE_TITLE]


def centred_origin(box, owner):
    """Where a box of rectangle `box` goes centred over `owner` (floor)."""
    width, height = box[2] - box[0], box[3] - box[1]
    return [owner[0] + (owner[2] - owner[0] - width) // 2, owner[1] + (owner[3] - owner[1] - height) // 2]


@case("tree_unplaced_message")
def tree_unplaced_message(h):
    _, facts = h.pick("listview")
    header = next((c for c in h.probe.children(facts.window("listview")["handle"]) if c["class"] == "SysHeader32"),
                  None)
    if not h.check.true("the list view has a header", header, "no SysHeader32 child"):
        return
    h.ui.click("tree_button")
    tree = wait_window(h, "LumivexTree", lambda w: "[共2项]" in w["title"])
    if not h.check.true("tree of the list view and its header", tree, "no caption with [共2项]"):
        return
    # "返回" rebuilds the list view's tree only once another root is shown.
    click_control(h, tree, "tree_parent")
    tree = wait_window(h, "LumivexTree", lambda w: "[共2项]" not in w["title"])
    style = h.probe.window(header["handle"])["style"]
    before = h.probe.one(f"setstyle:{header['handle']}:{style | WS_POPUP}")["before"]
    try:
        click_control(h, tree, "tree_back")
        boxes = wait_until(lambda: message_boxes(h), bool, 20.0)
        if not h.check.true("a message box titled 系统提示！", boxes, "none appeared"):
            return
        box = boxes[0]
        texts = [c["text"] for c in h.probe.children(box["handle"]) if c["class"] == "Static" and c["text"]]
        expected = "循环超时！以下句柄无法添加到树节点中！\r\n\r\n" + str(header["handle"])
        h.check.equal("message text", [expected], texts)
        box_rect = h.probe.window(box["handle"])["rect"]
        tree_rect = h.probe.window(tree["handle"])["rect"]
        h.check.equal("centred over the tree window", centred_origin(box_rect, tree_rect), box_rect[:2])
        h.shot("unplaced-message")
        button = next(c for c in h.probe.children(box["handle"]) if c["class"] == "Button")
        left, top, right, bottom = button["rect"]
        h.desktop.click((left + right) // 2, (top + bottom) // 2)
        h.check.equal("the box closed", [], wait_until(lambda: message_boxes(h), lambda b: not b, 10.0))
    finally:
        h.probe.one(f"setstyle:{header['handle']}:{before}")
    tree = wait_window(h, "LumivexTree")
    h.check.true("caption counts both windows", re.fullmatch(r"句柄树结构列表 \[共2项\] - \(耗时 \d+\.\d{3} 秒\)",
                                                             tree["title"]), tree["title"])
    view = control(h, tree, "tree_view")["handle"]
    h.check.equal("one node: the header is left out", 1, send(h, view, TVM_GETCOUNT))
