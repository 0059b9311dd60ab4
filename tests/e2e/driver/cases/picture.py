"""The picture tab: a pick pictures the window's screen area, and "保存(&S)"
saves it as a bitmap file through the save dialog, asking before it
replaces a file, under any name, and saying so when a save fails."""

import shutil
import time

from bmp import BmpError, bmp_size, read_bmp
from cases import case
from desktop import SCREEN, clamp_to_screen
from harness import PICTURE_TAB
from wine import windows_path

DIALOG_CLASS = "#32770"
SAVE_TITLE = "Save File"
QUESTION_TITLE = "Quorva"
QUESTION = "文件已经存在，是否覆盖？"
FAILED = "保存失败："
# FormatMessageW's text for ERROR_ACCESS_DENIED under LANG=zh_CN.UTF-8 (Wine 8).
ACCESS_DENIED = "访问被拒绝。"
IDOK, IDYES, IDNO = 1, 6, 7
EDT1 = 0x480  # the common dialog's file name field
WM_SYSCOMMAND, SC_MAXIMIZE = 0x0112, 0xF030


def wait_dialog(h, title, timeout=20.0):
    """The handle of a shown dialog with this title, or None."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for dialog in h.probe.find(DIALOG_CLASS):
            if dialog["visible"] and dialog["title"] == title:
                return dialog["handle"]
        time.sleep(0.25)
    return None


def wait_until(condition, timeout=10.0):
    """Polls condition until it holds or the time is up; its last answer."""
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() >= deadline:
            return False
        time.sleep(0.2)
    return True


def wait_closed(h, handle, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        report = h.probe.window(handle)
        if not report["exists"] or not report["visible"]:
            return True
        time.sleep(0.25)
    return False


def static_texts(h, box):
    return [child["text"] for child in h.probe.children(box) if child["class"].lower() == "static"]


def click_child(h, dialog, class_name, control_id):
    for child in h.probe.children(dialog):
        if child["id"] == control_id and child["class"].lower() == class_name.lower() and child["visible"]:
            left, top, right, bottom = child["rect"]
            h.desktop.click((left + right) // 2, (top + bottom) // 2)
            return True
    return False


def answer_question(h, button):
    """Checks the overwrite question and answers it with the mouse."""
    box = wait_dialog(h, QUESTION_TITLE)
    if not h.check.true("the overwrite question appears", box, "no question was asked"):
        return
    texts = static_texts(h, box)
    h.check.true("question text", QUESTION in texts, f"the box shows {texts}")
    h.shot("question")
    h.check.true("answered", click_child(h, box, "Button", button), f"no button {button}")
    h.check.true("question closed", wait_closed(h, box), "the question box stayed open")


def wait_name_box(h, dialog, timeout=20.0):
    """The dialog's file name box once it holds the keyboard focus, or None.
    The dialog is visible before it is active and has put the focus in the
    box; keys typed before that go elsewhere, and the path arrives cut."""
    deadline = time.monotonic() + timeout
    while True:
        focus = h.probe.focus(dialog)
        if focus["ok"] and focus["active"] == dialog and focus["focus"]:
            for child in h.probe.children(dialog):
                if child["handle"] == focus["focus"] and child["class"].lower() == "edit":
                    return child["handle"]
        if time.monotonic() > deadline:
            return None
        time.sleep(0.25)


def typed_in(shown, typed):
    """The box holds what was typed, blanks around it aside; the dialog's
    completion may have appended the rest of a file name it knows."""
    return shown.strip(" ").startswith(typed)


def wait_typed(h, hwnd, typed, timeout=20.0):
    """The box's text once every typed key has reached it, or the last text
    read."""
    deadline = time.monotonic() + timeout
    while True:
        shown = h.probe.window(hwnd).get("text", "")
        if typed_in(shown, typed) or time.monotonic() > deadline:
            return shown
        time.sleep(0.25)


def return_handled(h, dialog):
    """True once the dialog's thread has handled the Return typed into it,
    and the dialog is still shown. The dialog runs on Lumivex's own thread:
    a message sent there is answered only between two input messages, so
    the second answer comes after the one that handled the key."""
    for _ in range(2):
        if not h.ui.responds(5000)["answered"]:
            return False
    report = h.probe.window(dialog)
    return report["exists"] and report["visible"]


def file_name_edit(h, dialog):
    """The save dialog's file name field: edt1, else its first shown edit."""
    edits = [child for child in h.probe.children(dialog) if child["class"].lower() == "edit" and child["visible"]]
    for edit in edits:
        if edit["id"] == EDT1:
            return edit["handle"]
    return edits[0]["handle"] if edits else None


