"""Lumivex's windows at a system DPI of 144 (150 %): the main window, every
tab, the window tree, the child-window list and the about box, each opened
with the real mouse, every visible control inside its parent's client area,
and each window's client area half as large again as at 96 DPI."""

from cases import case
from cases.tree_forms import click_control, control, wait_gone, wait_window
from harness import WINDOW_TAB

DPI = 144
WM_CLOSE = 0x0010
# The client areas the windows' controls are laid out in at 96 DPI
# (src/layout/form_layouts.cpp).
CLIENT_96 = {
    "main": (446, 323),
    "LumivexTree": (424, 451),
    "LumivexChildList": (539, 321),
    "LumivexAbout": (386, 276),
}
# How far the client may differ from the 96-DPI one scaled: the caption and
# frame of each DPI are the system's, and a window is grown rather than clip.
RATIO_SLACK = 0.04


def size(rect):
    left, top, right, bottom = rect
    return right - left, bottom - top


def inside(rect, client):
    return (rect[0] >= client[0] and rect[1] >= client[1] and rect[2] <= client[2] and rect[3] <= client[3])


def check_client_scaled(h, name, hwnd):
    client = h.probe.window(hwnd)["client"]
    width, height = size(client)
    want_w, want_h = CLIENT_96[name]
    ratio = DPI / 96
    for label, got, want in (("width", width, want_w), ("height", height, want_h)):
        h.check.true(f"client {label} about {ratio} × {want}", abs(got / want - ratio) <= RATIO_SLACK * ratio,
                     f"{got} px, {got / want:.3f} × the 96-DPI {want}")
    return client


def check_controls_inside(h, hwnd, skip_ids=()):
    """Every visible descendant of the window lies in its parent's client
    area; returns how many were checked."""
    clients = {}
    checked = 0
    for child in h.probe.children(hwnd):
        if not child["visible"] or child["id"] in skip_ids:
            continue
        parent = child["parent"]
        if parent not in clients:
            clients[parent] = h.probe.window(parent)["client"]
        checked += 1
        h.check.true(f"control {child['id']} ({child['class']} {child['text'][:16]!r}) inside its parent",
                     inside(child["rect"], clients[parent]),
                     f"rect {child['rect']} outside the client area {clients[parent]}")
    return checked


def check_form(h, class_name, open_form, close_form):
    open_form()
    form = wait_window(h, class_name)
    if not h.check.true(f"{class_name} open", form, f"no {class_name} appeared"):
        return
    with h.check.context(class_name):
        check_client_scaled(h, class_name, form["handle"])
        checked = check_controls_inside(h, form["handle"])
        h.check.true("its controls were read", checked >= 5, f"only {checked} visible controls")
    h.shot(class_name)
    close_form(form)
    h.check.true(f"{class_name} closed", wait_gone(h, class_name))


def clear_lumivex_area(h, main):
    """The fixture's windows are placed beside a main window of 96-DPI size:
    those the larger one would lie under move off to the right, so that the
    mouse reaches Lumivex's buttons."""
    lumivex = h.probe.window(main)["rect"]
    x = lumivex[2] + 10
    for role, y in (("main", 10), ("spare", 580)):
        window = h.fixture.facts.window(role)
        width, height = size(window["rect"])
        h.probe.one(f"place:{window['handle']}:{x}:{y}:{width}:{height}")


@case("dpi_layout", prefix="prefix_dpi144")
def dpi_layout(h):
    state = h.ui.state()
    main = state.hwnd
    clear_lumivex_area(h, main)
    with h.check.context("main window"):
        check_client_scaled(h, "main", main)
        # The picture box scrolls inside its viewport and may be larger.
        picture_box = h.ids["picture_box"]
        for tab in range(7):
            h.ui.select_tab(tab)
            with h.check.context(f"tab {tab}"):
                check_controls_inside(h, main, skip_ids=(picture_box,))
        h.shot_main("main-tools-tab")
        h.shot_tab(0, "main-general-tab")
        # The bottom row was what a 96-DPI layout lost at 144 DPI.
        client = h.probe.window(main)["client"]
        for name in ("tree_button", "about_button", "ok_button"):
            rect = h.ui.state().control(name)["rect"]
            h.check.true(f"{name} inside the client area", inside(rect, client), f"{rect} vs {client}")
            h.check.true(f"{name} 1.5 × 24 px high", abs(size(rect)[1] - 36) <= 1, f"{size(rect)[1]} px")

    check_form(h, "LumivexTree", lambda: h.ui.click("tree_button"),
               lambda form: h.probe.one(f"post:{form['handle']}:{WM_CLOSE}"))
    h.ui.select_tab(WINDOW_TAB)
    check_form(h, "LumivexChildList", lambda: h.ui.click("child_list_button"),
               lambda form: click_control(h, form, "child_cancel"))
    check_form(h, "LumivexAbout", lambda: h.ui.click("about_button"),
               lambda form: click_control(h, form, "about_ok"))
