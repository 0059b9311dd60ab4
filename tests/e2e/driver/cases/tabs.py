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
    h.check.equal("style", num_text(window["style"], True), state.text("style"))
    h.check.equal("ex_style", num_text(window["exstyle"], True), state.text("ex_style"))
    h.check.equal("style_names", style_names(window["style"]), state.items("style_names"))
    h.check.equal("ex_style_names", extended_style_names(window["exstyle"]), state.items("ex_style_names"))


def check_class_tab(h, state, window):
    h.check.equal("class_tab_name", window["class"], state.text("class_tab_name"))
    h.check.equal("class_style_value", class_value_text(window["classStyle"]), state.text("class_style_value"))
    h.check.equal("class_style_names", class_style_names(window["classStyle"]), state.items("class_style_names"))


def check_state_ticks(h, state, window):
    h.check.equal("state_list ticks", state_ticks(window["style"], window["exstyle"]),
                  state.control("state_list")["selected"])


def check_read_only_edit(h):
    """The read-only edit: a child with a client edge whose ES_READONLY bit
    must be listed last and tick "窗口只读"."""
    with h.check.context("pick readonly_edit"):
        state, facts = h.pick("readonly_edit")
        edit = facts.window("readonly_edit")
        h.check.true("fixture: read-only bit set", edit["style"] & 0x800, f"style {edit['style']:X}")
        check_style_tab(h, state, edit)
        styles = state.items("style_names")
        h.check.true("ES_READONLY listed last", styles[-1:] == ["ES_READONLY"], f"{styles}")
        h.check.true("WS_DISABLED not listed", "WS_DISABLED" not in styles, f"{styles}")
        h.check.true("WS_EX_CLIENTEDGE listed", "WS_EX_CLIENTEDGE" in state.items("ex_style_names"))
        check_class_tab(h, state, edit)
        # The value is decimal even while "16进制" is ticked.
        h.check.equal("class_style_value decimal", f" {edit['classStyle']}", state.text("class_style_value"))
        check_state_ticks(h, state, edit)
        selected = state.control("state_list")["selected"]
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
        h.check.equal("hex_display", 0, h.ui.toggle("hex_display").check("hex_display"))
    with h.check.context("pick font_edit (decimal)"):
        state, facts = h.pick("font_edit")
        edit = facts.window("font_edit")
        h.check.true("fixture: text of a megabyte", edit["textLength"] > 900_000, f"{edit['textLength']}")
        h.check.equal("handle decimal", num_text(edit["handle"], False), state.text("handle"))
        h.check.true("fixture: short path known", facts.data["shortPath"], "the fixture has no short path")
        h.check.fields(state, tools_fill(edit, facts.data["shortPath"], WINE_FOREIGN_FONT))
        check_long_text(h, "tool_text", edit, state.text("tool_text"))
        h.shot_tab(TOOLS_TAB, "font-edit-tools")


def check_own_button_tools(h):
    """One of Lumivex's own buttons: within one process the font comes back
    whole, so the summary names Lumivex's own font."""
    with h.check.context("pick Lumivex's 关于 button"):
        about = h.ui.state().control("about_button")
        state, facts = h.pick_window(about["handle"], centre(about["rect"]))
        window = h.probe.window(about["handle"])
        left, top, right, bottom = about["rect"]
        lumivex_exe = ntpath.join(ntpath.dirname(facts.data["shortPath"]), "Lumivex.exe")
        expected = {
            "tool_handle": num_text(about["handle"], True),
            "tool_style": num_text(window["style"], True),
            "tool_ex_style": num_text(window["exstyle"], True),
            "tool_list_view_style": "0",
            "tool_width": str(right - left),
            "tool_height": str(bottom - top),
            "tool_short_path": lumivex_exe,
            "tool_font": LUMIVEX_FONT,
            "tool_text": "关于",
        }
        h.check.fields(state, expected)
        h.shot_tab(TOOLS_TAB, "own-button-tools")


@case("style_class_tools")
def style_class_tools(h):
    check_read_only_edit(h)
    check_font_edit_tools(h)
    check_own_button_tools(h)
