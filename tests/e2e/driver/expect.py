"""What Lumivex must show, derived from the fixture's facts, and a checker
that records every mismatch with where it happened."""

import contextlib

TAB_CAPTIONS = [" 常规 ", " 样式 ", "  类  ", " 窗口 ", " 消息 ", " 图像 ", " 工具 "]

# The system's ANSI code page under LANG=zh_CN.UTF-8.
ANSI = "gbk"

GENERAL_FIELDS = ["handle", "class_name", "title", "control_id", "process_id", "thread_id",
                  "program_path", "window_rect"]
# (relation in the facts, handle field, title field)
RELATED_FIELDS = [("prev", "prev_handle", "prev_title"), ("next", "next_handle", "next_title"),
                  ("parent", "parent_handle", "parent_title"), ("child", "child_handle", "child_title"),
                  ("owner", "owner_handle", "owner_title")]
WINDOW_TAB_FIELDS = ["self_handle", "self_title"] + [f for _, h, t in RELATED_FIELDS for f in (h, t)]
STYLE_FIELDS = ["style", "ex_style"]
FILL_FIELDS = GENERAL_FIELDS + WINDOW_TAB_FIELDS + STYLE_FIELDS


def num_text(value, hexadecimal):
    """A 32-bit value as the main window shows it: upper-case hexadecimal
    without leading zeros, or signed decimal."""
    value &= 0xFFFFFFFF
    if hexadecimal:
        return f"{value:X}"
    return str(value - (1 << 32) if value & 0x80000000 else value)


def rect_text(rect):
    left, top, right, bottom = rect
    return f"({left},{top}),({right},{bottom})  {right - left}x{bottom - top}"


def without_leading_blanks(text):
    return text.lstrip(" ")


def ansi_cut(text, limit):
    """The head of `text` that fits `limit` bytes of the ANSI code page."""
    return text.encode(ANSI, errors="replace")[:limit].decode(ANSI, errors="ignore")


def full_fill(window, path, hexadecimal):
    """Every field the fill writes for a responding window."""
    n = lambda value: num_text(value, hexadecimal)  # noqa: E731
    title = without_leading_blanks(window["text"])
    fields = {
        "handle": n(window["handle"]),
        "class_name": window["class"],
        "title": title,
        "control_id": n(window["id"]),
        "process_id": n(window["pid"]),
        "thread_id": n(window["tid"]),
        "program_path": path,
        "window_rect": rect_text(window["rect"]),
        "self_handle": n(window["handle"]),
        "self_title": title,
        "style": n(window["style"]),
        "ex_style": n(window["exstyle"]),
    }
    for relation, handle_field, title_field in RELATED_FIELDS:
        related = window["related"][relation]
        fields[handle_field] = n(related["handle"])
        # Titles of related windows are read into 256 bytes: 255 and a NUL.
        fields[title_field] = without_leading_blanks(ansi_cut(related["title"], 255)) if related["handle"] else ""
    return fields


def hung_fill(window, path, hexadecimal):
    """The reduced fill for a window whose thread does not respond: nothing
    that needs an answer from the window, everything else empty."""
    fields = {name: "" for name in FILL_FIELDS}
    n = lambda value: num_text(value, hexadecimal)  # noqa: E731
    fields.update({
        "handle": n(window["handle"]),
        "class_name": window["class"],
        # Read without a message, into 100 bytes: 99 and a NUL.
        "title": ansi_cut(window["text"], 99),
        "control_id": n(window["id"]),
        "program_path": path,
        "process_id": n(window["pid"]),
        "window_rect": rect_text(window["rect"]),
    })
    return fields


class Checker:
    """Collects failed checks instead of stopping at the first, so that one
    run tells everything that is wrong; each failure names its context."""

    def __init__(self, log):
        self.failures = []
        self.count = 0
        self._context = []
        self._log = log

    @contextlib.contextmanager
    def context(self, text):
        self._context.append(text)
        try:
            yield
        finally:
            self._context.pop()

    def _record(self, ok, label, failure, shown=""):
        self.count += 1
        where = " / ".join(self._context + [label])
        if not ok:
            self.failures.append(f"{where}: {failure}")
        self._log(f"ok   {where}{shown}" if ok else f"FAIL {where}: {failure}")
        return ok

    def equal(self, label, expected, actual):
        return self._record(expected == actual, label, f"expected {expected!r}, got {actual!r}", f" = {actual!r}")

    def true(self, label, condition, failure=""):
        return self._record(bool(condition), label, failure or "was false")

    def fields(self, state, expected):
        """Every named field of the main window against its expected text."""
        for name, text in expected.items():
            self.equal(name, text, state.text(name))
