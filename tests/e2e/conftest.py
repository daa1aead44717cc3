"""Fixtures of the end-to-end scenarios: each test gets a private X server, a
fresh Wine prefix, (unless marked no_desktop) the shared Wine virtual desktop,
a work folder under build/e2e/work/TEST/, and a screenshot on failure.

The X server: pytest-xvfb keeps one server up for the whole run, so nothing a
test starts outside its session ever reaches the user's display; each test
gets a server of its own from pyvirtualdisplay (the library pytest-xvfb drives)
because pytest-xvfb offers one server per run, while a scenario needs a screen
no earlier scenario drew on and -fbdir for true screenshots."""

import os
import shutil
import sys
from pathlib import Path

import pytest

sys.path.insert(0, str(Path(__file__).parent))

from check import fail  # noqa: E402
from muralto import App  # noqa: E402
from session import Session  # noqa: E402

REPO = Path(__file__).resolve().parents[2]


def pytest_addoption(parser):
    parser.addoption("--windows-build", default=os.environ.get("E2E_WINDOWS_BUILD", str(REPO / "build/windows")),
                     help="the Windows build tree (default build/windows)")
    parser.addoption("--dist", default=None,
                     help="the release packages of that build (default: dist/ beside the build tree)")
    parser.addoption("--update-refs", action="store_true",
                     help="make the reference pictures (tests/e2e/references) instead of checking against them")


def pytest_configure(config):
    config.addinivalue_line("markers", "no_desktop: run without the shared Wine virtual desktop")
    config.addinivalue_line("markers", "requires(*paths): files of the Windows build (relative) the test needs")
    config.addinivalue_line("markers", "pixels: compares windows with reference pictures (make e2e-references)")


def file_name(item):
    """The test's name with brackets made dashes: ImageMagick reads brackets
    in a file name as a frame number."""
    return item.name.replace("[", "-").replace("]", "")


def failure_name(item):
    return file_name(item) + "-failure"


@pytest.fixture(scope="session")
def windows_build(pytestconfig):
    return Path(pytestconfig.getoption("--windows-build")).resolve()


@pytest.fixture(scope="session")
def build(windows_build):
    return windows_build.parent


@pytest.fixture(scope="session")
def dist_folder(pytestconfig, windows_build):
    chosen = pytestconfig.getoption("--dist")
    return Path(chosen).resolve() if chosen else windows_build.parent / "dist"


@pytest.fixture
def session(request, windows_build, build, dist_folder):
    # A scenario that finds what it needs missing fails before any X server
    # or prefix is made. A path under "dist/" is one of the release packages.
    needed = ["tests/e2e/e2e-driver.exe"]
    for mark in request.node.iter_markers("requires"):
        needed += mark.args
    where = [dist_folder / p.removeprefix("dist/") if p.startswith("dist/") else windows_build / p for p in needed]
    missing = [str(p) for p in where if not p.exists()]
    if missing:
        fail(f"not built: {' '.join(missing)}")
    work = build / "e2e" / "work" / file_name(request.node)
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    artifacts = build / "artifacts"
    (artifacts / f"{failure_name(request.node)}.png").unlink(missing_ok=True)
    s = Session(build, REPO, work, artifacts, windows_build / "tests/e2e/e2e-driver.exe")
    s.update_refs = request.config.getoption("--update-refs")
    try:
        if not request.node.get_closest_marker("no_desktop"):
            s.start_desktop()
        yield s
    finally:
        s.close()


@pytest.fixture
def driver(session):
    return session.driver


@pytest.fixture
def app(session, windows_build):
    """A fresh program folder (work/app) with the executable and the language files."""
    return App(session, session.work / "app", windows_build)


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    report = outcome.get_result()
    if report.skipped and not hasattr(report, "wasxfail"):
        # A scenario never skips: what it needs missing is a failure.
        reason = report.longrepr[2] if isinstance(report.longrepr, tuple) else str(report.longrepr)
        report.outcome = "failed"
        report.longrepr = f"skipped, and a scenario must not skip: {reason}"
    if report.failed and call.when == "call" and "session" in item.funcargs:
        # The screen at the moment of the failure, before the teardown.
        try:
            shot = item.funcargs["session"].shot(failure_name(item))
            note = f"screenshot: {shot}"
        except Exception as e:  # the screen may be what failed
            note = f"no screenshot: {e}"
        if isinstance(report.longrepr, str):
            report.longrepr += "\n" + note
        else:
            report.longrepr.addsection("screenshot", note)
