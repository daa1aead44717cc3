"""The main window worked as a user does: real clicks and key presses on its
controls, its menu bar and its close routes, and what lands in the files."""

import subprocess

import pytest

from check import expect_eq, fail, poll, poll_quietly
from muralto import DESKTOP_KEY, TITLE, Picks, expect_crlf_file, picture, read_lines, settings_text, write_crlf
from pixels import expect_looks

pytestmark = pytest.mark.requires("Muralto.exe")

RED, GREEN, BLUE, YELLOW, TEAL = (200, 40, 40), (40, 160, 40), (40, 40, 200), (200, 200, 40), (40, 160, 160)
ESC_KEY_DOWN = (0x100, 0x1B, 0x00010001)


def test_close_routes(session, driver, app):
    """Every way a user closes the program, each by real clicks or keys: File >
    Exit, Esc, the title bar's close box and the tray menu's Exit. Each ends
    the program with 0 and writes both settings files anew (they are removed
    just before, so only the close can have written them)."""
    pictures = session.pictures / "Empty"
    pictures.mkdir()
    folders = ["[Folders]", "Total=1", f"Folder1={session.winpath(pictures)}", "Checked Folder1=0"]
    settings = settings_text(Auto_Start=0, Selection=1, Position=2, Hour=0, Min=7, Sec=30)

    def file_exit():
        # The menu bar's first title, then its only item.
        menu = app.menu_bar_click(16)
        session.shot("muralto-file-menu")
        app.choose(menu, 0)

    def escape():
        # Esc closes only when the key reaches the window itself (key preview
        # is off): on a control it does nothing. No user action leaves the
        # focus on the window itself, so after a real Esc on the Start button
        # and a real Tab that shows the Esc was handled (input is handled in
        # order), Esc goes to the window the way a key press reaches its
        # target: into the program's queue, through its message loop.
        driver.wait_focus(app.window, "Start", 30) or fail("Start does not have the focus at the start")
        session.keys("Escape", "Tab")
        driver.wait_focus(app.window, "Add", 10) or fail("Esc on Start closed the window or Tab was lost")
        driver.post(app.window, *ESC_KEY_DOWN)

    def close_box():
        app.click(app.window, -14, 11)

    def tray_exit():
        app.choose(app.tray_menu(), -1)

    for route in (file_exit, escape, close_box, tray_exit):
        write_crlf(app.folders_ini, folders)
        write_crlf(app.ini, settings)
        app.start()
        if route is tray_exit:
            driver.wait_window("TStTrayIconWindow", "-", 20) or fail("no tray icon")
        app.folders_ini.unlink()
        app.ini.unlink()
        route()
        app.expect_ended(route.__name__)
        expect_crlf_file(app.ini, settings, f"settings after {route.__name__}")
        expect_crlf_file(app.folders_ini, folders, f"folder list after {route.__name__}")


