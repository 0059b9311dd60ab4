"""A long read through "读取数据": the fixture's long list box read on
Lumivex's read thread while the probe pings Lumivex's main window from
another process. The progress window ("正在读取", owned by the main
window: its bar, "已读 N / M 项" and "取消") shows while the read runs,
the read button is disabled meanwhile, every ping is answered within a
second, and Notepad gets every item in order; a second read stopped with
"取消" gives Notepad the items read, in order, and the line that says how
many were.

The list box answers slowly from its middle item on until the gate opens
(WM_FIXTURE_GATE_LONG_LIST): the read is caught in progress there, at a
known place, however fast this machine reads. A cross-process send under
Wine here takes about 0.4 ms on an idle machine and several times that on
a busy one, and every item costs two: the fixture's 200,000 items would
take minutes, so the case reads 20,000 (LUMIVEX_LONG_READ_ITEMS sets the
count for a run by hand)."""

import os
import re
import time
import zlib

from cases import case
from cases.readers import choose_reader, set_handle
from fixture import LONG_LIST_GATE_STEP_MS, WM_FIXTURE_GATE_LONG_LIST, WM_FIXTURE_MAKE_LONG_LIST, long_list_item
from harness import TOOLS_TAB
from lumivex import centre
from notepad import Notepads, crlf
from pinger import Pinger, unix_ms

LONG_READ_ITEMS = int(os.environ.get("LUMIVEX_LONG_READ_ITEMS", "20000"))
LONG_LIST_CLASS = "LvxFixtureLongList"
PROGRESS_CLASS = "LumivexReadProgress"
PROGRESS_BAR_CLASS = "msctls_progress32"
WM_USER = 0x400
PBM_GETRANGE = WM_USER + 7
PBM_GETPOS = WM_USER + 8
EM_SETSEL = 0xB1
EM_SCROLLCARET = 0xB7
PROGRESS_TEXT = re.compile(r"已读 (\d+) / (\d+) 项")
CANCELLED_LINE = re.compile(r"\(读取已取消：已读 (\d+) / (\d+) 项\)")
# The most a ping may wait for Lumivex's main window while a read runs.
ANSWER_BOUND_MS = 1000
# Deadlines for steps whose length grows with the count and the machine's
# load, far above what they take: not measures of speed.
FILL_DEADLINE = 180.0
READ_DEADLINE = 600.0


def poll(step, condition, timeout, interval=0.25):
    """What `step()` gives once `condition` holds for it, or the last one
    when time runs out."""
    deadline = time.monotonic() + timeout
    while True:
        seen = step()
        if condition(seen) or time.monotonic() > deadline:
            return seen
        time.sleep(interval)


def make_long_list(h, count):
    """Has the fixture make and fill the long list box; checks its facts
    against the items the driver expects."""
    main = h.fixture.facts.window("main")["handle"]
    h.probe.one(f"post:{main}:{WM_FIXTURE_MAKE_LONG_LIST}:{count}")
    started = time.monotonic()
    shown = poll(lambda: [w for w in h.probe.find(LONG_LIST_CLASS) if w["visible"]], bool, FILL_DEADLINE, 0.5)
    if not shown:
        raise RuntimeError("the fixture did not show its long list box")
    facts = poll(h.fixture.refresh, lambda f: "long_listbox" in f.data["windows"], 30.0)
    contents = facts.contents["long_listbox"]
    h.log(f"long list box of {contents['count']} items filled in {contents['fillMs']} ms "
          f"(shown after {time.monotonic() - started:.1f} s)")
    items = [long_list_item(i) for i in range(count)]
    with h.check.context("fixture"):
        h.check.equal("items", count, contents["count"])
        h.check.equal("first and last item", [items[0], items[-1]], [contents["first"], contents["last"]])
        h.check.equal("CRC-32 of the items joined", zlib.crc32(crlf(items).encode()), contents["textCrc"])
    return facts, items


def gate(h, first_slow=None):
    """From item `first_slow` on, the list box answers slowly; None: at once."""
    main = h.fixture.facts.window("main")["handle"]
    closed = first_slow is not None
    answer = h.probe.one(f"send:{main}:{WM_FIXTURE_GATE_LONG_LIST}:{first_slow or 0}:{int(closed)}")
    if not answer["ok"]:
        raise RuntimeError(f"the fixture did not take the gate: {answer}")


