"""The rotation on its own: hidden with "-a", in order and at random, past a
broken picture and a damaged folder list."""

import struct
import time

import pytest

from check import expect_eq, expect_in, fail, poll
from muralto import DESKTOP_KEY, Picks, bmp_size, handle, picture, read_lines, write_crlf

pytestmark = pytest.mark.requires("Muralto.exe")

RED, GREEN, BLUE, YELLOW = (200, 40, 40), (40, 160, 40), (40, 40, 200), (200, 200, 40)


def wait_for_picture(app, size):
    """Waits for the wallpaper file to take SIZE (it may be caught half-written)."""
    def shows():
        try:
            return bmp_size(app.wallpaper) == size
        except (OSError, struct.error):
            return False
    poll(f"the wallpaper never became the {size} picture", shows, 20, 0.05)


def test_hidden_rotation(session, driver, app):
    """Started with "-a" on a folder of three pictures in Sequential mode: the
    main window stays hidden, the first pick comes one interval later and is
    the second picture, and the picks go on in order, each written to the
    wallpaper file and the registry."""
    pictures = session.pictures
    picture(pictures / "a.jpg", 64, 48, RED)
    picture(pictures / "b.bmp", 80, 60, GREEN)
    picture(pictures / "c.jpeg", 96, 72, BLUE)
    app.folders(pictures)
    app.settings(Auto_Start=0, Selection=1, Hour=0, Sec=3)
    window = app.start("-a", shown=False)
    wait_for_picture(app, "80x60")
    expect_eq(driver.visible(window), False, "main window hidden while rotating")
    expect_eq(driver.reg_get(DESKTOP_KEY, "Wallpaper"), session.winpath(app.wallpaper), "Wallpaper")
    expect_eq(driver.reg_get(DESKTOP_KEY, "TileWallpaper"), "0", "TileWallpaper")
    expect_eq(driver.reg_get(DESKTOP_KEY, "WallpaperStyle"), "0", "WallpaperStyle")
    session.shot("muralto-rotated-desktop")
    wait_for_picture(app, "96x72")
    wait_for_picture(app, "64x48")
    expect_eq(driver.visible(window), False, "main window still hidden")
    driver.close(window)
    app.expect_ended("closing")


def test_broken_picture(session, driver, app):
    """A ".jpg" that is no JPEG among good pictures, in a Sequential rotation:
    its pick shows the error box "JPEG error #53." titled with the program's
    title, and leaves the wallpaper as it was; once the box is dismissed with
    a click on OK, the rotation goes on with a good picture."""
    pictures = session.pictures
    # The pool lists them a, b, c, d: the picks go b, c (broken), d, a.
    picture(pictures / "a.bmp", 64, 48, RED)
    picture(pictures / "b.bmp", 80, 60, GREEN)
    (pictures / "c.jpg").write_text("this is not a picture\n")
    picture(pictures / "d.jpg", 96, 72, BLUE)
    app.folders(pictures)
    app.settings(Auto_Start=0, Selection=1, Hour=0, Sec=3)
    window = app.start()
    picks = Picks(app.wallpaper)
    app.click(app.child("Start"))
    expect_eq(picks.next(), "80x60", "the first pick")

    box = driver.wait_window("#32770", "Muralto 1.2", 20) or fail("no error box for the broken picture")
    expect_eq(app.message(box), "JPEG error #53.", "the error box's message")
    expect_eq(picks.mark(), picks.last, "the wallpaper file after the failed pick")
    session.shot("muralto-broken-picture")
    app.click(app.child("OK", window=box))
    driver.wait_gone(box) or fail("the error box stayed after OK")

    # The next pick is d, or a when d was picked while the box was still open.
    expect_in(picks.next(), ["96x72", "64x48"], "the pick after the error (d or a)")
    expect_eq(driver.reg_get(DESKTOP_KEY, "Wallpaper"), session.winpath(app.wallpaper), "Wallpaper")
    driver.close(window)
    app.expect_ended("closing")


