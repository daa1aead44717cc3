"""The tools under the scenarios: the driver against a window of our own,
Wine's fonts, and scripts/xsession's teardown."""

import os
import signal
import subprocess
from pathlib import Path

import pytest

from check import expect_eq, expect_in, fail, poll

TARGET = "tests/e2e/e2e-target.exe"


@pytest.mark.requires(TARGET)
def test_driver_target(session, driver, windows_build):
    """Every command a program scenario relies on, proven before the program is there to be driven."""
    target = windows_build / TARGET
    program = session.start(target)
    window = driver.wait_window("MuraltoE2ETarget", "E2E Target", 30) or fail("the target window never appeared")
    # The title is found without regard to case, as FindWindowA does.
    expect_eq(driver.find("muraltoe2etarget", "e2e target"), window, "case-blind find")
    expect_eq(driver.visible(window), True, "visible")

    title, children = driver.texts(window)
    expect_eq(title, "E2E Target", "window text")
    shown = [(c.cls, c.id, c.text) for c in children]
    for part in [("Button", 10, "Press"), ("Static", 11, "idle"), ("Edit", 12, "typed")]:
        expect_in(part, shown, "children")

    driver.click(window, "Press")
    driver.wait_text(window, "pressed") or fail("the click did not arrive")
    driver.command(window, 40001)
    driver.wait_text(window, "marked") or fail("the menu command did not arrive")
    driver.post(window, 0x6FF, 0, 0x203)
    driver.wait_text(window, "tray double-click") or fail("the posted message did not arrive")
    edit = next(c.handle for c in children if c.cls == "Edit")
    driver.set_text(edit, "set from outside")
    driver.wait_text(window, "set from outside") or fail("WM_SETTEXT did not arrive")
    items = next(c.handle for c in children if c.cls == "SysListView32")
    expect_eq(driver.list_items(items), [(True, "C:\\Pictures"), (False, "D:\\Photos with blanks")], "list items")
    expect_eq(driver.rect(window).place[2:], (280, 240), "window size")
    session.shot("driver-target")

    # A new prefix holds an empty wallpaper value; a missing value fails the check.
    expect_eq(driver.reg_get(r"HKCU\Control Panel\desktop", "Wallpaper"), "", "Wallpaper")
    expect_eq(driver.reg_get(r"HKCU\Control Panel\desktop", "NoSuchValue"), None, "a missing value")

    # The close box ends the target with its exit code.
    driver.sysclose(window)
    driver.wait_gone(window) or fail("the window stayed")
    expect_eq(session.ended(program, 20), 7, "exit code through wine")

    # A process started elsewhere: found by its window, waited for by its id.
    session.start(target, "-hidden")
    hidden = driver.wait_window("MuraltoE2ETarget", "-", 30) or fail("the hidden target never appeared")
    expect_eq(driver.visible(hidden), False, "hidden")
    result = driver.wait_process(driver.window_pid(hidden), 30)
    driver.close(hidden)
    expect_eq(result(), 7, "wait-process")
    expect_eq(driver.run(20, "cmd", "/c", "exit", "5"), 5, "run")


@pytest.mark.no_desktop
def test_wine_fonts(driver):
    """The faces the program's windows ask for are Wine's own, not fontconfig's
    stand-ins: "MS Sans Serif" at 8 points is the bitmap face of 13-pixel
    cells, and Marlett draws the caption buttons (without it they show letters)."""
    for face, height, cell in [("MS Sans Serif", 11, 13), ("Tahoma", 11, 13), ("Marlett", 11, 11)]:
        chosen, chosen_cell, _, _ = driver.font(face, height)
        expect_eq(chosen, face, f"face chosen for {face}")
        expect_eq(chosen_cell, cell, f"cell height of {face}")


@pytest.mark.no_desktop
def test_xsession_teardown(session, build):
    """A session of scripts/xsession interrupted in the middle leaves nothing
    behind: not its X server, not its Wine programs, not its copy of the prefix."""
    info = session.work / "session.txt"
    inner = subprocess.Popen(
        [session.repo / "scripts/xsession", "--build", build, "--desktop", "Inner", "--", "bash", "-c",
         'wine notepad >/dev/null 2>&1 & echo "$DISPLAY $WINEPREFIX" >"$0"; sleep 600', info],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        poll("the inner session did not start", lambda: info.exists() and " " in info.read_text(), 60)
        display, prefix = info.read_text().split()
        expect_eq(display != session.env["DISPLAY"], True, "the inner session has a display of its own")
        env = dict(session.env, DISPLAY=display, WINEPREFIX=prefix)
        found = subprocess.run(["wine", session.driver.exe, "wait-window", "Notepad", "-", "30"], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
        expect_eq(found, 0, "notepad in the inner session")
        inner.send_signal(signal.SIGTERM)
        expect_eq(inner.wait(60), 143, "status of a terminated session")
    finally:
        if inner.poll() is None:
            inner.kill()
    n = display.lstrip(":")
    if Path(f"/tmp/.X{n}-lock").exists():
        fail(f"the X server's lock /tmp/.X{n}-lock is left")
    answers = subprocess.run(["xdpyinfo", "-display", display], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    expect_eq(answers.returncode != 0, True, f"the X server {display} has gone")
    # Every Wine process of the session, the server included, carries its prefix.
    left = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            if f"WINEPREFIX={prefix}".encode() in Path(f"/proc/{pid}/environ").read_bytes().split(b"\0"):
                left.append(pid)
        except OSError:
            pass
    expect_eq(left, [], "processes of the session left")
    if Path(prefix).exists():
        fail(f"the prefix copy {prefix} is left")