def progress_windows(h):
    return [w for w in h.probe.find(PROGRESS_CLASS) if w["visible"]]


def progress_parts(h, hwnd):
    """The progress window's bar, text and buttons, by class."""
    parts = {}
    for child in h.probe.children(hwnd):
        parts.setdefault(child["class"].lower(), child)
    return parts.get(PROGRESS_BAR_CLASS), parts.get("static"), parts.get("button")


def progress_now(h, bar, text):
    """(bar position, bar range's top, N, M of "已读 N / M 项"): the bar is
    read first, so that its position stands for no more items than N."""
    position, top, window = h.probe.run(f"send:{bar['handle']}:{PBM_GETPOS}",
                                        f"send:{bar['handle']}:{PBM_GETRANGE}:0", f"window:{text['handle']}")
    shown = PROGRESS_TEXT.fullmatch(window.get("text", ""))
    done, total = (int(shown.group(1)), int(shown.group(2))) if shown else (None, None)
    return position["result"], top["result"], done, total, window.get("text")


def catch_at_gate(h, count, first_slow):
    """Waits for the progress window and for the read to reach the slow
    items; checks the window. Answers its bar, text and cancel button, or
    None when it lacks one."""
    found = poll(lambda: progress_windows(h), bool, READ_DEADLINE)
    if not h.check.true("a progress window shows", found, "none appeared"):
        return None
    hwnd = found[0]["handle"]
    window = h.probe.window(hwnd)
    h.check.equal("its caption", "正在读取", window["text"])
    h.check.equal("owned by Lumivex's main window", h.ui.state().hwnd, window["owner"])
    bar, text, button = progress_parts(h, hwnd)
    h.check.true("a progress bar", bar, f"classes: {[c['class'] for c in h.probe.children(hwnd)]}")
    h.check.equal("its button", "取消", button and button["text"])
    if not (bar and text and button):
        return None
    position, top, done, total, shown = poll(lambda: progress_now(h, bar, text),
                                             lambda p: p[2] is not None and p[2] >= first_slow, READ_DEADLINE)
    h.check.true("the text says 已读 N / M 项", done is not None, f"{shown!r}")
    h.check.equal("M, the count", count, total)
    h.check.true("the read reached the slow items", done is not None and done >= first_slow, f"{shown!r}")
    if done is not None and top:
        # Items read shown on the bar as a share of its range; a few more
        # items may have been read between the two readings.
        h.check.true("the bar shows the share read", abs(position / top - done / count) <= 0.01,
                     f"bar {position} of {top}, text {shown!r}")
    h.check.equal("读取数据 disabled while the read runs", False, h.ui.state().control("read_data")["enabled"])
    h.log(f"progress at the gate: {shown}, bar {position} of {top}")
    return bar, text, button


def wait_read_over(h):
    gone = poll(lambda: progress_windows(h), lambda w: not w, READ_DEADLINE)
    h.check.equal("the progress window gone once the read ended", [], gone)
    state = h.ui.wait_for(lambda s: s.control("read_data")["enabled"])
    h.check.true("读取数据 enabled again", state.control("read_data")["enabled"], "still disabled")


def check_pings(h, pings, clicked, ended):
    h.log("pings over 100 ms (ms after the click, ms taken): "
          f"{[(at - clicked, took) for at, took in pings['slow']]}")
    h.check.true("the pings began before the click and ran to the end",
                 pings["firstUnixMs"] <= clicked and pings["lastUnixMs"] >= ended,
                 f"pings {pings['firstUnixMs']}..{pings['lastUnixMs']}, read {clicked}..{ended}")
    h.check.equal("every ping answered", pings["pings"], pings["answered"])
    h.check.true(f"every ping answered within {ANSWER_BOUND_MS} ms", pings["longestMs"] < ANSWER_BOUND_MS,
                 f"the longest took {pings['longestMs']} ms")
    h.log(f"{pings['pings']} pings over {pings['elapsedMs']} ms, the longest {pings['longestMs']} ms")