def test_change_now_behind_box(session, driver, app):
    """Behind an open failure box the rotation goes on and its failing ticks
    open no further box, but a Change Now from the tray menu that fails there
    shows its own box. Pictures a (good), b, c, d (no JPEGs), Sequential,
    every 3 s: b's pick opens the box; c and d fail quietly behind it and a is
    shown; a Change Now right after that picks a broken one."""
    pictures = session.pictures
    picture(pictures / "a.bmp", 64, 48, RED)
    for name in "bcd":
        (pictures / f"{name}.jpg").write_text("not a picture\n")
    app.folders(pictures)
    app.settings(Auto_Start=0, Selection=1, Hour=0, Sec=3)
    window = app.start()
    picks = Picks(app.wallpaper)
    app.click(app.child("Start"))
    first = poll("the first pick (b) opened no failure box", lambda: len(b := app.boxes()) == 1 and b[0])
    expect_eq(app.message(first), "JPEG error #53.", "the first box's message")

    # c and d fail behind the box, then a is shown: the rotation went on.
    expect_eq(picks.next(), "64x48", "the pick behind the box")
    expect_eq(app.boxes(), [first], "boxes after failing ticks behind the box")

    # Change Now, the second row of the tray menu, picks b or c: a box of its own.
    session.mouse(*app.icon_point(), click=3)
    menu = poll("a right-button press on the icon opened no menu", app.open_menu)
    app.choose(menu, 1)
    boxes = poll("the failing Change Now showed no box of its own", lambda: len(b := app.boxes()) == 2 and b)
    second = next(b for b in boxes if b != first)
    expect_eq(app.message(second), "JPEG error #53.", "the second box's message")
    session.shot("muralto-change-now-behind-box")
    for box in (second, first):
        app.click(app.child("OK", window=box))
        driver.wait_gone(box) or fail(f"the box {box} stayed after OK")
    driver.close(window)
    app.expect_ended("closing")


@pytest.mark.requires("tests/e2e/e2e-target.exe")
def test_failure_box_owner(session, driver, app, windows_build):
    """A failure box over the shown main window belongs to it: the taskbar
    shows the main window's button alone, the box lies above the window, and
    with another program in front a real click on that button brings the box
    forward. Over a copy hidden in the tray the box has a button of its own.
    The failure: Change Now from the tray menu on a ".jpg" that is no JPEG."""
    (session.pictures / "c.jpg").write_text("not a picture\n")
    app.folders(session.pictures)
    app.settings(Auto_Start=0)
    window = app.start()
    bar = app.taskbar()
    foreground = lambda: (driver.foreground() or [None])[0]  # noqa: E731

    def buttons():
        return [handle(c.id) for c in driver.children(bar) if c.id and driver.visible(c.handle)]

    def failure_box():
        app.choose(app.tray_menu(), 1)
        box = poll("Change Now showed no failure box", lambda: (b := app.boxes()) and b[0])
        expect_eq(app.message(box), "JPEG error #53.", "the box's message")
        return box

    box = failure_box()
    poll(lambda: f"with the box open over the window the taskbar shows {buttons()}", lambda: buttons() == [window])
    above = next(w.handle for w in driver.list() if w.handle in (box, window))
    expect_eq(above, box, "the window on top: the box or the main window")
    other = session.start(windows_build / "tests/e2e/e2e-target.exe")
    target = driver.wait_window("MuraltoE2ETarget", "E2E Target", 60) or fail("no other program's window")
    poll("the other program did not come to the front", lambda: foreground() == target)
    app.click(app.taskbar_button(window) or fail("no taskbar button for the main window"))
    poll("the taskbar button did not bring the box forward", lambda: foreground() == box)
    session.shot("muralto-failure-box-owned")
    app.click(app.child("OK", window=box))
    driver.wait_gone(box) or fail("the box stayed after OK")
    driver.close(target)
    if session.ended(other) is None:
        fail("the other program did not end")

    # Minimised into the tray: the box stands alone, with a button of its own.
    r = driver.rect(window)
    session.mouse(r.left + r.width - 47, r.top + 11, click=1)
    poll("minimising did not hide the window", lambda: not driver.visible(window))
    box = failure_box()
    poll(lambda: f"with the window hidden the taskbar shows {buttons()}", lambda: buttons() == [box])
    session.shot("muralto-failure-box-alone")
    app.click(app.child("OK", window=box))
    driver.wait_gone(box) or fail("the box stayed after OK")
    driver.close(window)
    app.expect_ended("closing")


def drawn(second, pool):
    """The entry a Random pick made at SECOND takes: the runtime's generator
    seeded with it (one step thrown away), then one draw, modulo the pool size."""
    state = second
    for _ in range(2):
        state = (state * 22695477 + 1) & 0xFFFFFFFF
    return pool[((state >> 16) & 0x7FFF) % len(pool)]


