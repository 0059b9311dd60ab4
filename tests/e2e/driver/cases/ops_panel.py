"""The tools tab's operations panel with the real mouse and keyboard: the
key filters of the handle and top fields, "读取刷新" with another handle
typed, styles written and read back from the fixture's list view, a child
moved and resized, a multi-line text set, a control closed with the system
Close, a second fixture process ended alone, and a hung target for which
every button comes back at once."""

import json
import time

from cases import case
from cases.foundation import RESPONSE_LIMIT_MS
from expect import num_text
from harness import FIXTURE_EXE, TOOLS_TAB
from wine import windows_path

LVM_GETEXTENDEDLISTVIEWSTYLE = 0x1037
LVS_NOSORTHEADER = 0x8000
WS_EX_ACCEPTFILES = 0x10
LVS_EX_GRIDLINES, LVS_EX_FULLROWSELECT = 0x1, 0x20


def hex_text(value):
    return num_text(value, True)


def set_field(h, name, text):
    """Puts a text into one of Lumivex's fields whole, as a paste would, and
    waits until Lumivex holds it."""
    handle = h.ui.state().control(name)["handle"]
    h.probe.one(f"settext:{handle}:{text}")
    h.ui.wait_for(lambda s: s.text(name) == text)


def type_into(h, name, keys):
    """Empties a field, clicks into it and types `keys` on the keyboard;
    returns what the field then shows."""
    set_field(h, name, "")
    h.ui.click(name)
    h.desktop.type(keys)
    # The last key has arrived once a key that is always let through has.
    h.desktop.key("period")
    state = h.ui.wait_for(lambda s: s.text(name).endswith("."))
    return state.text(name)[:-1]


def press(h, button):
    """Clicks a button and checks that Lumivex answers right after it."""
    h.ui.click(button)
    answer = h.ui.responds(RESPONSE_LIMIT_MS)
    h.check.true(f"{button}: Lumivex answers in time", answer["answered"] and answer["ms"] < RESPONSE_LIMIT_MS,
                 f"{answer}")


def window(h, handle):
    return h.probe.window(handle)


def wait_report(h, handle, condition, timeout=15.0):
    deadline = time.monotonic() + timeout
    while True:
        report = window(h, handle)
        if condition(report) or time.monotonic() > deadline:
            return report
        time.sleep(0.2)


def key_filters(h):
    with h.check.context("keys"):
        h.check.equal("g, space, minus and b into the handle field", "B", type_into(h, "tool_handle", "g -b"))
        h.check.equal("minus and digits into the top field", "-12", type_into(h, "tool_top", "x-1x2"))


def refresh_with_other_handle(h, listview, spare):
    with h.check.context("读取刷新 with another handle typed"):
        set_field(h, "tool_handle", hex_text(spare))
        press(h, "refresh")
        state = h.ui.wait_for(lambda s: s.text("tool_handle") == hex_text(listview))
        h.check.equal("tool_handle written back", hex_text(listview), state.text("tool_handle"))
        h.check.equal("still the inspected window", hex_text(listview), state.text("handle"))


def styles(h, listview):
    with h.check.context("修改风格"):
        before = window(h, listview)
        style = before["style"] | LVS_NOSORTHEADER
        exstyle = before["exstyle"] | WS_EX_ACCEPTFILES
        set_field(h, "tool_handle", "")
        set_field(h, "tool_style", hex_text(style))
        set_field(h, "tool_ex_style", hex_text(exstyle))
        set_field(h, "tool_list_view_style", hex_text(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT))
        press(h, "set_styles")
        after = wait_report(h, listview, lambda r: r["style"] == style and r["exstyle"] == exstyle)
        h.check.equal("style", hex_text(style), hex_text(after["style"]))
        h.check.equal("extended style", hex_text(exstyle), hex_text(after["exstyle"]))
        answer = h.probe.one(f"send:{listview}:{LVM_GETEXTENDEDLISTVIEWSTYLE}")
        h.check.equal("list-view style", LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT, answer["result"])


