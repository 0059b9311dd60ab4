"""The outline on the screen: while the finder is dragged over a window, the
X display itself shows the frame GDI's NOT-XOR rectangle with a 3-pixel pen
would have drawn round it (every pixel of it the inverse of before, the
pixels beside it untouched), and after the release nothing of it is left.
The same for the flash run of the tools tab's "矩形闪烁" (the window tree's
"闪烁" is checked in tree_forms)."""

import time

from cases import case
from desktop import clamp_to_screen
from harness import TOOLS_TAB
from lumivex import centre

PEN_WIDTH = 3
DRAG_DEADLINE_SECONDS = 15.0
RESTORE_DEADLINE_SECONDS = 5.0
# How far beside the frame the screen must stay as it was.
BESIDE = 3

# Rectangles and pen widths whose outline pixels Lumivex's rule must give
# exactly as GDI draws them: reversed and empty rectangles, no room for a
# hole, off the origin, the whole screen, beyond the screen, other widths.
GEOMETRY = [(PEN_WIDTH, r) for r in [(0, 0, 10, 8), (10, 8, 0, 0), (-5, -3, 30, 20), (0, 0, 5, 5), (0, 0, 4, 4),
                                     (0, 0, 1, 1), (0, 0, 1, 5), (0, 0, 0, 0), (5, 5, 5, 10), (0, 0, 1280, 800),
                                     (2000, 10, 1920, 300)]] + [(w, (0, 0, 12, 10)) for w in (1, 2, 4, 5)]


def gdi_pixels(answer):
    return {(x, y) for y, first, last in answer["rows"] for x in range(first, last + 1)}


def rect_pixels(answer):
    """The pixels of the rectangles, and how many they count together (more
    than the pixels when two overlap)."""
    pixels, count = set(), 0
    for left, top, right, bottom in answer["rects"]:
        for y in range(top, bottom):
            for x in range(left, right):
                pixels.add((x, y))
                count += 1
    return pixels, count


def describe(pixels, limit=6):
    return ", ".join(f"({x},{y})" for x, y in sorted(pixels)[:limit]) + (" …" if len(pixels) > limit else "")


def check_geometry(h):
    commands = []
    for width, (left, top, right, bottom) in GEOMETRY:
        argument = f"{width}:{left}:{top}:{right}:{bottom}"
        commands += [f"gdi-outline:{argument}", f"frame-rects:{argument}"]
    answers = h.probe.run(*commands)
    for (width, rect), gdi, ours in zip(GEOMETRY, answers[0::2], answers[1::2]):
        with h.check.context(f"pen {width}, rectangle {rect}"):
            expected = gdi_pixels(gdi)
            got, count = rect_pixels(ours)
            h.check.true("the frame's pixels are those GDI inverts", got == expected,
                         f"{len(expected)} by GDI, {len(got)} by the frame; only GDI: "
                         f"{describe(expected - got)}; only the frame: {describe(got - expected)}")
            h.check.equal("no pixel covered twice", len(got), count)


def beside(frame, screen):
    """On-screen pixels within BESIDE of the frame, inside or outside, not on it."""
    near = set()
    for x, y in frame:
        for dy in range(-BESIDE, BESIDE + 1):
            for dx in range(-BESIDE, BESIDE + 1):
                near.add((x + dx, y + dy))
    return {p for p in near - frame if screen.contains(*p)}


def inverse(colour):
    return tuple(255 - c for c in colour)


def compare(shot, before, frame, near):
    """(frame pixels inverted, frame pixels as before, pixels beside changed)."""
    inverted = sum(1 for x, y in frame if shot.pixel(x, y) == inverse(before.pixel(x, y)))
    unchanged = sum(1 for x, y in frame if shot.pixel(x, y) == before.pixel(x, y))
    changed_beside = sum(1 for x, y in near if shot.pixel(x, y) != before.pixel(x, y))
    return inverted, unchanged, changed_beside