def save_picture(h, typed_path, answer=None, typed=True):
    """Presses "保存(&S)", enters a path into the save dialog and presses
    Return; answers the overwrite question with `answer` (IDYES or IDNO) when
    one is expected. The path is typed on the keyboard, or, when `typed` is
    false, set whole into the file name field (for characters the keyboard
    map does not hold)."""
    h.ui.click("save_picture")
    dialog = wait_dialog(h, SAVE_TITLE)
    if not h.check.true("the save dialog appears", dialog, "no save dialog"):
        return
    if typed:
        name_box = wait_name_box(h, dialog)
        if not h.check.true("the file name box has the keyboard focus", name_box,
                            f"focus {h.probe.focus(dialog)}"):
            return
        h.desktop.type(typed_path)
        shown = wait_typed(h, name_box, typed_path)
        h.check.true("the typed path in the file name box", typed_in(shown, typed_path), f"the box shows {shown!r}")
    else:
        edit = file_name_edit(h, dialog)
        if not h.check.true("the file name field is found", edit, "no edit in the save dialog"):
            return
        h.check.true("the name is entered", h.probe.one(f"settext:{edit}:{typed_path}")["ok"], "WM_SETTEXT failed")
        h.check.equal("the field holds the name", typed_path, h.probe.window(edit)["text"])
    h.desktop.key("Return")
    if return_handled(h, dialog):
        # Return may only have refreshed the file list: the dialog's own
        # button saves for certain.
        h.log("the save dialog stayed open after Return; clicking its save button")
        click_child(h, dialog, "Button", IDOK)
    h.check.true("the save dialog closed", wait_closed(h, dialog), "the save dialog stayed open")
    if answer is not None:
        answer_question(h, answer)
    wait_save_handled(h)


def wait_save_handled(h):
    """Lumivex writes the file on its own thread after the dialog and the
    question have gone: the file is what the save left only once that thread
    is back at its message loop, where a message sent to the main window is
    answered. Two answers in a row: the first may come from a loop inside
    the save."""
    answers = [h.ui.responds(20000) for _ in range(2)]
    h.check.true("Lumivex back at its message loop after the save", all(a["answered"] for a in answers),
                 f"answers {answers}")


def check_pattern_file(h, path, pattern, contents):
    """The saved bitmap is the window's screen area: its size, and each
    quadrant in the colour the fixture painted it."""
    try:
        bitmap = read_bmp(path.read_bytes())
    except (OSError, BmpError) as error:
        h.check.true("bitmap readable", False, f"{path}: {error}")
        return
    left, top, right, bottom = clamp_to_screen(pattern["rect"])
    h.check.equal("bitmap size", (right - left, bottom - top), (bitmap.width, bitmap.height))
    if (bitmap.width, bitmap.height) != (right - left, bottom - top):
        return
    half_w, half_h = bitmap.width // 2, bitmap.height // 2
    quadrants = [(0, 0), (half_w, 0), (0, half_h), (half_w, half_h)]
    for index, ((x, y), colour) in enumerate(zip(quadrants, contents["pattern"]["quadrants"])):
        area = half_w * half_h
        found = bitmap.count(x, y, x + half_w, y + half_h, tuple(colour))
        h.check.equal(f"quadrant {index} all {tuple(colour)}", area, found)


def file_state(path):
    stat = path.stat()
    return path.read_bytes(), stat.st_mtime_ns, stat.st_ino


@case("picture_save")
def picture_save(h):
    with h.check.context("pick pattern"):
        _, facts = h.pick("pattern")
        pattern = facts.window("pattern")
        h.shot_tab(PICTURE_TAB, "pattern-picture")

    target = h.case_dir / "pattern.bmp"
    target.unlink(missing_ok=True)
    with h.check.context("first save"):
        save_picture(h, windows_path(target))
        h.check.true("file written", wait_until(target.is_file), f"no file at {target}")
        if target.is_file():
            check_pattern_file(h, target, pattern, facts.contents)
    if not target.is_file():
        return
    saved = file_state(target)

    with h.check.context("save again, answer No"):
        time.sleep(0.05)  # a rewrite would get another modification time
        save_picture(h, windows_path(target), answer=IDNO)
        bytes_now, mtime_now, inode_now = file_state(target)
        h.check.true("bytes untouched", bytes_now == saved[0], "the file's bytes changed")
        h.check.equal("modification time untouched", saved[1], mtime_now)
        h.check.equal("same file", saved[2], inode_now)

    with h.check.context("save without the extension, answer Yes"):
        # Something else in the file, so that the replacement shows; the
        # typed name lacks ".bmp", which the save adds before it asks.
        target.write_bytes(b"not a bitmap")
        save_picture(h, windows_path(target)[:-len(".bmp")], answer=IDYES)
        h.check.true("file replaced with the picture", wait_until(lambda: target.read_bytes() == saved[0]),
                     f"the file holds {target.stat().st_size} bytes")
        h.check.true("no file without the extension", not target.with_suffix("").exists(),
                     "a file without the extension was written")

    with h.check.context("pick the maximised spare"):
        check_clamped_picture(h)


