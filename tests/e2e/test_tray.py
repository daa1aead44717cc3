"""The notification-area icon and its menu."""

import pytest

from check import expect_eq, fail, poll
from muralto import TITLE, TrayIcon, bmp_size, picture
from pixels import expect_looks

pytestmark = pytest.mark.requires("Muralto.exe")

# The tray menu's rows: Restore, Change Now, -, Show Desktop Icons, Hide
# Desktop Icons, -, Exit. choose() counts rows of 17 pixels; a separator is
# 9, so the two after the first separator sit 8 pixels higher.
RESTORE, CHANGE_NOW, EXIT = 0, 1, -1


def choose_row_at(app, menu, dy):
    r = app.session.driver.rect(menu)
    app.session.mouse(r.left + r.width // 2, r.top + dy, click=1)


@pytest.mark.pixels
@pytest.mark.parametrize("announce", [False, True], ids=["tray", "taskbar_announce"])
def test_tray(session, driver, app, announce):
    """The icon of a running copy shows with the tip "Muralto 1.2"; minimising
    hides the window and its taskbar button; a real left double-click on the
    icon brings the window back at its old place, and so does the
    notification posted by hand (0x6FF with 0x203); a right-button press
    opens the tray menu (looking as its reference picture shows it), whose
    Change Now picks a picture, Restore shows the window and Exit ends the
    program, taking the icon away. With announce,
    the icon is first taken out of the notification area behind the
    program's back, as a shell that restarts loses it, and the taskbar
    announces itself ("TaskbarCreated" to every window, as a shell does when
    it comes back): the icon is back. Later the taskbar announces itself
    while the icon is in it: no error box, the one icon still works."""
    name = "muralto-taskbar-announce" if announce else "muralto-tray"
    pictures = session.pictures / "Landscapes"
    picture(pictures / "a.bmp", 64, 48, (200, 40, 40))
    picture(pictures / "b.bmp", 80, 60, (40, 160, 40))
    app.folders(pictures)
    app.settings(Auto_Start=0, Selection=1)

    # Before the program starts the bar is not shown at all (nothing is on
    # it yet): TrayIcon takes that screen once the bar shows.
    before = TrayIcon.screen_before(session)
    program_window = app.start(shown=False)
    notify = driver.wait_window("TStTrayIconWindow", "-", 20) or fail("no notification window")
    icon = TrayIcon(app, before)
    poll("the icon never appeared in the notification area", icon.shown)
    window = program_window
    poll("the window never showed", lambda: driver.visible(window))
    poll("no taskbar button for the window", lambda: app.taskbar_button(window))
    x, y = app.icon_point()

    def tip_shown():
        tips = [w.handle for w in driver.list() if w.visible and w.cls == "tooltips_class32"]
        return tips and driver.text(tips[0]) == TITLE
    # The tip shows when the pointer rests on the icon.
    session.mouse(x, y)
    session.mouse(x + 1, y)
    poll(f'the tip "{TITLE}" never showed', tip_shown)
    session.shot(f"{name}-tip")

    place = driver.rect(window).place

    def minimise():
        # A real click on the title bar's minimise box (the first of the three
        # at its right end), as a user minimises: the click also makes the
        # window the active one, which Wine's taskbar needs to notice the hide.
        r = driver.rect(window)
        session.mouse(r.left + r.width - 47, r.top + 11, click=1)
        poll("minimising did not hide the window", lambda: not driver.visible(window))
        poll("the taskbar button stayed", lambda: not app.taskbar_button(window))

    def announce_taskbar():
        if announce:
            driver.broadcast("TaskbarCreated")

    if announce:
        driver.tray_delete(notify, 2) or fail("the notification area did not hold the program's icon")
        poll("the icon stayed after it was taken out", icon.gone)
        announce_taskbar()
        poll("the taskbar's announcement did not bring the icon back", icon.shown)
    minimise()
    icon.shown() or fail("the icon went with the window")
    session.shot(f"{name}-minimised")
    session.mouse(x, y, click=1, repeat=2)
    poll("a double-click on the icon did not bring the window back", lambda: driver.visible(window))
    expect_eq(driver.rect(window).place, place, "place and size after the double-click")
    poll("the taskbar button did not come back", lambda: app.taskbar_button(window))
    session.shot(f"{name}-restored")

    minimise()
    announce_taskbar()
    driver.post(notify, 0x6FF, 2, 0x203)
    poll("the posted double-click did not bring the window back", lambda: driver.visible(window))
    expect_eq(driver.rect(window).place, place, "place and size after the posted double-click")
    expect_eq(app.boxes(), [], "error boxes")

    if app.wallpaper.exists():
        fail("a picture was made before Change Now")
    menu = app.tray_menu()
    session.shot(f"{name}-menu")
    expect_looks(session, "tray-menu", menu)
    app.choose(menu, CHANGE_NOW)
    poll("the menu stayed open", lambda: not app.open_menu())
    poll("Change Now made no picture", lambda: app.wallpaper.exists() and app.wallpaper.stat().st_size > 0)
    expect_eq(bmp_size(app.wallpaper), "80x60", "the picture Change Now picked (the second, in sequence)")

    minimise()
    app.choose(app.tray_menu(), RESTORE)
    poll("Restore did not show the window", lambda: driver.visible(window))
    expect_eq(driver.rect(window).place, place, "place and size after Restore")

    app.choose(app.tray_menu(), EXIT)
    app.expect_ended("Exit")
    poll("the icon stayed after Exit", icon.gone)
    session.shot(f"{name}-exited")


@pytest.mark.requires("tests/e2e/e2e-target.exe")
def test_desktop_icons(session, driver, app, windows_build):
    """The tray menu's Hide and Show Desktop Icons work on the top-level window
    titled "Program Manager" (a test window stands in for the shell's, which
    Wine does not have): Hide hides it, Show shows it again, and the
    program's own window is left alone."""
    app.settings(Auto_Start=0, Selection=1)
    session.start(windows_build / "tests/e2e/e2e-target.exe", "-program-manager")
    shell = driver.wait_window("MuraltoE2ETarget", "Program Manager", 60) or fail("no stand-in window")
    window = app.start()
    driver.wait_window("TStTrayIconWindow", "-", 20) or fail("no notification window")
    poll("the stand-in window never showed", lambda: driver.visible(shell))

    def choose(dy, what):
        menu = app.tray_menu()
        if dy is None:
            app.choose(menu, EXIT)
        else:
            choose_row_at(app, menu, dy)
        poll(f"the menu stayed open after {what}", lambda: not app.open_menu())

    show, hide = 54, 71
    choose(hide, "Hide")
    poll("Hide Desktop Icons left the Program Manager window shown", lambda: not driver.visible(shell))
    session.shot("muralto-desktop-icons-hidden")
    expect_eq(driver.visible(window), True, "the main window after Hide")
    choose(hide, "Hide")
    poll("hiding twice showed the window", lambda: not driver.visible(shell))
    choose(show, "Show")
    poll("Show Desktop Icons did not show the Program Manager window", lambda: driver.visible(shell))
    session.shot("muralto-desktop-icons-shown")
    choose(None, "Exit")
    app.expect_ended("Exit")
    expect_eq(driver.visible(shell), True, "the stand-in after the program ended")


@pytest.mark.requires("tests/e2e/e2e-target.exe")
def test_tray_menu_gives_the_keyboard_back(session, driver, app, windows_build):
    """The tray menu over the shown main window: once it closes, by Esc, by an
    item chosen or by a real click on the bare desktop, the main window is
    the foreground window again with the focus on the control that had it,
    and Tab moves the focus on from there. A real click on another program's
    window closes the menu as well, and the hidden application window is not
    left in front: Wine's menu takes that click for itself, so the main
    window comes back."""
    app.settings(Auto_Start=0)
    window = app.start()
    driver.wait_window("TStTrayIconWindow", "-", 20) or fail("no notification window")
    start = poll("no control of the main window has the focus", lambda: driver.focus(window))
    # A first key press gives the X keyboard focus to the Wine desktop (see
    # session.keys), which must not happen while the menu is open.
    session.keys("Tab")
    focus = poll("Tab did not move the focus", lambda: (f := driver.focus(window)) != start and f, 10)
    foreground = lambda: (driver.foreground() or [None])[0]  # noqa: E731

    def close_menu(close, what):
        menu = app.tray_menu()
        close(menu)
        poll(f"the menu stayed open after {what}", lambda: not app.open_menu())
        poll(lambda: f"after {what} the foreground window is {driver.foreground()}, not the main window",
             lambda: foreground() == window, 10)
        expect_eq(driver.focus(window), focus, f"the control with the focus after {what}")

    for close, what in [(lambda menu: session.keys("Escape"), "Esc"),
                        (lambda menu: app.choose(menu, CHANGE_NOW), "Change Now"),
                        (lambda menu: session.mouse(900, 150, click=1), "a click on the desktop")]:
        close_menu(close, what)
    session.shot("muralto-tray-menu-keyboard-back")
    session.keys("Tab")
    poll("Tab did not move the focus on after the menu", lambda: driver.focus(window) != focus, 10)
    focus = driver.focus(window)

    # With another program in front, whose window keeps Wine's X keyboard
    # focus while a hidden window is in front: only the mouse reaches the menu.
    other = session.start(windows_build / "tests/e2e/e2e-target.exe")
    target = driver.wait_window("MuraltoE2ETarget", "E2E Target", 60) or fail("no other program's window")
    poll("the other program did not come to the front", lambda: foreground() == target)
    title_bar = (driver.rect(target).left + 40, driver.rect(target).top + 10)  # left of the main window
    close_menu(lambda menu: session.mouse(*title_bar, click=1), "a click on another program's window")
    driver.close(target)
    if session.ended(other) is None:
        fail("the other program did not end")
    driver.close(window)
    app.expect_ended("closing")
