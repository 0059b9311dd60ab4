"""A Wine session of the end-to-end tests: a virtual X display, a prefix,
and the Windows programs started in it, all ended together.

Every Wine process gets files for stdin, stdout and stderr: a Wine process
that inherits the write end of a pipe keeps its reader (ctest, a shell
capture) waiting long after the test is over.
"""

import os
import shutil
import signal
import subprocess
import time
from pathlib import Path

from desktop import SCREEN

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver64"
PREFIX_READY = ".lumivex-e2e-ready"


class WineError(RuntimeError):
    pass


def windows_path(path):
    """The Z: drive path Wine gives a Unix path."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def _process_cmdline(pid):
    try:
        return Path(f"/proc/{pid}/cmdline").read_bytes().split(b"\0")
    except OSError:
        return []


class WineSession:
    def __init__(self, prefix, display, logs):
        self.prefix = Path(prefix)
        self.display = display
        self.logs = Path(logs)
        self.logs.mkdir(parents=True, exist_ok=True)
        self._xvfb = None
        self._pid_file = self.prefix.parent / f"xvfb-{display}.pid"
        self._background = []

    def env(self):
        env = dict(os.environ)
        # The locale decides Wine's ANSI code page: zh_CN.UTF-8 gives 936.
        # An LC_ALL or LC_CTYPE from outside would override LANG.
        for name in ("LC_ALL", "LC_CTYPE"):
            env.pop(name, None)
        env.update({
            "WINELOADER": WINE,
            "WINESERVER": WINESERVER,
            "WINEPREFIX": str(self.prefix),
            "WINEDEBUG": "-all",
            # No network: never offer to download Mono or Gecko.
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "LANG": "zh_CN.UTF-8",
            "DISPLAY": f":{self.display}",
        })
        return env

    # -- display ---------------------------------------------------------

    def _display_answers(self):
        return subprocess.run(["xdpyinfo"], env=self.env(), stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def _end_stale_xvfb(self):
        """An Xvfb of an earlier run that was killed before it could clean
        up: ended by the process id it left behind, and only if that process
        is still our Xvfb on our display."""
        try:
            pid = int(self._pid_file.read_text())
        except (OSError, ValueError):
            return
        cmdline = _process_cmdline(pid)
        if cmdline and cmdline[0].endswith(b"Xvfb") and f":{self.display}".encode() in cmdline:
            os.kill(pid, signal.SIGTERM)
            # Until it has gone, the display still answers and its lock
            # file stays.
            deadline = time.monotonic() + 10
            while _process_cmdline(pid) == cmdline and time.monotonic() < deadline:
                time.sleep(0.1)
        self._pid_file.unlink(missing_ok=True)

    def start_display(self):
        self._end_stale_xvfb()
        if self._display_answers():
            raise WineError(f"display :{self.display} is in use by someone else")
        log = open(self.logs / "xvfb.log", "wb")
        self._xvfb = subprocess.Popen(
            ["Xvfb", f":{self.display}", "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"],
            stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
        log.close()
        self._pid_file.parent.mkdir(parents=True, exist_ok=True)
        self._pid_file.write_text(str(self._xvfb.pid))
        for _ in range(100):
            if self._display_answers():
                return
            if self._xvfb.poll() is not None:
                break
            time.sleep(0.1)
        raise WineError(f"Xvfb :{self.display} did not start (see {self.logs / 'xvfb.log'})")

    # -- prefix ----------------------------------------------------------

    def prefix_ready(self):
        return (self.prefix / PREFIX_READY).exists()

    def make_prefix(self, settings=()):
        """A fresh prefix, once; later runs reuse it. `settings`: registry
        values set in it, as (key, name, type, data)."""
        if self.prefix_ready():
            return
        if self.prefix.exists():
            shutil.rmtree(self.prefix)  # a half-made prefix from an interrupted run
        self.prefix.mkdir(parents=True)
        self.run([WINE, "wineboot", "-i"], "wineboot", timeout=120)
        self._wineserver("-w", timeout=60)
        for number, (key, name, kind, data) in enumerate(settings, 1):
            self.run([WINE, "reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f"], f"reg-{number}")
        if settings:
            # Read at the wineserver's next start only.
            self._wineserver("-w", timeout=60)
        (self.prefix / PREFIX_READY).write_text("made by the end-to-end driver\n")

    # -- programs --------------------------------------------------------

    def _files(self, name):
        return (open(self.logs / f"{name}.out", "wb"), open(self.logs / f"{name}.err", "wb"))

    def start(self, exe, args, name):
        """Starts a Windows program in the background."""
        out, err = self._files(name)
        with out, err:
            process = subprocess.Popen([WINE, str(exe), *args], env=self.env(), stdin=subprocess.DEVNULL,
                                       stdout=out, stderr=err, start_new_session=True)
        self._background.append(process)
        return process

    def start_piped(self, exe, args, name):
        """Starts a Windows program in the background with its standard
        output a pipe of ours (its stderr goes to a file). Read the pipe
        for what the program says, not to its end: another Wine process
        may have inherited the write end."""
        err = open(self.logs / f"{name}.err", "wb")
        with err:
            process = subprocess.Popen([WINE, str(exe), *args], env=self.env(), stdin=subprocess.DEVNULL,
                                       stdout=subprocess.PIPE, stderr=err, start_new_session=True)
        self._background.append(process)
        return process

    def run(self, command, name, timeout=30):
        """Runs a program to its end; returns what it wrote to stdout."""
        out, err = self._files(name)
        with out, err:
            try:
                completed = subprocess.run(command, env=self.env(), stdin=subprocess.DEVNULL, stdout=out,
                                           stderr=err, timeout=timeout)
            except subprocess.TimeoutExpired as error:
                raise WineError(f"{name} did not finish within {timeout} s") from error
        if completed.returncode != 0:
            raise WineError(f"{name} ended with {completed.returncode} (see {self.logs / (name + '.err')})")
        return (self.logs / f"{name}.out").read_bytes()

    def run_windows(self, exe, args, name, timeout=30):
        return self.run([WINE, str(exe), *args], name, timeout)

    # -- the end ---------------------------------------------------------

    def _wineserver(self, flag, timeout=30):
        subprocess.run([WINESERVER, flag], env=self.env(), stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout)

    def stop(self):
        """Ends every Windows program of the prefix, then the display."""
        try:
            self._wineserver("-k")
            self._wineserver("-w")
        except subprocess.TimeoutExpired:
            pass
        for process in self._background:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
            if process.stdout is not None:
                process.stdout.close()
        if self._xvfb is not None:
            self._xvfb.terminate()
            try:
                self._xvfb.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
            self._xvfb = None
            self._pid_file.unlink(missing_ok=True)
