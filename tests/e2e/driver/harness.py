"""One end-to-end case's world: a display, Lumivex and the fixture started
in the shared prefix, the probe, the mouse, the checker and the screenshots;
all of it ended when the case is over. A bare case (a program that checks
itself, such as the platform contract suite) gets the display, the session
and the checker only (Stage)."""

import contextlib
import os
import signal
import time
from pathlib import Path

from desktop import Desktop
from expect import Checker
from fixture import Fixture
from lumivex import ControlIds, LumivexUi, Probe
from wine import WineError, WineSession

LUMIVEX_EXE = "Lumivex.exe"
FIXTURE_EXE = "LumivexFixture.exe"
PROBE_EXE = "LumivexProbe.exe"
# Tabs by index: " 常规 ", " 样式 ", "  类  ", " 窗口 ", " 消息 ", " 图像 ", " 工具 ".
GENERAL_TAB, STYLE_TAB, CLASS_TAB, WINDOW_TAB, STATE_TAB, PICTURE_TAB, TOOLS_TAB = range(7)


# Prefixes besides the default one, by the step that makes them: the
# registry values each sets once made, as (key, name, type, data).
PREFIX_VARIANTS = {
    # Wine reports 144 dots per inch as the system's DPI.
    "prefix_dpi144": [(r"HKCU\Control Panel\Desktop", "LogPixels", "REG_DWORD", "144")],
    # Wine's X11 driver hands no window of Lumivex's to a window manager.
    # It waits up to two seconds for one to withdraw a managed window it
    # hides (a captioned one, or one shown active), holding the window's
    # thread; Xvfb runs none, so every such window Lumivex closes would
    # stop its main window for two seconds, which no real desktop does.
    "prefix_unmanaged": [(r"HKCU\Software\Wine\AppDefaults\Lumivex.exe\X11 Driver", "Managed", "REG_SZ", "N")],
}


def prefix_dir(out, variant=None):
    """The shared prefix, or the one of a variant step ('prefix_dpi144')."""
    return Path(out) / (variant.replace("_", "-") if variant else "prefix")


class Stage:
    """The display, the prefix's session, the checker and the log of a case."""

    def __init__(self, bin_dir, out, display, case_name, prefix_variant=None):
        self.bin_dir = Path(bin_dir)
        self.case_dir = Path(out) / case_name
        self.case_dir.mkdir(parents=True, exist_ok=True)
        for old in self.case_dir.glob("*.png"):
            old.unlink()
        self._log_file = open(self.case_dir / "checks.log", "w", encoding="utf-8")
        self.session = WineSession(prefix_dir(out, prefix_variant), display, self.case_dir / "logs")
        self.desktop = Desktop(self.session.env(), self.case_dir)
        self.check = Checker(self.log)

    def exe(self, name):
        """A program of the build folder."""
        path = self.bin_dir / name
        if not path.is_file():
            raise FileNotFoundError(f"{path} is missing: build the win64 preset first")
        return path

    def log(self, line):
        print(line, flush=True)
        self._log_file.write(line + "\n")
        self._log_file.flush()

    def __enter__(self):
        if not self.session.prefix_ready():
            raise WineError(f"no prefix at {self.session.prefix}: run its 'prefix' step first")
        try:
            self.session.start_display()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def close(self):
        try:
            self.session.stop()
        finally:
            self._log_file.close()

    def shot(self, name):
        self.desktop.screenshot(name)


class Harness(Stage):
    def __init__(self, bin_dir, out, display, source, case_name, prefix_variant=None):
        super().__init__(bin_dir, out, display, case_name, prefix_variant)
        self.ids = ControlIds(Path(source) / "src" / "layout" / "control_ids.h")
        self.probe = Probe(self.session, self.exe(PROBE_EXE))
        self.ui = LumivexUi(self.probe, self.desktop, self.ids)
        self.fixture = Fixture(self.session, self.probe, self.exe(FIXTURE_EXE), self.case_dir / "facts.json")

    def __enter__(self):
        super().__enter__()
        try:
            started = time.monotonic()
            self.lumivex_process = self.session.start(self.exe(LUMIVEX_EXE), [], "lumivex")
            self.ui.wait_started()
            self.fixture.start()
            self.log(f"Lumivex and the fixture up in {time.monotonic() - started:.1f} s")
        except BaseException:
            self.close()
            raise
        return self

    @contextlib.contextmanager
    def lumivex_held_still(self):
        """Lumivex stopped for the duration: what it shows on the screen
        stays as it is, whatever its timers were about to do."""
        os.kill(self.lumivex_process.pid, signal.SIGSTOP)
        try:
            yield
        finally:
            os.kill(self.lumivex_process.pid, signal.SIGCONT)

    # -- screenshots -----------------------------------------------------

    def shot_main(self, name):
        """The screen, and Lumivex's main window on its own."""
        self.desktop.screenshot(name)
        self.desktop.screenshot(name + "-main", crop=self.ui.state().rect)

    def shot_tab(self, index, name):
        """Shows a tab and leaves a screenshot of it; returns Lumivex's state."""
        state = self.ui.select_tab(index)
        self.shot_main(name)
        return state

    def shot_pick(self, name):
        """A pick's result on the tabs it filled: " 常规 " and " 窗口 "."""
        self.shot_main(name + "-general")
        self.ui.select_tab(WINDOW_TAB)
        self.shot_main(name + "-window")
        self.ui.select_tab(GENERAL_TAB)

    # -- picking ---------------------------------------------------------

    def pick_point(self, role):
        """Where to drop the finder on a fixture window: the middle of it
        (nothing of the fixture lies over any middle), except for the main
        window, whose middle is covered by a control."""
        if role == "main":
            return tuple(self.fixture.facts.data["mainEmptySpot"])
        left, top, right, bottom = self.fixture.facts.window(role)["rect"]
        return ((left + right) // 2, (top + bottom) // 2)

    def pick(self, role, point=None):
        """Picks a fixture window with the finder; returns Lumivex's state
        and the fixture's facts as of right after the pick."""
        return self.pick_window(self.fixture.facts.window(role)["handle"], point or self.pick_point(role))

    def pick_window(self, hwnd, point):
        """Picks any window with the finder dropped at `point`, which lies
        on it; returns Lumivex's state and the fixture's facts as of right
        after the pick."""
        state, (outlined, seen) = self.ui.pick(point, hwnd)
        self.check.true("the finder outlined the window before the release", outlined, seen)
        return state, self.fixture.refresh()
