"""Lumivex's read-only mode, in which the 32-bit program has its 64-bit twin
read what it cannot: the 64-bit build started by hand on the fixture's tree
view and list view, with its standard output a pipe of the driver's, writes
the same text the normal read shows in Notepad (case read_lists), opens no
window and ends. Then the 32-bit program's side of the hand-over
(LumivexTwinCheck.exe, the same logic on the real platform) starts it
through a real Windows pipe and reads the same text back."""

import select
import time

from cases import case
from notepad import crlf
from twin_answer import parse
from wine import windows_path

TWIN_CHECK_EXE = "LumivexTwinCheck.exe"


def tree_lines(contents):
    lines = []
    for root in contents["treeview"]:
        lines.append(root["text"])
        lines.extend(root["children"] if root["expanded"] else [])
    return crlf(lines)


def list_rows(contents):
    return crlf("\t".join(row) for row in contents["blank_listview"][1:])


def run_twin(h, args, name, timeout=60):
    """Starts the 64-bit build with `args`, reads its pipe until its answer
    is whole (or the program has ended with nothing more in the pipe), waits
    for it to end; returns the bytes and the exit code."""
    process = h.session.start_piped(h.bin_dir / "Lumivex.exe", args, name)
    data = b""
    deadline = time.monotonic() + timeout
    while parse(data) is None and time.monotonic() < deadline:
        ready, _, _ = select.select([process.stdout], [], [], 0.2)
        if ready:
            more = process.stdout.read1(65536)
            if not more:
                break
            data += more
        elif process.poll() is not None:
            # It has ended and nothing more is waiting; a Wine process that
            # inherited the pipe may keep it from ending.
            break
    code = process.wait(timeout=max(1.0, deadline - time.monotonic()))
    (h.case_dir / f"{name}.bin").write_bytes(data)
    return data, code


def twin_check(h, twin, key, hwnd, name):
    """The hand-over's outcome as LumivexTwinCheck.exe reports it."""
    out = h.case_dir / f"{name}.txt"
    out.unlink(missing_ok=True)
    started = time.monotonic()
    h.session.run_windows(h.bin_dir / TWIN_CHECK_EXE, [windows_path(twin), key, f"{hwnd:X}", windows_path(out)],
                          name, timeout=60)
    h.log(f"{name}: the hand-over took {time.monotonic() - started:.2f} s, start of the check program included")
    head, _, text = out.read_bytes().decode("utf-8").partition("\n\n")
    report = dict(line.split("=", 1) for line in head.split("\n") if line)
    report["text"] = text
    return report


@case("twin_read")
def twin_read(h):
    facts = h.fixture.facts
    contents = facts.contents
    targets = [("GetTreeViewText", facts.window("treeview")["handle"], tree_lines(contents)),
               ("GetListViewText", facts.window("blank_listview")["handle"], list_rows(contents))]
    for key, hwnd, expected in targets:
        with h.check.context(f"{key}: the read-only mode into the driver's pipe"):
            started = time.monotonic()
            data, code = run_twin(h, ["/read", key, f"0x{hwnd:08X}"], f"twin-{key}")
            h.log(f"the 64-bit build's standard output brought {len(data)} bytes into the driver's pipe "
                  f"in {time.monotonic() - started:.2f} s")
            h.check.true("its standard output reached the pipe", len(data) > 0, "no byte arrived")
            answer = parse(data) or {}
            h.check.equal("outcome", ("None", "0", "0", "0"),
                          tuple(answer.get(k) for k in ("error", "stopped", "cancelled", "kept")))
            h.check.equal("text", expected, answer.get("text"))
            h.check.equal("exit code", 0, code)
    with h.check.context("a read of a reader the read-only mode does not take"):
        data, code = run_twin(h, ["/read", "GetWindowText", f"0x{targets[0][1]:08X}"], "twin-refused")
        h.check.equal("nothing written", b"", data)
        h.check.equal("exit code", 1, code)
    with h.check.context("no window of the read-only mode's"):
        h.check.equal("Lumivex main windows: the case's own only", 1, len(h.probe.find("LumivexMain")))
        h.shot("after-read-only-mode")
    twin = h.bin_dir / "Lumivex.exe"
    for key, hwnd, expected in targets:
        with h.check.context(f"{key}: handed over through a real pipe"):
            report = twin_check(h, twin, key, hwnd, f"check-{key}")
            h.check.equal("outcome", {"found": "1", "error": "0", "stopped": "0", "cancelled": "0"},
                          {k: report.get(k) for k in ("found", "error", "stopped", "cancelled")})
            h.check.equal("text", expected, report["text"])
    with h.check.context("no twin at the path"):
        report = twin_check(h, h.bin_dir / "NoTwinHere.exe", "GetTreeViewText", targets[0][1], "check-missing")
        h.check.equal("not found", "0", report.get("found"))