def test_selection(session, driver, app):
    """Two ticked folders of two pictures each, a one-second interval:
    Sequential shows the pool in order from its second entry and wraps (b, c,
    d, a, b), crossing from one folder into the other; after a real click on
    Random the picks come from both folders, each the entry that the
    clock-seeded draw gives for the second in which it was made."""
    pictures = session.pictures
    picture(pictures / "one/a.bmp", 64, 48, RED)
    picture(pictures / "one/b.jpg", 80, 60, GREEN)
    picture(pictures / "two/c.bmp", 96, 72, BLUE)
    picture(pictures / "two/d.jpeg", 112, 84, YELLOW)
    pool = ["64x48", "80x60", "96x72", "112x84"]
    app.folders(pictures / "one", pictures / "two")
    app.settings(Auto_Start=0, Selection=1, Hour=0, Sec=1)
    app.start()
    picks = Picks(app.wallpaper)
    app.click(app.child("Start"))
    expect_eq(picks.record(5), ["80x60", "96x72", "112x84", "64x48", "80x60"], "Sequential picks")

    app.click(app.child("Random"), 7, 8)
    poll("the settings file does not hold Selection=0", lambda: app.setting("Selection") == "0", 10)
    picks.next()  # the first pick after the click may have begun before it
    seen = set()
    for n in range(1, 31):
        size = picks.next()
        # The pick reads the clock a moment before it puts the file in place,
        # and the file system stamps the change with a clock that may lag by
        # a few milliseconds: the seed is a second from half a second before
        # the change time to 20 ms after it.
        ms = picks.last[1] // 1_000_000
        expected = [drawn((ms - 500) // 1000, pool), drawn((ms + 20) // 1000, pool)]
        if size not in expected:
            fail(f"Random pick {n} at {ms / 1000:.3f} showed {size}, not one of the drawn {' '.join(expected)}")
        seen.add("one" if size in pool[:2] else "two")
        if len(seen) == 2 and n >= 6:
            break
    else:
        fail(f"30 Random picks did not reach both folders (reached: {' '.join(sorted(seen))})")
    session.shot("muralto-selection")
    driver.close(app.window)
    app.expect_ended("closing")


def test_damaged_folder_list(session, driver, app):
    """A folder list file whose Total (1000) runs far past the three folders it
    holds: the missing entries load as empty, checked entries that scan
    nothing, so the main window shows within seconds; the pool holds exactly
    the four pictures of the three folders, which a Sequential rotation shows
    in order before it wraps; closing writes every entry back. Then a list
    longer than the bound against a damaged Total (10,000), some entries
    unchecked, comes back byte for byte from a start and a close."""
    pictures = session.pictures
    picture(pictures / "one/a.jpg", 64, 48, RED)
    picture(pictures / "one/b.bmp", 80, 60, GREEN)
    picture(pictures / "two/c.jpeg", 96, 72, BLUE)
    picture(pictures / "three/d.bmp", 112, 84, YELLOW)
    lines = ["[Folders]", "Total=1000"]
    for n, folder in enumerate(["one", "two", "three"], 1):
        lines += [f"Folder{n}={session.winpath(pictures / folder)}", f"Checked Folder{n}=1"]
    write_crlf(app.folders_ini, lines)
    app.settings(Auto_Start=0, Selection=1, Hour=0, Sec=1)

    started = time.monotonic()
    program = session.start(app.exe)
    app.program = program
    window = driver.wait_window("TForm1", "Muralto 1.2", 20) or fail("the main window was never created")
    app.window = window
    # Twenty seconds from the start, not from the window's creation.
    poll("the main window was not shown within 20 s", lambda: driver.visible(window),
         20 - (time.monotonic() - started))
    items = driver.list_items(app.child(None, "SysListView32"))
    expect_eq(len(items), 1000, "entries in the folder list")
    expect_eq(items[0], (True, session.winpath(pictures / "one")), "first entry")
    expect_eq(items[-1], (True, ""), "last entry")
    session.shot("muralto-damaged-folder-list")

    driver.click(window, "Start")
    # From index 0 a Sequential rotation shows b, c, d, then wraps to a: the pool ends after d.
    for size in ["80x60", "96x72", "112x84", "64x48", "80x60"]:
        wait_for_picture(app, size)
    expect_eq(driver.reg_get(DESKTOP_KEY, "Wallpaper"), session.winpath(app.wallpaper), "Wallpaper")
    app.close_box()
    saved = read_lines(app.folders_ini)
    expect_eq(saved[1:4], ["Total=1000", f"Folder1={session.winpath(pictures / 'one')}", "Checked Folder1=1"],
              "folder list after closing")
    expect_eq(len(saved), 2002, "lines of the folder list after closing")
    expect_eq(saved[-2:], ["Folder1000=", "Checked Folder1000=1"], "last entry after closing")

    lines = ["[Folders]", "Total=12000"]
    for n in range(1, 12001):
        lines += [f"Folder{n}=P:\\Archive\\Album {n}", f"Checked Folder{n}={int(n % 3 != 0)}"]
    write_crlf(app.folders_ini, lines)
    stored = app.folders_ini.read_bytes()
    app.start()
    expect_eq(driver.send(app.child(None, "SysListView32"), 0x1004, 0, 0), 12000, "entries (LVM_GETITEMCOUNT)")
    app.close_box()
    expect_eq(app.folders_ini.read_bytes() == stored, True, "the list of 12,000 entries byte for byte after the close")
