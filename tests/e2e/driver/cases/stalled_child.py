"""The window tree of a window whose child's thread stopped answering a
moment ago, before the system reports it as not responding: the tree opens
without waiting for that thread, the child listed as not responding, and
Lumivex answers all the while."""

import time

from cases import case
from cases.tree_forms import control, wait_window
from fixture import WM_FIXTURE_HANG

TVM_GETCOUNT = 0x1105


@case("tree_stalled_child")
def tree_stalled_child(h):
    facts = h.fixture.facts
    stall, child = facts.window("stall"), facts.window("stall_child")
    left, top, right, bottom = stall["rect"]
    # Right of the child, which covers the parent's left part.
    h.pick_window(stall["handle"], (right - 40, (top + bottom) // 2))
    h.probe.one(f"post:{child['handle']}:{WM_FIXTURE_HANG}")
    h.ui.click("tree_button")
    pressed = time.monotonic()
    answered, tree = [], None
    while tree is None and time.monotonic() - pressed < 30:
        answered.append(h.ui.responds()["answered"])
        tree = wait_window(h, "LumivexTree", lambda w: "[共2项]" in w["title"], timeout=0)
    h.log(f"tree up {time.monotonic() - pressed:.2f} s after the click")
    h.check.true("Lumivex answered every probe while the tree was built", all(answered), f"{answered!r}")
    if not h.check.true("the tree opened", tree, "no tree window with [共2项] within 30 s"):
        return
    h.shot("stalled-child-tree")
    nodes = h.probe.one(f"tree:{control(h, tree, 'tree_view')['handle']}")
    texts = [n["text"] for n in nodes["items"]]
    h.check.equal("nodes: the parent, then the child not responding",
                  [f"{stall['handle']:08X} ┈ LvxFixtureStall ┈ 迟滞 Stall",
                   f"{child['handle']:08X} ┈ LvxFixtureStallChild ┈ (未响应)"], texts)
