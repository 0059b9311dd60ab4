"""What a pick writes into the style, class, state and tools tabs: the
decoded style and class names in their listing order, the state ticks, and
the tools tab's handle, styles, position, short path, font summary and the
whole text of a window holding about a megabyte."""

import ntpath

from cases import case
from expect import num_text
from harness import CLASS_TAB, STATE_TAB, STYLE_TAB, TOOLS_TAB
from lumivex import centre
from tab_expect import (ENABLED, LUMIVEX_FONT, MAXIMIZED, MINIMIZED, READ_ONLY, TOPMOST, VISIBLE,
                        WINE_FOREIGN_FONT, class_style_names, class_value_text, extended_style_names, state_ticks,
                        style_names, text_summary, tools_fill)

# How much of a long text is compared character by character; the rest is
# compared by length and checksum.
TEXT_HEAD = 300


def check_style_tab(h, state, window):
    h.check.equal("txtWndStyle", num_text(window["style"], True), state.text("txtWndStyle"))
    h.check.equal("txtWndExStyle", num_text(window["exstyle"], True), state.text("txtWndExStyle"))
    h.check.equal("lstWndStyle", style_names(window["style"]), state.items("lstWndStyle"))
    h.check.equal("lstWndExStyle", extended_style_names(window["exstyle"]), state.items("lstWndExStyle"))


def check_class_tab(h, state, window):
    h.check.equal("txtClassName", window["class"], state.text("txtClassName"))
    h.check.equal("txtClassValue", class_value_text(window["classStyle"]), state.text("txtClassValue"))
    h.check.equal("lstClassStyle", class_style_names(window["classStyle"]), state.items("lstClassStyle"))


def check_state_ticks(h, state, window):
    h.check.equal("lstStatus ticks", state_ticks(window["style"], window["exstyle"]),
                  state.control("lstStatus")["selected"])


def check_read_only_edit(h):
    """The read-only edit: a child with a client edge whose ES_READONLY bit
    must be listed last and tick "窗口只读"."""
    with h.check.context("pick readonly_edit"):
        state, facts = h.pick("readonly_edit")
        edit = facts.window("readonly_edit")
        h.check.true("fixture: read-only bit set", edit["style"] & 0x800, f"style {edit['style']:X}")
        check_style_tab(h, state, edit)
        styles = state.items("lstWndStyle")
        h.check.true("ES_READONLY listed last", styles[-1:] == ["ES_READONLY"], f"{styles}")
        h.check.true("WS_DISABLED not listed", "WS_DISABLED" not in styles, f"{styles}")
        h.check.true("WS_EX_CLIENTEDGE listed", "WS_EX_CLIENTEDGE" in state.items("lstWndExStyle"))
        check_class_tab(h, state, edit)
        # The value is decimal even while "16进制" is ticked.
        h.check.equal("txtClassValue decimal", f" {edit['classStyle']}", state.text("txtClassValue"))
        check_state_ticks(h, state, edit)
        selected = state.control("lstStatus")["selected"]
        for entry in (VISIBLE, ENABLED, READ_ONLY):
            h.check.true(f"entry {entry} ticked", entry in selected, f"ticks {selected}")
        for entry in (TOPMOST, MAXIMIZED, MINIMIZED):
            h.check.true(f"entry {entry} unticked", entry not in selected, f"ticks {selected}")
        h.shot_tab(STYLE_TAB, "readonly-style")
        h.shot_tab(CLASS_TAB, "readonly-class")
        h.shot_tab(STATE_TAB, "readonly-state")


def check_long_text(h, label, expected_window, shown):
    length, crc = text_summary(shown)
    h.check.equal(f"{label} head", expected_window["text"][:TEXT_HEAD], shown[:TEXT_HEAD])
    h.check.equal(f"{label} length", expected_window["textLength"], length)
    h.check.equal(f"{label} checksum", expected_window["textCrc"], crc)


def check_font_edit_tools(h):
    """Another process's edit with a font of its own and a megabyte of
    text, picked in decimal: the tools tab stays hexadecimal."""
    with h.check.context("16进制 unticked"):
        h.check.equal("chkHex", 0, h.ui.toggle("chkHex").check("chkHex"))
    with h.check.context("pick font_edit (decimal)"):
        state, facts = h.pick("font_edit")
        edit = facts.window("font_edit")
        h.check.true("fixture: text of a megabyte", edit["textLength"] > 900_000, f"{edit['textLength']}")
        h.check.equal("hWndText decimal", num_text(edit["handle"], False), state.text("hWndText"))
        h.check.true("fixture: short path known", facts.data["shortPath"], "the fixture has no short path")
        h.check.fields(state, tools_fill(edit, facts.data["shortPath"], WINE_FOREIGN_FONT))
        check_long_text(h, "txtSetData", edit, state.text("txtSetData"))
        h.shot_tab(TOOLS_TAB, "font-edit-tools")


def check_own_button_tools(h):
    """One of Lumivex's own buttons: within one process the font comes back
    whole, so the summary names Lumivex's own font."""
    with h.check.context("pick Lumivex's 关于 button"):
        about = h.ui.state().control("cmdAbout")
        state = h.ui.pick(centre(about["rect"]))
        facts = h.fixture.refresh()
        window = h.probe.window(about["handle"])
        left, top, right, bottom = about["rect"]
        lumivex_exe = ntpath.join(ntpath.dirname(facts.data["shortPath"]), "Lumivex.exe")
        expected = {
            "mText0": num_text(about["handle"], True),
            "mText1": num_text(window["style"], True),
            "mText2": num_text(window["exstyle"], True),
            "mText3": "0",
            "mText6": str(right - left),
            "mText7": str(bottom - top),
            "mText8": lumivex_exe,
            "mText9": LUMIVEX_FONT,
            "txtSetData": "关于",
        }
        h.check.fields(state, expected)
        h.shot_tab(TOOLS_TAB, "own-button-tools")


@case("style_class_tools")
def style_class_tools(h):
    check_read_only_edit(h)
    check_font_edit_tools(h)
    check_own_button_tools(h)
