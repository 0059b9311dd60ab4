"""Acting on windows through the main window with the real mouse: the
state list's ticks show, hide, maximise, minimise and restore a top-level
window of the fixture, and the related-window links walk from a button to
its parent and on to the parent's first child, in both number bases."""

from cases import case
from cases.tabs import check_class_tab, check_state_ticks, check_style_tab
from expect import full_fill, num_text
from fixture import WM_FIXTURE_BUSY
from harness import STATE_TAB, WINDOW_TAB
from tab_expect import ENABLED, MAXIMIZED, MINIMIZED, RESTORE, STATE_ENTRIES, VISIBLE


def normal(original_rect):
    return lambda w: w["visible"] and not w["zoomed"] and not w["iconic"] and w["rect"] == original_rect


def hidden(w):
    return not w["visible"]


def maximised(w):
    return w["visible"] and w["zoomed"] and not w["iconic"]


def minimised(w):
    return w["iconic"] and not w["zoomed"]


def click_state_entry(h, entry, ticks_after, window_condition, label):
    """Clicks a state entry with the mouse, then checks the ticks Lumivex
    shows and the window's state as the system reports it."""
    with h.check.context(f"{STATE_ENTRIES[entry]} {label}"):
        h.ui.click_item("state_list", entry)
        state = h.ui.wait_for(lambda s: s.control("state_list")["selected"] == ticks_after)
        h.check.equal("ticks", ticks_after, state.control("state_list")["selected"])
        report = h.fixture.wait_window("spare", window_condition)
        h.check.true("window state", window_condition(report),
                     "window is " + ", ".join(f"{k} {report[k]}" for k in ("visible", "zoomed", "iconic", "rect")))


@case("state_actions")
def state_actions(h):
    with h.check.context("pick spare"):
        state, facts = h.pick("spare")
        spare = facts.window("spare")
        # An ordinary top-level window: the style list names both meanings
        # of the shared bits, and WS_CAPTION beside its two parts.
        check_style_tab(h, state, spare)
        check_class_tab(h, state, spare)
        check_state_ticks(h, state, spare)
    original = spare["rect"]
    h.shot_tab(STATE_TAB, "spare-state")

    steps = [
        (VISIBLE, "unticked", [ENABLED], hidden),
        (VISIBLE, "ticked", [VISIBLE, ENABLED], normal(original)),
        (MAXIMIZED, "ticked", [VISIBLE, ENABLED, MAXIMIZED], maximised),
        # Each of the two unticks the other.
        (MINIMIZED, "ticked", [VISIBLE, ENABLED, MINIMIZED], minimised),
        (MAXIMIZED, "ticked when minimised", [VISIBLE, ENABLED, MAXIMIZED], maximised),
        # The action entry ends unticked, and so do both size entries.
        (RESTORE, "ticked", [VISIBLE, ENABLED], normal(original)),
        (MINIMIZED, "ticked again", [VISIBLE, ENABLED, MINIMIZED], minimised),
        (MINIMIZED, "unticked", [VISIBLE, ENABLED], normal(original)),
        (MAXIMIZED, "ticked again", [VISIBLE, ENABLED, MAXIMIZED], maximised),
        (MAXIMIZED, "unticked", [VISIBLE, ENABLED], normal(original)),
    ]
    for entry, label, ticks_after, condition in steps:
        click_state_entry(h, entry, ticks_after, condition, label)
        if entry == MAXIMIZED and label == "ticked":
            h.shot_main("spare-maximised")
    h.shot_main("spare-restored")


def role_of(facts, handle):
    for role, window in facts.data["windows"].items():
        if window["handle"] == handle:
            return role
    raise KeyError(f"no fixture window has the handle {handle}")


def follow_link(h, link, handle, hexadecimal):
    """Clicks a link label and checks that every field now describes the
    window it led to."""
    h.ui.click(link)
    expected = num_text(handle, hexadecimal)
    state = h.ui.wait_for(lambda s: s.text("handle") == expected)
    h.check.equal(f"{link} followed: handle", expected, state.text("handle"))
    facts = h.fixture.refresh()
    with h.check.context(f"after {link}"):
        h.check.fields(state, full_fill(facts.window(role_of(facts, handle)), facts.path, hexadecimal))
    return state, facts


def walk_links(h, hexadecimal):
    base = "hex" if hexadecimal else "dec"
    with h.check.context(f"links from plain_button ({base})"):
        state, facts = h.pick("plain_button")
        parent = facts.window("plain_button")["related"]["parent"]["handle"]
        h.check.equal("fixture: the button's parent is the main window", facts.window("main")["handle"], parent)
        h.check.equal("parent_handle", num_text(parent, hexadecimal), state.text("parent_handle"))
        h.ui.select_tab(WINDOW_TAB)
        state, facts = follow_link(h, "parent_link", parent, hexadecimal)
        # A fill by a link decodes the class too: the main window's class has no style.
        check_class_tab(h, state, facts.window("main"))
        child = facts.window("main")["related"]["child"]["handle"]
        h.check.true("fixture: the main window has a child", child, "no child")
        follow_link(h, "child_link", child, hexadecimal)
        h.shot_main(f"links-{base}")


@case("related_links")
def related_links(h):
    walk_links(h, True)
    with h.check.context("16进制 unticked"):
        h.check.equal("hex_display", 0, h.ui.toggle("hex_display").check("hex_display"))
    walk_links(h, False)


@case("slow_target_in_order")
def slow_target_in_order(h):
    """The 启用 entry ticked and unticked quickly on a window whose thread is
    busy for a while: once it is done, the window is as the last click left
    it, not as whichever request came through last."""
    h.pick("hang")
    h.ui.select_tab(STATE_TAB)
    hang = h.fixture.facts.window("hang")["handle"]
    h.probe.one(f"post:{hang}:{WM_FIXTURE_BUSY}:1500")
    for _ in range(3):  # unticked, ticked, unticked
        h.ui.click_item("state_list", ENABLED)
    state = h.ui.wait_for(lambda s: ENABLED not in s.control("state_list")["selected"])
    h.check.true("the tick shows the last click", ENABLED not in state.control("state_list")["selected"],
                 f"{state.control('state_list')['selected']!r}")
    report = h.fixture.wait_window("hang", lambda w: not w["enabled"] and not w["hung"], timeout=20.0)
    h.check.true("disabled once its thread is done", not report["enabled"], f"{report!r}")
    # Every request has landed by now: the next one is answered at once.
    h.check.equal("and it stays so", False, h.probe.window(hang)["enabled"])
    h.ui.click_item("state_list", ENABLED)
    h.check.true("ticked again: enabled", h.fixture.wait_window("hang", lambda w: w["enabled"])["enabled"],
                 "still disabled")