def test_keyboard(session, driver, app):
    """The main window by the keyboard, with real key presses: Tab from the
    first control reaches the chosen item of each radio group (not the
    group's frame), Shift+Tab goes back, and Down in the Selection group
    chooses "Sequential", which the settings file holds at once. The menu bar
    by the keyboard: F10, Right and Down open Settings, Enter on Options opens
    the Options dialog, and once Alt+F4 has closed it the main window is the
    active one again, where F10 reaches the menus as before. After a click on
    the desktop and one on the title bar the focus is back on the chosen item
    and Tab goes on from there."""
    window = app.start(shown=False)
    poll("no settings file after the set-up", lambda: app.setting("Selection") == "0", 30)

    def focus(text, what, seconds=10):
        driver.wait_focus(window, text, seconds) or fail(f"{what} (the focus is on {driver.focus(window)})")

    focus("Start", "Start does not have the focus at the start", 30)
    for keys, text, what in [(["Tab", "Tab"], "Centered", "two Tabs do not reach the chosen Position item"),
                             (["Tab"] * 7, "Random", "nine Tabs do not reach the chosen Selection item"),
                             (["shift+Tab"], "Clear", "Shift+Tab does not go back to Clear"),
                             (["Tab"], "Random", "Tab does not come back to Random"),
                             (["Down"], "Sequential", "Down does not move to Sequential")]:
        session.keys(*keys)
        focus(text, what)
    poll("the settings file does not hold the new choice", lambda: app.setting("Selection") == "1", 10)
    session.shot("muralto-keyboard")

    def settings_open():
        # The open menu hangs below Settings, the second title, not below
        # File at the bar's left end.
        menu = app.open_menu()
        return menu and driver.rect(menu).left - driver.rect(window).left > 20

    session.keys("F10", "Right", "Down")
    poll("F10, Right and Down do not open Settings", settings_open, 10)
    session.shot("muralto-keyboard-menu")
    session.keys("Return")
    dialog = driver.wait_window("TFormOptions", "Options", 20) or fail("Enter on Options opened no dialog")
    poll("the Options dialog never showed", lambda: driver.visible(dialog))
    session.keys("alt+F4")
    poll("Alt+F4 left the Options dialog open", lambda: not driver.visible(dialog))
    poll("the main window is not the active one after the dialog",
         lambda: (driver.foreground() or [None])[0] == window, 10)
    session.keys("F10", "Right", "Down")
    poll("after the dialog F10, Right and Down do not open Settings", settings_open, 10)
    session.keys("Escape", "Escape")
    poll("two Escapes left the menu open", lambda: not app.open_menu(), 10)

    session.mouse(100, 100, click=1)
    poll("the window stayed in front after a click on the desktop",
         lambda: (driver.foreground() or [None, None])[1] != "TForm1", 10)
    app.click(window, 100, 10)
    focus("Sequential", "activated again, the focus is not back on Sequential")
    session.keys("Tab")
    focus("Start", "Tab after the window was activated again does not reach Start")
    app.close_box()
    expect_eq(app.setting("Selection"), "1", "the choice at close")


@pytest.mark.pixels
def test_interval(session, driver, app):
    """The interval's spin edits worked as a user does: real clicks on their
    arrow buttons step hours and minutes, seconds are typed after a Tab and
    stepped with the Up and Down keys; every change lands in the settings
    file at once. With the focus in the seconds the window looks as its
    reference picture shows it. The interval paces the rotation: 5 seconds apart, then 2
    once it is changed while running. Start and Stop swap the button's
    caption, and no pick comes while stopped. Closing keeps the interval."""
    pictures = session.pictures
    picture(pictures / "a.bmp", 64, 48, RED)
    picture(pictures / "b.bmp", 80, 60, GREEN)
    app.folders(pictures)
    app.settings(Auto_Start=0, Selection=1)
    app.start()
    hour, minute, second = (app.child(None, "Edit", n) for n in (1, 2, 3))
    hour_arrows, minute_arrows = (app.child(None, "TCSpinButton", n) for n in (1, 2))
    start = app.child("Start")

    # The arrow pair is 15 x 17: the up arrow its top 8 pixels, the down arrow the rest.
    for what, action, field, key, value in [
            ("hours' down arrow", lambda: app.click(hour_arrows, 7, 12), hour, "Hour", "0"),
            ("minutes' up arrow", lambda: app.click(minute_arrows, 7, 3), minute, "Min", "1"),
            ("minutes' down arrow", lambda: app.click(minute_arrows, 7, 12), minute, "Min", "0"),
            ("Tab into seconds and type 5", lambda: session.keys("Tab", "5"), second, "Sec", "5")]:
        action()
        poll(lambda: f'{what}: the field does not show {value} (it shows "{driver.text(field)}")',
             lambda: driver.text(field) == value, 10)
        poll(f"{what}: the settings file does not hold {key}={value}", lambda: app.setting(key) == value, 10)
    # The focus in the seconds' field; its text area, where the caret blinks, masked.
    r = driver.rect(second)
    expect_looks(session, "main-spin-focus", app.window, masks=[(r.left + 2, r.top + 2, r.width - 20, r.height - 4)])

    # Picks are spaced by the interval, never closer (a late tick is
    # possible on a busy machine, an early one is not).
    picks = Picks(app.wallpaper)
    app.click(start)
    poll("Start did not become Stop", lambda: driver.text(start) == "Stop", 10)
    picks.next(30)
    first = picks.last[1]
    picks.next(30)
    slow = (picks.last[1] - first) // 1_000_000
    if slow < 4500:
        fail(f"picks {slow} ms apart with an interval of 5 s")

    # The keys step the focused field; each step re-times the running timer.
    app.click(second, 10, 11)
    session.keys("Down", "Down", "Down", "Down", "Up")
    poll(lambda: f'Down four times and Up once did not give 2 seconds ("{driver.text(second)}")',
         lambda: driver.text(second) == "2", 10)
    poll("the settings file does not hold Sec=2", lambda: app.setting("Sec") == "2", 10)
    picks.next(30)
    first = picks.last[1]
    picks.record(2, 30)
    fast = (picks.last[1] - first) // 2_000_000
    if fast >= 4000:
        fail(f"picks {fast} ms apart after the change to 2 s")
    session.shot("muralto-interval")

    app.click(start)
    poll("Stop did not become Start", lambda: driver.text(start) == "Start", 10)
    mark = picks.mark()
    # Two and a half intervals in which nothing may happen.
    poll_quietly(lambda: picks.mark() != mark, 5)
    expect_eq(picks.mark(), mark, "the wallpaper file 5 s after Stop")
    driver.close(app.window)
    app.expect_ended("closing")
    expect_crlf_file(app.ini, settings_text(Auto_Start=0, Selection=1, Hour=0, Sec=2), "settings after closing")