def grab_until(h, name, frame, near, before, done, seconds):
    """Screenshots of the X display until `done(inverted, unchanged,
    changed beside)` holds or time runs out; returns the last comparison."""
    started = time.monotonic()
    while True:
        shot, path = h.desktop.grab(name)
        result = compare(shot, before, frame, near)
        h.log(f"{path.name} at {time.monotonic() - started:.1f} s: of {len(frame)} frame pixels {result[0]} "
              f"inverted, {result[1]} as before; {result[2]} of {len(near)} beside changed")
        if done(*result) or time.monotonic() - started > seconds:
            return result


def grab_flash(h, frame, near, before, seconds):
    """Screenshots during a flash run, each taken with Lumivex held still
    while its outline is up: an outline of a flash run stays up for less
    than a screenshot may take on a loaded machine, and a stopped Lumivex
    cannot take it down meanwhile. Ends when one shows the whole frame and
    nothing beside it, or when time runs out; returns the last comparison."""
    started = time.monotonic()
    result = (0, len(frame), 0)
    while True:
        with h.lumivex_held_still():
            if h.ui.outline():
                shot, path = h.desktop.grab("during-flash")
                result = compare(shot, before, frame, near)
                h.log(f"{path.name} at {time.monotonic() - started:.1f} s: of {len(frame)} frame pixels "
                      f"{result[0]} inverted, {result[1]} as before; {result[2]} of {len(near)} beside changed")
        if (result[0] == len(frame) and result[2] == 0) or time.monotonic() - started > seconds:
            return result
        time.sleep(0.05)


def pattern_frame(h, name):
    """The pixels of the outline round the fixture's pattern window, those
    beside it, and a screenshot of them before any outline. Its colours and
    the grey round it are far from mid-grey, whose inverse would look the
    same."""
    target = clamp_to_screen(h.fixture.facts.window("pattern")["rect"])
    frame = gdi_pixels(h.probe.one(f"gdi-outline:{PEN_WIDTH}:" + ":".join(map(str, target))))
    before, _ = h.desktop.grab(name)
    frame = {p for p in frame if before.contains(*p)}
    return frame, beside(frame, before), before


def check_flash_run(h, frame, near, before):
    """A flash run just started: the frame seen whole in one screenshot,
    then the screen as before."""
    inverted, _, changed_beside = grab_flash(h, frame, near, before, DRAG_DEADLINE_SECONDS)
    h.check.equal("frame pixels inverted in one screenshot", len(frame), inverted)
    h.check.equal("pixels beside the frame changed", 0, changed_beside)
    _, unchanged, changed_beside = grab_until(
        h, "after-flash", frame, near, before, lambda _, unch, changed: unch == len(frame) and changed == 0,
        RESTORE_DEADLINE_SECONDS)
    h.check.equal("frame pixels as before the run", len(frame), unchanged)
    h.check.equal("pixels beside the frame changed", 0, changed_beside)


@case("outline_on_screen")
def outline_on_screen(h):
    with h.check.context("outline rule against GDI"):
        check_geometry(h)

    frame, near, before = pattern_frame(h, "before-drag")
    if not h.check.true("GDI draws a frame round the pattern window", frame, "no pixel"):
        return
    with h.check.context("during the drag"):
        start = centre(h.ui.state().control("finder")["rect"])
        inverted, _, changed_beside = h.desktop.drag(start, h.pick_point("pattern"), lambda: grab_until(
            h, "during-drag", frame, near, before, lambda inv, _, changed: inv == len(frame) and changed == 0,
            DRAG_DEADLINE_SECONDS))
        h.check.equal("frame pixels inverted in one screenshot", len(frame), inverted)
        h.check.equal("pixels beside the frame changed", 0, changed_beside)
    with h.check.context("after the release"):
        h.ui.wait_for(lambda s: s.text("handle") != "")
        _, unchanged, changed_beside = grab_until(
            h, "after-release", frame, near, before, lambda _, unch, changed: unch == len(frame) and changed == 0,
            RESTORE_DEADLINE_SECONDS)
        h.check.equal("frame pixels as before the drag", len(frame), unchanged)
        h.check.equal("pixels beside the frame changed", 0, changed_beside)
    with h.check.context("during a flash run"):
        # "矩形闪烁" on the tools tab outlines the window in its handle field,
        # which the fill has just set to the pattern window, three times.
        h.ui.select_tab(TOOLS_TAB)
        h.ui.click("flash")
        check_flash_run(h, frame, near, before)