def check_clamped_picture(h):
    """A maximised window reaches past the screen's edges; its picture is
    the part on the screen."""
    spare = h.fixture.facts.window("spare")["handle"]
    h.probe.one(f"send:{spare}:{WM_SYSCOMMAND}:{SC_MAXIMIZE}")
    # The maximised flag is set before the window is sized: wait for both.
    original = h.fixture.facts.window("spare")["rect"]
    report = h.fixture.wait_window("spare", lambda w: w["zoomed"] and w["rect"] != original)
    left, top, right, bottom = report["rect"]
    h.check.true("fixture: the maximised window reaches past the screen",
                 left < 0 and top < 0 and right > SCREEN[0] and bottom > SCREEN[1], f"rect {report['rect']}")
    h.pick("spare")
    h.shot_tab(PICTURE_TAB, "maximised-picture")
    target = h.case_dir / "screen.bmp"
    target.unlink(missing_ok=True)
    save_picture(h, windows_path(target))
    wait_until(target.is_file)
    try:
        size = bmp_size(target.read_bytes())
    except (OSError, BmpError) as error:
        size = str(error)
    cl, ct, cr, cb = clamp_to_screen(report["rect"])
    h.check.equal("bitmap size", (cr - cl, cb - ct), size)


def wait_failure_box(h, timeout=10.0):
    """The shown message box that reports a failed save, and its text."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for dialog in h.probe.find(DIALOG_CLASS):
            if not dialog["visible"] or dialog["title"] != QUESTION_TITLE:
                continue
            for text in static_texts(h, dialog["handle"]):
                if text.startswith(FAILED):
                    return dialog, text
        time.sleep(0.25)
    return None, None


def check_failure_reported(h, reason):
    """A failed save shows its own box, owned by Lumivex's main window, with
    the system's reason after the text; OK closes it."""
    dialog, text = wait_failure_box(h)
    if not h.check.true("the failure is reported", dialog, "no box says the save failed"):
        return
    h.check.equal("the text and the system's reason", FAILED + reason, text)
    main = h.probe.one("main")
    h.check.equal("owned by the main window", main["handle"], h.probe.window(dialog["handle"])["owner"])
    h.shot("save-failed")
    h.check.true("OK pressed", click_child(h, dialog["handle"], "Button", IDOK), "no OK button")
    h.check.true("failure box closed", wait_closed(h, dialog["handle"]), "the box stayed open")
    h.check.true("Lumivex answers", h.ui.responds()["answered"], "Lumivex does not answer")


@case("picture_save_unicode")
def picture_save_unicode(h):
    with h.check.context("pick pattern"):
        _, facts = h.pick("pattern")
        pattern = facts.window("pattern")
        h.shot_tab(PICTURE_TAB, "pattern-picture")

    folder = h.case_dir / "saves"
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir()

    with h.check.context("a Korean name on a Chinese system"):
        # Outside code page 936: an ANSI call would turn it into "??".
        target = folder / "사진.bmp"
        save_picture(h, windows_path(folder / "사진"), typed=False)
        h.check.true("file written under its own name", wait_until(target.is_file),
                     f"the folder holds {sorted(p.name for p in folder.iterdir())}")
        if target.is_file():
            check_pattern_file(h, target, pattern, facts.contents)

    with h.check.context("a hidden file, answer No"):
        # Wine shows a file whose name starts with a dot as hidden.
        hidden = folder / ".hidden.bmp"
        hidden.write_bytes(b"a hidden file")
        save_picture(h, windows_path(hidden), answer=IDNO)
        h.check.true("hidden file untouched", hidden.read_bytes() == b"a hidden file", "the file changed")

    with h.check.context("a read-only file, answer Yes"):
        locked = folder / "locked.bmp"
        locked.write_bytes(b"a read-only file")
        locked.chmod(0o444)
        save_picture(h, windows_path(locked), answer=IDYES)
        # Windows refuses to replace a read-only file, and so does Lumivex
        # under Wine, which would replace it.
        check_failure_reported(h, ACCESS_DENIED)
        h.check.true("read-only file untouched", locked.read_bytes() == b"a read-only file", "the file changed")
        leftovers = sorted(p.name for p in folder.glob("~lvx*"))
        h.check.equal("no temporary file left", [], leftovers)
