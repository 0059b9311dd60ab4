"""The platform contract suite (tests/contract) on the real platform: the
win64 LumivexContract.exe runs every case under Wine against windows of its
own fixture process. Each case must pass; where Wine differs from Windows
the suite says so beside the case, and a case it skips is logged with why."""

import xml.etree.ElementTree as ElementTree

from cases import case
from wine import WINE, WineError, windows_path

SUITE_EXE = "LumivexContract.exe"
FIXTURE_EXE = "LumivexContractFixture.exe"
# A deadline for a suite that hangs, not a measure: it runs in seconds.
SUITE_DEADLINE_S = 180


def _unmanaged(h, exe):
    """Without a window manager Wine waits two seconds, for an answer that
    never comes, whenever it hides a window it has handed to one; windows of
    the suite's programs are kept to Wine itself (a per-program setting)."""
    key = rf"HKCU\Software\Wine\AppDefaults\{exe}\X11 Driver"
    h.session.run([WINE, "reg", "add", key, "/v", "Managed", "/d", "N", "/f"], f"reg-{exe}")


def _outcomes(report):
    """(name, outcome, message) of every case in GoogleTest's XML report."""
    for test in ElementTree.parse(report).getroot().iter("testcase"):
        name = f"{test.get('classname')}.{test.get('name')}"
        failure, skipped = test.find("failure"), test.find("skipped")
        if failure is not None:
            yield name, "failed", failure.get("message", "")
        elif skipped is not None or test.get("result") == "skipped":
            yield name, "skipped", "" if skipped is None else skipped.get("message", "")
        else:
            yield name, "passed", ""


@case("platform_contract", bare=True)
def platform_contract(h):
    suite = h.exe(SUITE_EXE)
    h.exe(FIXTURE_EXE)
    for exe in (SUITE_EXE, FIXTURE_EXE):
        _unmanaged(h, exe)
    report = h.case_dir / "contract.xml"
    report.unlink(missing_ok=True)
    try:
        h.session.run_windows(suite, [f"--gtest_output=xml:{windows_path(report)}"], "contract",
                              timeout=SUITE_DEADLINE_S)
        ended = "with 0"
    except WineError as error:
        ended = str(error)
    h.check.equal("the suite ended", "with 0", ended)
    if not h.check.true("the suite wrote its report", report.exists(), f"no {report}"):
        return
    outcomes = list(_outcomes(report))
    h.check.true("cases ran", outcomes, "the report lists no case")
    for name, outcome, message in outcomes:
        if outcome == "skipped":
            h.log(f"skipped under Wine: {name}: {message}")
    h.check.equal("failed cases", [], [(name, message) for name, outcome, message in outcomes if outcome == "failed"])
    h.log(f"{sum(o == 'passed' for _, o, _ in outcomes)} of {len(outcomes)} cases passed; output in logs/contract.out")
