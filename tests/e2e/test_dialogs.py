"""The Options dialog, the About box and the interface languages, opened from
the menu bar as a user does."""

import filecmp

import pytest

from check import expect_eq, fail, poll
from muralto import BM_GETCHECK, HELP, RUN_KEY, SETTINGS, TITLE, App, TrayIcon, handle
from pixels import expect_looks, pointer_mask

pytestmark = pytest.mark.requires("Muralto.exe")


def expect_centred(session, r, what):
    """The outer rect R of a window centred on the session's screen."""
    width, height = session.size
    expect_eq((r.left, r.top), ((width - r.width) // 2, (height - r.height) // 2), f"{what}: centred on the screen")


@pytest.mark.pixels
def test_options(session, driver, windows_build):
    """The Options dialog of a copy installed in a folder whose path has a
    blank: the start writes the Run value with the path quoted; Settings >
    Options opens from the menu bar with real clicks; a real click unticking
    "start with system" deletes the value and stores "Auto Start" 0, ticking
    it writes the value back (quoted path, " -a") and stores 1; unticking
    "tray icon" takes the icon out of the notification area (ticking it
    brings the icon back), and the close of the main window stores tray 0.
    The dialog looks as its reference picture shows it.
    The dialog stands centred on the screen with a client area of 131 x 50."""
    app = App(session, session.work / "my apps", windows_build, languages=False)
    app.settings()
    exe = session.winpath(app.exe)
    quoted = f'"{exe}" -a'

    before = TrayIcon.screen_before(session)
    window = app.start()
    run_value = lambda: driver.reg_get(RUN_KEY, TITLE)  # noqa: E731
    poll(lambda: f'the start wrote no Run value "{quoted}" (it holds "{run_value()}")', lambda: run_value() == quoted)
    icon = TrayIcon(app, before)
    poll("the icon never appeared in the notification area", icon.shown)
    # The main window has drawn by now: the screenshots show it, not a bare desktop.
    menu = app.menu_bar_click(SETTINGS)
    session.shot("muralto-options-menu")
    app.choose(menu, 0)
    dialog = driver.wait_window("TFormOptions", "Options", 20) or fail("Settings > Options opened no dialog")
    poll("the dialog never showed", lambda: driver.visible(dialog))
    children = driver.children(dialog)
    boxes = {c.text: c.handle for c in children if c.text in ("start with system", "tray icon")}
    if len(boxes) != 2:
        fail(f"the dialog's boxes are missing: {children}")
    auto_box, tray_box = boxes["start with system"], boxes["tray icon"]
    checked = lambda box: driver.send(box, BM_GETCHECK, 0, 0)  # noqa: E731
    expect_eq(checked(auto_box), 1, '"start with system" as Auto Start=1 says')
    expect_eq(checked(tray_box), 1, '"tray icon" as tray=1 says')
    r = driver.rect(dialog)
    expect_eq((r.client_width, r.client_height), (131, 50), "the dialog's client size")
    expect_centred(session, r, "the Options dialog")
    session.shot("muralto-options-dialog")
    expect_looks(session, "options", dialog)

    def click_box(box):  # in the middle of the box's square, at its left end
        r = driver.rect(box)
        session.mouse(r.left + 7, r.top + r.height // 2, click=1)

    click_box(auto_box)
    poll("unticking \"start with system\" left the Run value", lambda: run_value() is None)
    poll("the settings file does not say Auto Start=0", lambda: app.setting("Auto Start") == "0")
    expect_eq(checked(auto_box), 0, '"start with system" after the click')
    click_box(auto_box)
    poll(lambda: f'ticking "start with system" did not write "{quoted}" (the value is "{run_value()}")',
         lambda: run_value() == quoted)
    poll("the settings file does not say Auto Start=1", lambda: app.setting("Auto Start") == "1")

    for shown, what, shot in [(False, 'unticking "tray icon" left the icon in the notification area', True),
                              (True, 'ticking "tray icon" again did not bring the icon back', False),
                              (False, 'unticking "tray icon" a second time left the icon', False)]:
        click_box(tray_box)
        session.mouse(5, 5)
        poll(what, lambda: icon.shown() == shown)
        if shot:
            session.shot("muralto-options-no-tray")
    expect_eq(app.setting("tray"), "1", "the settings file after the tray box (it saves nothing by itself)")

    # The close box ends the dialog; closing the main window stores tray=0.
    driver.sysclose(dialog)
    poll("the close box left the dialog open", lambda: not driver.visible(dialog))
    driver.close(window)
    app.expect_ended("closing the main window")
    expect_eq(app.setting("tray"), "0", "tray after the close")
    expect_eq(app.setting("Auto Start"), "1", "Auto Start after the close")
    expect_eq(run_value(), quoted, "the Run value after the program ended")


@pytest.mark.pixels
def test_about(session, driver, app):
    """The About box, opened from Help > About with real key presses, centred
    on the screen with a client area of 321 x 161: the link turns red when
    the real pointer moves over it (the box then looks as its reference
    picture shows it) and blue again over the bare panel (pixels of its text
    in screenshots); a real click on it hands the address to ShellExecuteA, which Wine gives to its browser launcher:
    for this prefix a small script that writes down the address it was asked
    to open. Enter closes the box."""
    site = "https://muralto.example.org/"
    opened = session.work / "opened.txt"
    browser = session.work / "browser"
    browser.write_text(f"#!/bin/sh\nprintf '%s\\n' \"$@\" >>'{opened}'\n")
    browser.chmod(0o755)
    # Wine opens http and https addresses with winebrowser, which starts the
    # first program of the "Browsers" list that it can run.
    session.reg_add(r"HKCU\Software\Wine\WineBrowser", "Browsers", str(browser))

    window = app.start(shown=False)
    poll("no settings file after the set-up", lambda: app.setting("Selection") == "0", 30)
    driver.wait_focus(window, "Start", 30) or fail("the main window does not have the keyboard")

    # Help > About: a real click on File opens its menu; Right moves to the
    # next title's menu twice, reaching Help, whose first item About is then
    # chosen with Enter. Each step waits until the open menu has moved on.
    def menu_right_of(left, what):
        def moved():
            menu = app.open_menu()
            return menu and (x := driver.rect(menu).left) > left and x
        return poll(what, moved, 10, 0.2)
    r = driver.rect(window)
    session.mouse(r.left + (r.width - r.client_width) // 2 + 12, r.client_top - 9, click=1)
    left = menu_right_of(0, "a click on File opened no menu")
    session.keys("Right")
    left = menu_right_of(left, "Right did not move on to the Settings menu")
    session.keys("Right")
    menu_right_of(left, "Right did not move on to the Help menu")
    session.keys("Return")
    box = driver.wait_window("TAboutBox", "About Program", 30) or fail("Help > About opened no About box")
    poll("the About box never showed", lambda: driver.visible(box))

    children = driver.children(box)
    link = next((c.handle for c in children if c.cls.lower() == "static" and c.text == site), None) or \
        fail(f"no link label showing {site}: {children}")
    panel = next((c.handle for c in children if c.cls.lower() == "tpanel" and c.text == ""), None) or \
        fail("no panel in the About box")
    lr, pr = driver.rect(link), driver.rect(panel)
    r = driver.rect(box)
    expect_eq((r.client_width, r.client_height), (321, 161), "the About box's client size")
    expect_centred(session, r, "the About box")
    session.shot("muralto-about")

    def link_pixels(shot, colour):
        data = session.pixels(shot, lr.width, lr.height, lr.left, lr.top)
        red = colour == "red"
        return sum(1 for i in range(0, len(data) - 2, 3)
                   if (data[i] > 200 and data[i + 1] < 60 and data[i + 2] < 60 if red
                       else data[i + 2] > 200 and data[i] < 60 and data[i + 1] < 60))

    def wait_colour(colour, other, name, what):
        def shows():
            shot = session.shot("now", session.work)
            return link_pixels(shot, colour) > 10 and link_pixels(shot, other) == 0 and shot
        shot = poll(what, shows, 10, 0.2)
        shot.replace(session.artifacts / f"{name}.png")

    wait_colour("blue", "red", "muralto-about-link-blue", "the link is not blue when the box opens")
    # The real pointer: onto the link (two steps, as a hand moves), then onto
    # the bare panel to the right of the texts.
    session.mouse(lr.left + 4, lr.top + lr.height // 2)
    session.mouse(lr.left + 6, lr.top + lr.height // 2)
    wait_colour("red", "blue", "muralto-about-link-red", "the link did not turn red under the pointer")
    expect_looks(session, "about-link-hover", box, masks=[pointer_mask(lr.left + 6, lr.top + lr.height // 2)],
                 park=False)
    session.mouse(pr.left + pr.width - 40, pr.top + 40)
    session.mouse(pr.left + pr.width - 38, pr.top + 42)
    wait_colour("blue", "red", "muralto-about-link-blue-again", "the link did not turn blue over the bare panel")

    # A real click on the link: ShellExecuteA, then winebrowser, then the script.
    session.mouse(lr.left + 6, lr.top + lr.height // 2, click=1)
    poll(lambda: f"the click did not hand {site} to the browser "
         f"({opened.read_text() if opened.exists() else 'nothing opened'})",
         lambda: opened.exists() and site in opened.read_text(), 30)
    expect_eq(opened.read_text(), site + "\n", "the address the browser was asked to open")
    expect_eq(driver.visible(box), True, "the About box after the click")

    # Enter presses OK.
    session.mouse(5, 5)
    session.keys("Return")
    poll("Enter did not close the About box", lambda: not driver.visible(box))
    session.shot("muralto-about-closed")
    app.close_box()


@pytest.mark.requires("tests/e2e/e2e-target.exe")
def test_dialog_owner(session, driver, app, windows_build):
    """The Options dialog and the About box belong to the program: while either
    is open the program has one taskbar button, the main window's, and with
    another program in front a real click on that button brings the dialog
    forward, above the main window."""
    window = app.start()
    pid = driver.window_pid(window)
    bar = app.taskbar()

    def buttons():
        """The program's windows the taskbar shows a button for: a shown
        child of the bar whose id is the window's handle."""
        return [handle(c.id) for c in driver.children(bar)
                if c.id and driver.visible(c.handle) and driver.window_pid(handle(c.id)) == pid]

    poll("the main window has no taskbar button of its own", lambda: buttons() == [window])
    main_button = next(c.handle for c in driver.children(bar) if c.id == int(window, 16))
    foreground = lambda: (driver.foreground() or [None])[0]  # noqa: E731

    for x, cls, title in [(SETTINGS, "TFormOptions", "Options"), (HELP, "TAboutBox", "About Program")]:
        dialog = app.open_dialog(x, cls, title)
        poll(lambda: f"with the {title} dialog open the program has buttons {buttons()}",
             lambda: buttons() == [window])
        # Another program comes to the front; then a click on our taskbar button.
        other = session.start(windows_build / "tests/e2e/e2e-target.exe")
        target = driver.wait_window("MuraltoE2ETarget", "E2E Target", 60) or fail("no other program's window")
        poll("the other program did not come to the front", lambda: foreground() == target)
        app.click(main_button)
        poll(f"the taskbar button did not bring the {title} dialog forward", lambda: foreground() == dialog)
        # Top-level windows come from the top down.
        above = next(w.handle for w in driver.list() if w.handle in (dialog, window))
        expect_eq(above, dialog, "the window on top of the two")
        session.shot(f"muralto-dialog-owner-{cls}")
        driver.close(target)
        if session.ended(other) is None:
            fail("the other program did not end")
        driver.sysclose(dialog)
        poll(f"the {title} dialog stayed open", lambda: not driver.visible(dialog))
    driver.close(window)
    app.expect_ended("closing")


ENGLISH = ["Start", "Add", "Delete", "Clear", " Position ", "Centered", " Interval ", " Selection ", "Random"]
RUSSIAN = ["Старт", "Добавить", "Удалить", "Очистить", " Расположение ", "По центру", " Интервал ", " Порядок ",
           "Случайно"]


@pytest.mark.pixels
@pytest.mark.requires("language/English.ini", "language/Russian.ini")
def test_languages(session, driver, app):
    """The interface languages, chosen through the menu with real key presses.
    A first start shows English with its check mark; Settings > Language >
    Russian turns the main window, the Options dialog and the About box
    Russian (each, and the tray menu, looking as its reference picture shows
    it), and the settings file holds Language=Russian after the close;
    the next start comes up Russian and Settings > Language > English turns
    it back. The language files beside the program are the repository's.

    The program is an ANSI program and the Russian file is in code page 1251:
    every Wine program of the test after the desktop, the driver too, runs
    with ANSI code page 1251 (LC_ALL=ru_RU.UTF-8, which Wine reads even
    without a glibc locale of that name), where "MS Sans Serif" is Wine's
    Cyrillic bitmap face; a program of another code page starting meanwhile
    would rewrite the prefix's code-page font settings under its feet."""
    for name in ("English.ini", "Russian.ini"):
        if not filecmp.cmp(session.repo / "resources/language" / name, app.folder / "language" / name, shallow=False):
            fail(f"language/{name} beside the program differs from the repository's")
    session.env["LC_ALL"] = "ru_RU.UTF-8"
    driver.encoding = "cp1251"
    face, cell, _, charset = driver.font("MS Sans Serif", 11)
    expect_eq((face, cell, charset), ("MS Sans Serif", 13, 204), "face for Cyrillic texts")

    def shows(window, texts, what, seconds=20):
        for text in texts:
            poll(lambda: f'{what}: no control shows "{text}" ({driver.texts(window)})',
                 lambda: text == driver.text(window) or text in [c.text for c in driver.children(window)], seconds,
                 0.2)

    def start():
        window = app.start()
        # The menu keys go to the foreground window: wait until it is the main one.
        poll(lambda: f"the main window is not in the foreground: {driver.foreground()}",
             lambda: (driver.foreground() or [None])[0] == window)
        return window

    def language_menu():
        session.keys("F10", "Right", "Down", "Down", "Right")
        # The submenu opens to the right of the Settings menu: two menus.
        poll("Settings > Language opened no submenu",
             lambda: len([w for w in driver.list() if w.visible and w.cls == "#32768"]) >= 2, 10)

    def check_dialog(keys, cls, shot, texts, looks):
        session.keys(*keys)
        dialog = driver.wait_window(cls, "-", 20) or fail(f"{cls} did not open")
        poll(f"{cls} never became visible", lambda: driver.visible(dialog))
        shows(dialog, texts, cls)
        session.shot(shot)
        expect_looks(session, looks, dialog)
        driver.sysclose(dialog)
        poll(f"{cls} did not close", lambda: not driver.visible(dialog))
        poll("the main window is not in the foreground after the dialog",
             lambda: (driver.foreground() or [None])[0] == window)

    window = start()
    shows(window, ENGLISH, "the first start", 10)
    language_menu()
    session.shot("muralto-languages-english-menu")
    session.keys("Down", "Return")
    shows(window, RUSSIAN, "Russian")
    session.shot("muralto-languages-russian")
    # Not parked: under Wine a pointer moved off the window just before F10
    # leaves the menu bar with nothing selected, and the Options dialog below
    # would not open. The pointer stays where the start left it.
    expect_looks(session, "main-ru", window, park=False)
    expect_eq(app.setting("Language"), "English", "the language before the close (the menu saves nothing)")
    check_dialog(["F10", "Right", "Down", "Return"], "TFormOptions", "muralto-languages-russian-options",
                 ["Параметры", "автозапуск", "значок в трее"], "options-ru")
    check_dialog(["F10", "Right", "Right", "Down", "Return"], "TAboutBox", "muralto-languages-russian-about",
                 ["О программе"], "about-ru")
    menu = app.tray_menu()
    expect_looks(session, "tray-menu-ru", menu)
    session.keys("Escape")
    poll("Esc left the tray menu open", lambda: not app.open_menu(), 10)
    app.close_box()
    expect_eq(app.setting("Language"), "Russian", "the language after the close")

    # The next start comes up Russian; the menu turns it back into English.
    window = start()
    shows(window, ["Добавить"], "the second start", 10)
    language_menu()
    session.shot("muralto-languages-russian-menu")
    session.keys("Return")
    shows(window, ENGLISH, "back to English")
    app.close_box()
    expect_eq(app.setting("Language"), "English", "the language after the second close")