def test_placement(session, driver, app):
    """The Position choice by real clicks while the rotation runs: after each
    choice the next pick writes its placement into the registry (Stretched
    TileWallpaper 0 / WallpaperStyle 2, Tiled 1 / 0, Centered 0 / 0) with the
    wallpaper file as Wallpaper, and the settings file holds the choice at
    once. Centered comes once after Stretched and once after Tiled, and
    takes back the value each left. The wallpaper file is a plain 24-bit BMP
    with the picture's own pixels, for a bitmap whose rows need padding and
    for a JPEG."""
    pictures = session.pictures / "Landscapes"
    pictures.mkdir()
    # Two cuts of ImageMagick's built-in granite photograph, so the tiled
    # desktop looks alike whichever is shown: one 101 pixels wide (303 bytes
    # of pixels in rows of 304) and the whole 128 x 128.
    subprocess.run(["/usr/bin/convert", "granite:", "-crop", "101x75+0+0", "+repage", "-type", "TrueColor",
                    f"BMP3:{pictures / 'a.bmp'}"], check=True)
    subprocess.run(["/usr/bin/convert", "granite:", "-quality", "92", pictures / "b.jpg"], check=True)
    app.folders(pictures)
    app.settings(Auto_Start=0, Selection=1, Hour=0, Sec=1)
    app.start()
    start = app.child("Start")
    app.click(start)
    poll("Start did not become Stop", lambda: driver.text(start) == "Stop")

    def placement():
        return driver.reg_get(DESKTOP_KEY, "TileWallpaper"), driver.reg_get(DESKTOP_KEY, "WallpaperStyle")

    # Each row differs from the one before it, so only a pick made after the
    # click can bring its values.
    for caption, tile, style, item in [("Stretched", "0", "2", "1"), ("Centered", "0", "0", "0"),
                                       ("Tiled", "1", "0", "2"), ("Centered", "0", "0", "0")]:
        app.click(app.child(caption), 7, 8)  # on the item's round box, as a user aims
        poll(f"{caption}: the settings file does not hold Position={item}", lambda: app.setting("Position") == item,
             10)
        poll(f"{caption}: the registry never held TileWallpaper {tile}, WallpaperStyle {style}",
             lambda: placement() == (tile, style))
        expect_eq(driver.reg_get(DESKTOP_KEY, "Wallpaper"), session.winpath(app.wallpaper), f"{caption}: Wallpaper")
        if caption == "Tiled":
            session.mouse(1000, 20)
            session.shot("muralto-desktop-rotating")

    picks = Picks(app.wallpaper)
    for name, width, height in [("a.bmp", 101, 75), ("b.jpg", 128, 128)]:
        # The file is replaced whole at every pick, so a copy is one picture.
        copy = session.work / f"{name}.copy.bmp"
        for _ in range(4):
            picks.next()
            copy.write_bytes(app.wallpaper.read_bytes())
            if copy.read_bytes()[18:26] == width.to_bytes(4, "little") + height.to_bytes(4, "little"):
                break
        else:
            fail(f"the picture {width}x{height} never came back")
        data = copy.read_bytes()
        row = (width * 3 + 3) // 4 * 4
        field = lambda offset, size: int.from_bytes(data[offset:offset + size], "little")  # noqa: E731
        expect_eq(data[:2], b"BM", f"{name}: signature")
        expect_eq((field(10, 4), field(14, 4), field(26, 2), field(28, 2), field(30, 4)), (54, 40, 1, 24, 0),
                  f"{name}: pixel offset, header size, planes, bits per pixel, compression")
        expect_eq((field(2, 4), field(34, 4)), (54 + row * height, row * height),
                  f"{name}: file and image size in the header")
        expect_eq(len(data), 54 + row * height, f"{name}: length of the file")
        # ImageMagick's own reading of the file against the picture: a bitmap
        # exactly, a JPEG within a whisker (both decode with the same library).
        differing = subprocess.run(["/usr/bin/compare", "-metric", "AE", "-fuzz", "1%", pictures / name, copy,
                                    "null:"], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True).stdout
        expect_eq(differing.strip(), "0", f"{name}: pixels that differ from the picture")
    driver.close(app.window)
    app.expect_ended("closing")


