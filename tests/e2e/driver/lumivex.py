"""Lumivex as the tests see it: what its main window shows, read by the
probe program, and the real mouse aimed at its controls."""

import json
import re
import time
from pathlib import Path

from desktop import clamp_to_screen
from wine import WineError

# Lumivex's outline: top-level windows of this class, shaped to the frame
# (src/platform/win32/win32_outline.cpp).
OUTLINE_CLASS = "LumivexInvertedFrame"
# How far the box round the outline may lie from the outlined rectangle:
# the pen's reach beyond it, less at the screen's edges.
OUTLINE_SLACK = 3
OUTLINE_DEADLINE_SECONDS = 15.0


class ControlIds:
    """Control identifiers from src/layout/control_ids.h, by the control's
    name: 'handle' is IDC_HANDLE, 'tool_text' is IDC_TOOL_TEXT. Members
    of a numbered run follow their first: 'tab_panel3' is IDC_TAB_PANEL0 + 3."""

    def __init__(self, header):
        text = Path(header).read_text(encoding="utf-8")
        self._ids = {m.group(1): int(m.group(2))
                     for m in re.finditer(r"^#define\s+IDC_(\w+)\s+(-?\d+)", text, re.MULTILINE)}

    def __getitem__(self, name):
        key = name.upper()
        if key in self._ids:
            return self._ids[key]
        member = re.fullmatch(r"(\w*?)(\d+)", key)
        if member and member.group(1) + "0" in self._ids:
            return self._ids[member.group(1) + "0"] + int(member.group(2))
        raise KeyError(f"no control named {name} in control_ids.h")


# Probe commands that change something: sent messages, moves, texts, styles.
PROBE_WRITES = {"send", "post", "place", "settext", "setstyle"}


class Probe:
    """Runs LumivexProbe.exe in the session and returns its answers."""

    def __init__(self, session, exe):
        self.session = session
        self.exe = exe
        self._runs = 0

    def run(self, *commands):
        """The answers to `commands`, in one run of the probe. A run that
        only reads is made a second time when the first one is lost: under
        load a Wine process now and then ends with 1 before it has written
        anything. One that changes something is never repeated."""
        reads_only = all(command.split(":", 1)[0] not in PROBE_WRITES for command in commands)
        for attempt in range(2 if reads_only else 1):
            self._runs += 1
            try:
                out = self.session.run_windows(self.exe, list(commands), f"probe-{self._runs:03d}", timeout=30)
                return [entry["result"] for entry in json.loads(out.decode("utf-8"))]
            except WineError:
                if attempt == 1 or not reads_only:
                    raise

    def one(self, command):
        return self.run(command)[0]

    def window(self, hwnd):
        """Class, text, rectangle, styles and state of one window."""
        return self.one(f"window:{hwnd}")

    def children(self, hwnd):
        """Every descendant of a window, with identifier, class, text and rectangle."""
        return self.one(f"children:{hwnd}")

    def find(self, class_name):
        """Top-level windows of a class: handle, title, visibility, process."""
        return self.one(f"find:{class_name}")

    def focus(self, hwnd):
        """The foreground window, and the active and focus windows of the
        thread that owns `hwnd`."""
        return self.one(f"focus:{hwnd}")


class MainState:
    """One reading of Lumivex's main window."""

    def __init__(self, report, ids):
        self.report = report
        self.ids = ids

    @property
    def found(self):
        return self.report.get("found", False)

    @property
    def hwnd(self):
        return self.report["handle"]

    @property
    def title(self):
        return self.report["title"]

    @property
    def topmost(self):
        return self.report["topmost"]

    @property
    def rect(self):
        return self.report["rect"]

    @property
    def visible_panel(self):
        return self.report["visiblePanel"]

    @property
    def tab_captions(self):
        return self.report["tabs"]["captions"]

    @property
    def selected_tab(self):
        return self.report["tabs"]["selected"]

    def tab_rect(self, index):
        return self.report["tabs"]["rects"][index]

    def control(self, name):
        return self.report["controls"][str(self.ids[name])]

    def text(self, name):
        return self.control(name)["text"]

    def check(self, name):
        return self.control(name)["check"]

    def items(self, name):
        return self.control(name)["items"]