def move_child(h, edit):
    with h.check.context("修改尺寸 of a child"):
        facts = h.fixture.refresh().window("readonly_edit")
        origin_x = facts["rect"][0] - facts["clientPos"][0]
        origin_y = facts["rect"][1] - facts["clientPos"][1]
        set_field(h, "tool_handle", hex_text(edit))
        # 102.5 reads as 102, a half going to the even neighbour.
        for name, text in (("tool_left", "12"), ("tool_top", "102.5"), ("tool_width", "250"), ("tool_height", "30")):
            set_field(h, name, text)
        press(h, "set_size")
        expected = [origin_x + 12, origin_y + 102, origin_x + 262, origin_y + 132]
        after = wait_report(h, edit, lambda r: r["rect"] == expected)
        h.check.equal("rect", expected, after["rect"])


def set_text(h, font_edit):
    with h.check.context("修改文本"):
        set_field(h, "tool_handle", hex_text(font_edit))
        set_field(h, "tool_text", "第一行")
        h.ui.click("tool_text")
        h.desktop.key("ctrl+End", "Return")
        h.desktop.type("Line2")
        h.ui.wait_for(lambda s: s.text("tool_text") == "第一行\r\nLine2")
        press(h, "set_text")
        after = wait_report(h, font_edit, lambda r: r["text"] == "第一行\r\nLine2")
        h.check.equal("text", "第一行\r\nLine2", after["text"])


def close_control(h, button):
    with h.check.context("关闭控件"):
        set_field(h, "tool_handle", hex_text(button))
        press(h, "close_control")
        h.check.true("button closed", not wait_report(h, button, lambda r: not r["exists"])["exists"])


def end_second_fixture(h, main):
    with h.check.context("关闭进程"):
        facts_file = h.case_dir / "facts-second.json"
        facts_file.unlink(missing_ok=True)
        h.session.start(h.bin_dir / FIXTURE_EXE, [windows_path(facts_file)], "fixture-second")
        deadline = time.monotonic() + 60
        while not facts_file.exists() and time.monotonic() < deadline:
            time.sleep(0.2)
        second = json.loads(facts_file.read_text(encoding="utf-8"))["windows"]["main"]["handle"]
        set_field(h, "tool_handle", hex_text(second))
        press(h, "end_process")
        h.check.true("second fixture ended", not wait_report(h, second, lambda r: not r["exists"])["exists"])
        h.check.true("first fixture still there", window(h, main)["exists"])


def hung_target(h, hang, listview):
    with h.check.context("hung target"):
        h.fixture.hang()
        set_field(h, "tool_handle", hex_text(hang))
        for button in ("close_control", "set_styles", "set_size", "flash", "set_text", "refresh"):
            press(h, button)
        # Clicks are handled in order: once the refresh has written the
        # inspected window's handle back, no earlier button is still waiting.
        state = h.ui.wait_for(lambda s: s.text("tool_handle") == hex_text(listview))
        h.check.equal("every click handled", hex_text(listview), state.text("tool_handle"))
        h.check.true("hang window still there", window(h, hang)["exists"])
        h.shot_main("hung-target")


@case("ops_panel")
def ops_panel(h):
    state, facts = h.pick("listview")
    listview = facts.window("listview")["handle"]
    h.check.equal("picked", hex_text(listview), state.text("tool_handle"))
    h.shot_tab(TOOLS_TAB, "tools")
    key_filters(h)
    refresh_with_other_handle(h, listview, facts.window("spare")["handle"])
    styles(h, listview)
    move_child(h, facts.window("readonly_edit")["handle"])
    set_text(h, facts.window("font_edit")["handle"])
    h.shot_main("after-actions")
    close_control(h, facts.window("plain_button")["handle"])
    end_second_fixture(h, facts.window("main")["handle"])
    hung_target(h, facts.window("hang")["handle"], listview)