@pytest.mark.pixels
def test_folder_edits(session, driver, app):
    """The folder list edited with the mouse: a click on the second folder's
    check box unticks it, and the next click in the list (on the first
    folder's name, which selects it) writes that into the folder list file;
    Delete removes the selected folder. After a restart the unticked folder's
    pictures are left out of the rotation, which shows only the ticked
    folder's pictures. Clear empties the list and the file. With the three
    folders, and with the first one selected, the window looks as its
    reference pictures show it."""
    pictures = session.pictures
    picture(pictures / "one/a.bmp", 64, 48, RED)
    picture(pictures / "two/b.bmp", 80, 60, GREEN)
    picture(pictures / "two/c.jpg", 88, 66, TEAL)
    picture(pictures / "three/d.bmp", 96, 72, BLUE)
    picture(pictures / "three/e.jpg", 112, 84, YELLOW)
    one, two, three = (session.winpath(pictures / f) for f in ("one", "two", "three"))
    app.folders(pictures / "one", pictures / "two", pictures / "three")
    app.settings(Auto_Start=0, Selection=1, Hour=0, Sec=1)
    app.start()
    folder_list = app.child(None, "SysListView32")
    expect_eq(driver.list_items(folder_list), [(True, one), (True, two), (True, three)], "the folder list at the start")
    expect_looks(session, "main-folders", app.window)

    # The check box stands left of the entry's label, in the row's first 16
    # or so pixels; the label starts right after it.
    (row_left, row_top, _, row_height), (label_left, *_) = driver.item_rect(folder_list, 1)
    session.mouse((row_left + label_left) // 2, row_top + row_height // 2, click=1)
    poll("a click on the second folder's check box did not untick it",
         lambda: driver.list_items(folder_list)[1] == (False, two), 10)

    def file_holds(lines):
        return lambda: app.folders_ini.exists() and read_lines(app.folders_ini) == lines

    # The list view reports a click before it turns the box over, so the
    # save of that click still finds the folder ticked; the next click in
    # the list, on the first folder's name, writes the new state and selects
    # that folder.
    (_, row_top, _, row_height), (label_left, _, label_width, _) = driver.item_rect(folder_list, 0)
    session.mouse(label_left + label_width // 2, row_top + row_height // 2, click=1)
    poll("the folder list file does not hold the unticked folder",
         file_holds(["[Folders]", "Total=3", f"Folder1={one}", "Checked Folder1=1", f"Folder2={two}",
                     "Checked Folder2=0", f"Folder3={three}", "Checked Folder3=1"]), 10)
    expect_looks(session, "main-folder-selected", app.window)
    app.click(app.child("Delete"))
    poll("Delete did not remove the selected folder alone",
         lambda: driver.list_items(folder_list) == [(False, two), (True, three)], 10)
    poll("the folder list file still holds the deleted folder",
         file_holds(["[Folders]", "Total=2", f"Folder1={two}", "Checked Folder1=0", f"Folder2={three}",
                     "Checked Folder2=1"]), 10)
    session.shot("muralto-folder-edits")
    driver.close(app.window)
    app.expect_ended("closing")

    # The pool is made from the ticked folders when the program starts: d
    # and e alone, so a Sequential rotation shows e, d, e, d.
    app.start()
    folder_list = app.child(None, "SysListView32")
    expect_eq(driver.list_items(folder_list), [(False, two), (True, three)], "the folder list after the restart")
    picks = Picks(app.wallpaper)
    app.click(app.child("Start"))
    expect_eq(picks.record(4), ["112x84", "96x72", "112x84", "96x72"], "picks after the restart")
    app.click(app.child("Clear"))
    poll("Clear left entries", lambda: driver.list_items(folder_list) == [], 10)
    poll("the folder list file is not empty after Clear", file_holds(["[Folders]", "Total=0"]), 10)
    driver.close(app.window)
    app.expect_ended("closing after Clear")


def test_add_browser(session, driver, app):
    """Add opens the shell's folder browser titled "Select Directory";
    cancelling it adds nothing and writes nothing."""
    window = app.start()
    driver.click(window, "Add")

    def browser():
        for w in driver.list():
            if w.visible and w.cls == "#32770" and "Select Directory" in "\n".join(
                    [w.title] + [c.text for c in driver.children(w.handle)]):
                return w.handle
    found = poll("no folder browser", browser, 30, 0.2)
    session.shot("muralto-folder-browser")
    driver.click(found, "Cancel")
    driver.wait_gone(found) or fail("the browser stayed after Cancel")
    expect_eq(driver.list_items(app.child(None, "SysListView32")), [], "folder list after Cancel")
    if app.folders_ini.exists():
        fail("Cancel wrote the folder list")
    app.close_box()


def test_save_fails(session, driver, app):
    """When the main settings file cannot be written, every save shows its
    failure; closing then asks whether to exit without saving: No, the
    default that Enter presses, keeps the program running, Yes ends it with 0."""
    app.ini.mkdir()  # a folder in the file's place: reading gives the defaults, writing fails
    app.program = session.start(app.exe)
    # The set-up moves the hour edit to 1 and fails to save it.
    app.answer_box("Unable to write to", "OK")
    window = app.window = driver.wait_window("TForm1", TITLE, 30) or fail("no main window")
    poll("the main window was not shown after the failed set-up", lambda: driver.visible(window))
    driver.sysclose(window)
    app.answer_box("Unable to write to", "OK", "muralto-save-fails")
    app.answer_box("Exit without saving", "&No", "muralto-save-fails-exit")
    if app.program.poll() is not None:
        fail("No ended the program")
    expect_eq(driver.visible(window), True, "still shown after No")
    driver.sysclose(window)
    app.answer_box("Unable to write to", None)
    app.answer_box("Exit without saving", None)
    if app.program.poll() is not None:
        fail("Enter on both boxes ended the program")
    driver.sysclose(window)
    app.answer_box("Unable to write to", "OK")
    app.answer_box("Exit without saving", "&Yes")
    app.expect_ended("Yes")
