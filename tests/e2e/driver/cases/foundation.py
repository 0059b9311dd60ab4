"""The main window, and picking windows with the finder: what the fill
shows for a button, a disabled button inside a group box, top-level windows
and a window that does not respond, in hexadecimal and in decimal."""

from cases import case
from expect import FILL_FIELDS, TAB_CAPTIONS, full_fill, hung_fill
from harness import TOOLS_TAB
from tab_expect import NOT_RESPONDING, tools_fill

# Lumivex must answer this fast while a window it inspects is hung.
RESPONSE_LIMIT_MS = 1000


@case("main_window")
def main_window(h):
    state = h.ui.state()
    h.check.equal("title", "Lumivex V3.1", state.title)
    h.check.equal("tab captions", TAB_CAPTIONS, state.tab_captions)
    h.check.equal("hex_display ticked at start", 1, state.check("hex_display"))
    h.check.equal("always_on_top ticked at start", 1, state.check("always_on_top"))
    h.check.true("topmost at start", state.topmost)
    h.check.equal("first tab's panel shown at start", 0, state.visible_panel)
    h.shot_main("start")

    # Each tab shows its own panel and no other.
    for index in [*range(1, len(TAB_CAPTIONS)), 0]:
        with h.check.context(f"tab {TAB_CAPTIONS[index]!r} clicked"):
            state = h.ui.select_tab(index)
            h.check.equal("selected tab", index, state.selected_tab)
            h.check.equal("visible panel", index, state.visible_panel)
            h.shot_main(f"tab-{index}")

    with h.check.context("总在最上面 unticked"):
        state = h.ui.toggle("always_on_top")
        h.check.equal("always_on_top", 0, state.check("always_on_top"))
        h.check.true("not topmost", not state.topmost, "still topmost")
        h.shot_main("topmost-off")
    with h.check.context("总在最上面 ticked again"):
        state = h.ui.toggle("always_on_top")
        h.check.equal("always_on_top", 1, state.check("always_on_top"))
        h.check.true("topmost", state.topmost, "not topmost")
        h.shot_main("topmost-on")


def check_pick(h, role, hexadecimal, point=None):
    with h.check.context(f"pick {role} ({'hex' if hexadecimal else 'decimal'})"):
        state, facts = h.pick(role, point)
        h.check.fields(state, full_fill(facts.window(role), facts.path, hexadecimal))
        h.shot_pick(f"{role}-{'hex' if hexadecimal else 'dec'}")
        return state


def check_group_box_layout(h):
    """The disabled-button pick means something only if the button lies
    inside the group box and is smaller: the system's own hit test then
    stops at the group box."""
    facts = h.fixture.facts
    box, button = facts.window("groupbox")["rect"], facts.window("disabled_button")["rect"]
    with h.check.context("fixture layout"):
        h.check.true("disabled button inside the group box",
                     box[0] < button[0] and box[1] < button[1] and button[2] < box[2] and button[3] < box[3],
                     f"group box {box}, button {button}")
        h.check.true("disabled button disabled", not facts.window("disabled_button")["enabled"])


@case("pick_hex")
def pick_hex(h):
    check_group_box_layout(h)
    check_pick(h, "plain_button", True)
    check_pick(h, "disabled_button", True)
    check_pick(h, "main", True)
    # A top-level window with an owner: parent and owner both name it.
    check_pick(h, "popup", True)


@case("pick_decimal")
def pick_decimal(h):
    shown = check_pick(h, "plain_button", True)
    with h.check.context("16进制 unticked"):
        state = h.ui.toggle("hex_display")
        h.check.equal("hex_display", 0, state.check("hex_display"))
        # The switch changes only what is written afterwards.
        for name in FILL_FIELDS:
            h.check.equal(f"{name} unchanged", shown.text(name), state.text(name))
        h.shot_main("hex-unticked")
    check_pick(h, "plain_button", False)
    # WS_POPUP sets the top bit: its style is negative in decimal.
    check_pick(h, "popup", False)


@case("pick_hung")
def pick_hung(h):
    h.fixture.hang()
    h.shot("hang-window-hung")
    with h.check.context("pick hang window"):
        state, facts = h.pick("hang")
        h.check.fields(state, hung_fill(facts.window("hang"), facts.path, True))
        answer = h.ui.responds(RESPONSE_LIMIT_MS)
        h.check.true("Lumivex answers", answer["answered"], f"no answer within {RESPONSE_LIMIT_MS} ms: {answer}")
        h.check.true("Lumivex answers in time", answer["ms"] < RESPONSE_LIMIT_MS, f"took {answer['ms']} ms")
        h.shot_pick("hang")
    with h.check.context("hang window's tools tab"):
        # Nothing that needs the window's answer: its text and font read
        # as not responding, its list-view style stays unknown.
        hang = facts.window("hang")
        h.check.fields(state, tools_fill(hang, facts.data["shortPath"], None, hung=True))
        h.check.equal("tool_text", NOT_RESPONDING, state.text("tool_text"))
        h.shot_tab(TOOLS_TAB, "hang-tools")
