"""The fixture program: its windows and the facts it writes about them."""

import json
import time

from wine import windows_path

# Mirrors tests/e2e/fixture/fixture_protocol.h.
WM_APP = 0x8000
WM_FIXTURE_WRITE_FACTS = WM_APP + 1
WM_FIXTURE_HANG = WM_APP + 2
WM_FIXTURE_BUSY = WM_APP + 3
WM_FIXTURE_MAKE_UNICODE = WM_APP + 4
WM_FIXTURE_MAKE_LONG_LIST = WM_APP + 5
WM_FIXTURE_GATE_LONG_LIST = WM_APP + 6
LONG_LIST_GATE_STEP_MS = 100


def long_list_item(index):
    """Item `index` (from 0) of the long list box, as long_list_window.cpp
    makes it; its facts give the first, the last and the whole CRC-32 to
    hold this against."""
    return f"项目 {index + 1:06d}"


class Facts:
    def __init__(self, data):
        self.data = data

    @property
    def path(self):
        return self.data["path"]

    @property
    def sequence(self):
        return self.data["sequence"]

    def window(self, role):
        return self.data["windows"][role]

    @property
    def contents(self):
        return self.data["contents"]


class Fixture:
    def __init__(self, session, probe, exe, facts_file):
        self.session = session
        self.probe = probe
        self.exe = exe
        self.facts_file = facts_file
        self.facts = None

    def start(self, timeout=60.0):
        self.facts_file.unlink(missing_ok=True)
        self.session.start(self.exe, [windows_path(self.facts_file)], "fixture")
        deadline = time.monotonic() + timeout
        while not self.facts_file.exists():
            if time.monotonic() > deadline:
                raise RuntimeError("the fixture wrote no facts file")
            time.sleep(0.2)
        self.facts = self._load()
        return self.facts

    def _load(self):
        return Facts(json.loads(self.facts_file.read_text(encoding="utf-8")))

    def refresh(self):
        """Facts as of now: Z order, and with it the related windows, change
        whenever a window is activated."""
        before = self.facts.sequence
        main = self.facts.window("main")["handle"]
        answer = self.probe.one(f"send:{main}:{WM_FIXTURE_WRITE_FACTS}")
        if not answer["ok"] or answer["result"] != 1:
            raise RuntimeError(f"the fixture did not rewrite its facts: {answer}")
        self.facts = self._load()
        if self.facts.sequence <= before:
            raise RuntimeError("the facts file was not rewritten")
        return self.facts

    def wait_window(self, role, condition, timeout=15.0, interval=0.2):
        """The probe's report of a fixture window once `condition` holds for
        it, or the last report when time runs out."""
        deadline = time.monotonic() + timeout
        while True:
            report = self.probe.window(self.facts.window(role)["handle"])
            if condition(report) or time.monotonic() > deadline:
                return report
            time.sleep(interval)

    def hang(self, timeout=40.0):
        """Stops the hang window's thread and waits until the system reports
        the window as not responding (about five seconds under Wine)."""
        hang = self.facts.window("hang")["handle"]
        if not self.probe.one(f"post:{hang}:{WM_FIXTURE_HANG}")["ok"]:
            raise RuntimeError("could not post the hang request")
        deadline = time.monotonic() + timeout
        while not self.probe.one(f"window:{hang}")["hung"]:
            if time.monotonic() > deadline:
                raise RuntimeError("the hang window never counted as not responding")
            time.sleep(0.5)
