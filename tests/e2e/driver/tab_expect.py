"""What the style, class, state and tools tabs must show for a window,
derived from the fixture's facts. The name tables are written out here
rather than read from Lumivex's sources, so that a wrong row or order in
Lumivex shows up as a difference."""

import zlib

from expect import num_text

# (name, bits): listed when any of the bits is set. Alphabetical, except
# ES_READONLY last; 0x00010000 and 0x00020000 carry two names each.
WINDOW_STYLE_NAMES = [
    ("WS_BORDER", 0x00800000), ("WS_CAPTION", 0x00C00000), ("WS_CHILD", 0x40000000),
    ("WS_CLIPCHILDREN", 0x02000000), ("WS_CLIPSIBLINGS", 0x04000000), ("WS_DISABLED", 0x08000000),
    ("WS_DLGFRAME", 0x00400000), ("WS_GROUP", 0x00020000), ("WS_HSCROLL", 0x00100000),
    ("WS_MAXIMIZE", 0x01000000), ("WS_MAXIMIZEBOX", 0x00010000), ("WS_MINIMIZE", 0x20000000),
    ("WS_MINIMIZEBOX", 0x00020000), ("WS_POPUP", 0x80000000), ("WS_SYSMENU", 0x00080000),
    ("WS_TABSTOP", 0x00010000), ("WS_THICKFRAME", 0x00040000), ("WS_VISIBLE", 0x10000000),
    ("WS_VSCROLL", 0x00200000), ("ES_READONLY", 0x00000800),
]

# By bit value, except WS_EX_ACCEPTFILES first.
EXTENDED_STYLE_NAMES = [
    ("WS_EX_ACCEPTFILES", 0x10), ("WS_EX_DLGMODALFRAME", 0x1), ("WS_EX_NOPARENTNOTIFY", 0x4),
    ("WS_EX_TOPMOST", 0x8), ("WS_EX_TRANSPARENT", 0x20), ("WS_EX_MDICHILD", 0x40), ("WS_EX_TOOLWINDOW", 0x80),
    ("WS_EX_WINDOWEDGE", 0x100), ("WS_EX_CLIENTEDGE", 0x200), ("WS_EX_CONTEXTHELP", 0x400),
    ("WS_EX_RIGHT", 0x1000), ("WS_EX_RTLREADING", 0x2000), ("WS_EX_LEFTSCROLLBAR", 0x4000),
    ("WS_EX_CONTROLPARENT", 0x10000), ("WS_EX_STATICEDGE", 0x20000), ("WS_EX_APPWINDOW", 0x40000),
]

CLASS_STYLE_NAMES = [
    ("CS_BYTEALIGNCLIENT", 0x1000), ("CS_BYTEALIGNWINDOW", 0x2000), ("CS_CLASSDC", 0x0040),
    ("CS_DBLCLKS", 0x0008), ("CS_GLOBALCLASS", 0x4000), ("CS_HREDRAW", 0x0002), ("CS_NOCLOSE", 0x0200),
    ("CS_OWNDC", 0x0020), ("CS_PARENTDC", 0x0080), ("CS_SAVEBITS", 0x0800), ("CS_VREDRAW", 0x0001),
]
NO_CLASS_INFO = "无类信息"

# The state list's entries, by index.
STATE_ENTRIES = ["窗口可见", "窗口可用", "总在最前", "窗口只读", "最大化", "最小化", "还原窗口", "关闭窗口", "激活窗口"]
VISIBLE, ENABLED, TOPMOST, READ_ONLY, MAXIMIZED, MINIMIZED, RESTORE = range(7)

NOT_RESPONDING = "(未响应)"
# The display-context font: what a font report of another process's window
# finds under Wine, where WM_GETFONT across processes answers 0.
WINE_FOREIGN_FONT = "字体(System),尺寸(16px|12pt),粗体(700),字符集(GB2312_CHARSET)"
# Lumivex's own font: 宋体, height -12, GB2312_CHARSET, at 96 dots per inch.
LUMIVEX_FONT = "字体(宋体),尺寸(12px|9pt),常规(400),字符集(GB2312_CHARSET)"


def style_names(style):
    return [name for name, bits in WINDOW_STYLE_NAMES if style & bits]


def extended_style_names(exstyle):
    return [name for name, bit in EXTENDED_STYLE_NAMES if exstyle & bit]


def class_style_names(class_style):
    return [name for name, bit in CLASS_STYLE_NAMES if class_style & bit] or [NO_CLASS_INFO]


def class_value_text(class_style):
    """Signed decimal, a blank in place of the sign when not negative."""
    value = class_style - (1 << 32) if class_style & 0x80000000 else class_style
    return str(value) if value < 0 else f" {value}"


def state_ticks(style, exstyle):
    """The entries a fill ticks, in index order."""
    ticks = {VISIBLE: style & 0x10000000, ENABLED: not style & 0x08000000, TOPMOST: exstyle & 0x8,
             READ_ONLY: style & 0x800, MAXIMIZED: style & 0x01000000, MINIMIZED: style & 0x20000000}
    return [entry for entry, ticked in sorted(ticks.items()) if ticked]


def tools_fill(window, short_path, font_summary, hung=False, list_view_style=0):
    """Every field of the tools tab. Handles and styles are hexadecimal
    whatever the number switch says; positions are relative to the
    parent's client area."""
    hexa = lambda value: num_text(value, True)  # noqa: E731
    left, top, right, bottom = window["rect"]
    x, y = window["clientPos"]
    return {
        "tool_handle": hexa(window["handle"]),
        "tool_style": hexa(window["style"]),
        "tool_ex_style": hexa(window["exstyle"]),
        # Not asked of a hung window: left empty rather than a made-up 0.
        "tool_list_view_style": "" if hung else hexa(list_view_style),
        "tool_left": str(x),
        "tool_top": str(y),
        "tool_width": str(right - left),
        "tool_height": str(bottom - top),
        "tool_short_path": short_path,
        "tool_font": NOT_RESPONDING if hung else font_summary,
    }


def text_summary(text):
    """Length and CRC-32 of a text, as the facts give them for a long one."""
    return len(text), zlib.crc32(text.encode("utf-8"))