def centre(rect):
    left, top, right, bottom = rect
    return ((left + right) // 2, (top + bottom) // 2)


class LumivexUi:
    def __init__(self, probe, desktop, ids):
        self.probe = probe
        self.desktop = desktop
        self.ids = ids

    def state(self):
        return MainState(self.probe.one("main"), self.ids)

    def wait_for(self, condition, timeout=15.0, interval=0.25):
        """A reading for which `condition` holds, taken wholly after the
        change it waits for; or the last one read when time runs out (the
        checks then say what was wrong).

        One reading is many messages, and Lumivex answers them between its
        own steps: while it waits for an answer from an inspected window
        during a fill, or before it has handled a click whose key or button
        message is already queued. A reading may then hold some controls
        from before a change and some from after it: the probe reads
        " 常规 " (hWndText) and the check boxes after the other tabs, and
        the title and the topmost flag first. Once a reading shows the
        change, Lumivex has made it; the next reading is wholly from after
        it, and is the one returned."""
        deadline = time.monotonic() + timeout
        while True:
            state = self.state()
            if state.found and condition(state):
                state = self.state()
                if state.found and condition(state):
                    return state
            if time.monotonic() > deadline:
                return state
            time.sleep(interval)

    def wait_started(self, timeout=60.0):
        state = self.wait_for(lambda s: s.title.startswith("Lumivex V"), timeout=timeout, interval=0.5)
        if not state.found:
            raise RuntimeError("Lumivex's main window did not appear")
        return state

    def responds(self, timeout_ms=1000):
        return self.probe.one(f"responds:{timeout_ms}")

    def click(self, name):
        """Clicks the middle of a control with the real mouse. A check box is
        clicked on its box, at the left end."""
        control = self.state().control(name)
        left, top, right, bottom = control["rect"]
        x = left + 8 if control.get("check") is not None else (left + right) // 2
        self.desktop.click(x, (top + bottom) // 2)

    def toggle(self, name):
        """Clicks a check box and waits until it shows the other state."""
        before = self.state().check(name)
        self.click(name)
        return self.wait_for(lambda s: s.check(name) != before)

    def click_item(self, name, index):
        """Clicks entry `index` of a list box at its left end, where a tick
        list draws the tick box."""
        control = self.state().control(name)
        left, top, _, _ = control["client"]
        row = index - control["topIndex"]
        self.desktop.click(left + 8, top + row * control["itemHeight"] + control["itemHeight"] // 2)

    def select_tab(self, index):
        self.desktop.click(*centre(self.state().tab_rect(index)))
        return self.wait_for(lambda s: s.selected_tab == index and s.visible_panel == index)

    def outline(self):
        """The box round the outline Lumivex shows now (its windows taken
        together), or None when it shows none."""
        rects = [w["rect"] for w in self.probe.find(OUTLINE_CLASS) if w["visible"]]
        if not rects:
            return None
        lefts, tops, rights, bottoms = zip(*rects)
        return [min(lefts), min(tops), max(rights), max(bottoms)]

    def wait_outline(self, rect, timeout=OUTLINE_DEADLINE_SECONDS):
        """Waits until Lumivex outlines the window whose screen rectangle is
        `rect`; answers (True, "") then, or (False, what was seen) when time
        runs out: a window with nothing on the screen gets no outline."""
        wanted = clamp_to_screen(rect)
        deadline = time.monotonic() + timeout
        while True:
            box = self.outline()
            if box and all(abs(got - edge) <= OUTLINE_SLACK for got, edge in zip(box, wanted)):
                return True, ""
            if time.monotonic() > deadline:
                return False, f"no outline round {list(wanted)} within {timeout:.0f} s; the last seen: {box}"
            time.sleep(0.1)

    def pick(self, point, hwnd):
        """Drags the finder's cross-hair onto `point`, over the window `hwnd`,
        and releases it once Lumivex outlines that window, then waits for
        the fill. Answers the state after the fill and what wait_outline
        answered.

        Each tick of the drag timer takes the window under the pointer and
        outlines it, and the release fills the window of the last tick: the
        outline proves a tick has taken the target, and every later tick
        takes it too, the pointer going on across it in a straight line and
        resting on it. The window is named, not
        only the point: the finder takes disabled and hidden controls that
        nothing else reports at a point."""
        main, target = self.probe.run("main", f"window:{hwnd}")
        finder = MainState(main, self.ids).control("finder")
        outlined = self.desktop.drag(centre(finder["rect"]), point, lambda: self.wait_outline(target["rect"]))
        # The press cleared every field; the release fills them. A window
        # of a megabyte of text takes a while under load.
        return self.wait_for(lambda s: s.text("handle") != "", timeout=30.0), outlined
