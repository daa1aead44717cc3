"""Starting the program: the first start in a fresh folder, a second start
while a copy runs, and a start whose settings file cannot be written."""

import hashlib
import subprocess

import pytest

from check import expect_eq, fail, poll
from muralto import HELP, RUN_KEY, SETTINGS, TITLE, Picks, expect_crlf_file, picture, settings_text
from pixels import expect_looks

MAIN_TEXTS = ["Start", "Add", "Delete", "Clear", " Selection ", "Random", "Sequential", " Position ", "Centered",
              "Stretched", "Tiled", " Interval ", "Hours:", "Minutes:", "Seconds:"]


@pytest.mark.pixels
@pytest.mark.requires("Muralto.exe")
def test_first_start(session, driver, app):
    """A first start in a fresh folder: the main window with its texts,
    looking as its reference picture shows it, the
    main settings file written with every default and the auto-start value;
    closing by the close box writes both files and ends the program."""
    window = app.start()
    children = driver.children(window)
    shown = [c.text for c in children]
    for text in MAIN_TEXTS:
        if text not in shown:
            fail(f'no control shows "{text}"')
    # The hour edit moved from 0 to the default 1; minutes and seconds stay 0.
    expect_eq([c.text for c in children if c.cls == "Edit"], ["1", "0", "0"], "interval edits")
    r = driver.rect(window)
    expect_eq((r.client_width, r.client_height), (386, 310), "client area")
    session.shot("muralto-main-window")
    expect_looks(session, "main-empty", window)

    expect_crlf_file(app.ini, settings_text(), "settings after the set-up")
    expect_eq(driver.reg_get(RUN_KEY, TITLE), f"{session.winpath(app.exe)} -a", "auto-start value")
    app.close_box()
    expect_crlf_file(app.ini, settings_text(), "settings after closing")
    expect_crlf_file(app.folders_ini, ["[Folders]", "Total=0"], "folder list after closing")


def state(session, app):
    """What a second copy must leave alone: the program folder's files (but
    the wallpaper, which the rotation remakes), the Run value, the desktop's
    registry values."""
    files = sorted((str(p.relative_to(app.folder)), p.stat().st_size, p.stat().st_mtime_ns,
                    hashlib.md5(p.read_bytes()).hexdigest())
                   for p in app.folder.rglob("*") if p.is_file() and p.name != "wallpaper.bmp")
    desktop = subprocess.run(["wine", "reg", "query", r"HKCU\Control Panel\desktop"], env=session.env,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
    return files, session.driver.reg_get(RUN_KEY, TITLE), desktop.replace("\r", "")


def second_start(session, app, what):
    """A second copy ends with 0 at once and touches nothing."""
    before = state(session, app)
    expect_eq(session.wine(app.exe, timeout=60), 0, "exit status of the second copy")
    expect_eq(state(session, app), before, f"files and registry after the second start ({what})")


def foreground_process(driver):
    front = driver.foreground() or fail("no foreground window")
    return driver.window_pid(front[0])


def foreground(driver):
    return (driver.foreground() or [None])[0]


@pytest.mark.requires("Muralto.exe", "tests/e2e/e2e-target.exe")
def test_second_start_brings_the_shown_copy_forward(session, driver, app, windows_build):
    """While a copy runs with its window shown, a second start ends with 0 and
    changes nothing, and the window the user works with comes to the front
    from behind another program's: the main window itself, shown and the
    foreground window, with the focus on the control that had it; while
    Options or the About box is open, that dialog."""
    window = app.start()
    focus = poll("no control of the main window has the focus", lambda: driver.focus(window))

    def from_behind_another_program(expected, what):
        other = session.start(windows_build / "tests/e2e/e2e-target.exe")
        target = driver.wait_window("MuraltoE2ETarget", "E2E Target", 60) or fail("no other program's window")
        poll("the other program did not come to the front", lambda: foreground(driver) == target)
        second_start(session, app, what)
        if app.program.poll() is not None:
            fail("the first copy has ended")
        poll(lambda: f"after the second start the foreground window is {driver.foreground()}, not {what}",
             lambda: foreground(driver) == expected, 10)
        expect_eq(driver.visible(expected), True, f"{what} shown")
        order = [w.handle for w in driver.list() if w.handle in (expected, window, target)]
        expect_eq(order[0], expected, f"the window on top: {what} or the other program's")
        # The main window comes up with its dialog, never left behind the other program's.
        expect_eq(order.index(window) < order.index(target), True, f"the main window above the other program's: {order}")
        driver.close(target)
        if session.ended(other) is None:
            fail("the other program did not end")

    from_behind_another_program(window, "the main window")
    expect_eq(driver.find("TForm1", TITLE), window, "the first copy's window")
    expect_eq(driver.focus(window), focus, "the control with the focus")
    session.shot("muralto-second-copy")
    for x, cls, title in [(SETTINGS, "TFormOptions", "Options"), (HELP, "TAboutBox", "About Program")]:
        dialog = app.open_dialog(x, cls, title)
        from_behind_another_program(dialog, f"the {title} dialog")
        session.shot(f"muralto-second-copy-{cls}")
        driver.sysclose(dialog)
        poll(f"the {title} dialog stayed open", lambda: not driver.visible(dialog))
    app.close_box()


@pytest.mark.requires("Muralto.exe")
def test_second_start_leaves_the_hidden_copy_hidden(session, driver, app):
    """A copy started hidden with "-a" and the tray icon off stays hidden when
    a second copy starts: the second only brings the running copy's
    application window forward and ends with 0, touching no file and no
    registry value; the rotation goes on. Its next pick comes after whatever
    the second copy could have sent, so the window is still hidden once that
    has been handled."""
    picture(session.pictures / "a.bmp", 64, 48, (200, 40, 40))
    app.folders(session.pictures)
    app.settings(Auto_Start=0, tray=0, Hour=0, Sec=1)
    picks = Picks(app.wallpaper)
    window = app.start("-a", shown=False)
    picks.next()
    expect_eq(driver.visible(window), False, "hidden after -a")

    second_start(session, app, "hidden copy")
    picks.next()
    expect_eq(driver.visible(window), False, "the hidden copy's window after the second start")
    expect_eq(foreground_process(driver), driver.window_pid(window), "the process of the foreground window")
    session.shot("muralto-hidden-after-second-start")
    driver.close(window)
    app.expect_ended("closing")