def notepad_text(h, notepads, condition, timeout=READ_DEADLINE):
    """(Notepad's handle, a summary of its text) once `condition` holds
    for the summary, or the last seen."""
    def look():
        found = notepads.windows()
        return (found[0]["handle"], h.probe.one(f"textsum:{found[0]['handle']}:Edit")) if found else (None, None)
    return poll(look, lambda seen: seen[1] is not None and condition(seen[1]), timeout, 0.5)


def summary_of(text):
    encoded = text.encode()
    lines = text.split("\r\n")
    return {"bytes": len(encoded), "crc": zlib.crc32(encoded), "lines": len(lines), "first": lines[0],
            "last": lines[-1]}


def shot_notepad_end(h, summary, name):
    """A screenshot of Notepad scrolled to its last line."""
    edit, end = summary["handle"], summary["length"]
    h.probe.run(f"send:{edit}:{EM_SETSEL}:{end}:{end}", f"send:{edit}:{EM_SCROLLCARET}")
    h.shot(name)


def check_summary(h, expected, got):
    h.check.equal("Notepad's text: bytes, CRC-32, lines, first and last",
                  summary_of(expected), {k: got.get(k) for k in ("bytes", "crc", "lines", "first", "last")})


def whole_read(h, notepads, items):
    first_slow = len(items) // 2
    gate(h, first_slow)
    with Pinger(h, "ping-whole") as pinger:
        clicked = unix_ms()
        h.ui.click("read_data")
        started = time.monotonic()
        catch_at_gate(h, len(items), first_slow)
        h.shot("progress")
        gate(h)
        wait_read_over(h)
        ended = unix_ms()
        pings = pinger.stop()
    h.log(f"the read and the hand-off took {time.monotonic() - started:.1f} s")
    check_pings(h, pings, clicked, ended)
    notepad, summary = notepad_text(h, notepads, lambda s: s["lines"] == len(items))
    check_summary(h, crlf(items), summary or {})
    if summary:
        shot_notepad_end(h, summary, "notepad-whole-end")
    return notepad


def cancelled_read(h, notepads, items):
    first_slow = len(items) // 2
    gate(h, first_slow)
    with Pinger(h, "ping-cancel") as pinger:
        clicked = unix_ms()
        h.ui.click("read_data")
        parts = catch_at_gate(h, len(items), first_slow)
        if parts is None:
            return
        bar, text, button = parts
        h.shot("before-cancel")
        done = progress_now(h, bar, text)[2]
        h.desktop.click(*centre(button["rect"]))
        wait_read_over(h)
        ended = unix_ms()
        pings = pinger.stop()
    gate(h)
    check_pings(h, pings, clicked, ended)
    _, summary = notepad_text(h, notepads, lambda s: s["last"].startswith("(读取已取消"))
    last = CANCELLED_LINE.fullmatch((summary or {}).get("last", ""))
    if not h.check.true("the last line says 已读 N / M 项", last, f"{summary!r}"):
        return
    read, total = int(last.group(1)), int(last.group(2))
    h.check.equal("M, the count", len(items), total)
    h.check.true("N: no fewer than the progress showed, fewer than all",
                 done is not None and done <= read < len(items),
                 f"N {read}, shown {done} before 取消")
    check_summary(h, crlf(items[:read] + [last.group(0)]), summary)
    h.log(f"items read between the last progress seen and the stop: {read - (done or 0)} "
          f"(one each {LONG_LIST_GATE_STEP_MS} ms past the gate)")
    shot_notepad_end(h, summary, "notepad-cancelled-end")


@case("long_read", prefix="prefix_unmanaged")
def long_read(h):
    facts, items = make_long_list(h, LONG_READ_ITEMS)
    notepads = Notepads(h)
    h.ui.select_tab(TOOLS_TAB)
    set_handle(h, facts.window("long_listbox")["handle"])
    choose_reader(h, "GetListBoxText")
    with h.check.context("whole read"):
        notepad = whole_read(h, notepads, items)
    # Lumivex's Notepad is topmost: aside, it covers no part of the
    # progress window.
    if notepad:
        notepads.move_aside(notepad)
    with h.check.context("read cancelled at the middle item"):
        cancelled_read(h, notepads, items)
