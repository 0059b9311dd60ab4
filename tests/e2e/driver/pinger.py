"""The probe pinging Lumivex's main window in the background (its `ping`
command) for as long as a step runs; what it measured once stopped."""

import json
import time

from wine import windows_path

PING_PERIOD_MS = 20
# A bound for a pinger whose stop file never comes: longer than any case,
# a hand run of the long read over all 200,000 items too.
PING_MOST_MS = 1_200_000


class Pinger:
    def __init__(self, h, name):
        self.h = h
        self.name = name
        self.stop_file = h.case_dir / f"{name}.stop"
        self.started_file = h.case_dir / f"{name}.stop.started"
        self.result = None

    def __enter__(self, timeout=60.0):
        """Starts the pings and returns once the first was answered."""
        self.stop_file.unlink(missing_ok=True)
        self.started_file.unlink(missing_ok=True)
        command = f"ping:{PING_PERIOD_MS}:{PING_MOST_MS}:{windows_path(self.stop_file)}"
        self.process = self.h.session.start(self.h.probe.exe, [command], self.name)
        deadline = time.monotonic() + timeout
        while not self.started_file.exists():
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError(f"{self.name}: the pings did not start")
            time.sleep(0.1)
        return self

    def __exit__(self, *exc):
        if self.result is None:
            self.stop()
        return False

    def stop(self, timeout=60.0):
        """Stops the pings; their count, the longest answer time and when
        the first and the last were made (probe/long_watch.h)."""
        self.stop_file.write_text("stop\n")
        try:
            self.process.wait(timeout=timeout)
        finally:
            self.stop_file.unlink(missing_ok=True)
            self.started_file.unlink(missing_ok=True)
        out = self.h.session.logs / f"{self.name}.out"
        self.result = json.loads(out.read_text(encoding="utf-8"))[0]["result"]
        self.h.log(f"{self.name}: {self.result}")
        return self.result


def unix_ms():
    return int(time.time() * 1000)
