"""Working Muralto.exe as a user does: its program folder and files, its main
window, the tray icon and menu, the menu bar, message boxes, and the
wallpaper file its picks write."""

import hashlib
import os
import shutil
import struct
import subprocess
import time
from pathlib import Path

from check import expect_eq, expect_in, fail, poll, poll_quietly
from driver import handle

TITLE = "Muralto 1.2"
RUN_KEY = r"HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Run"
DESKTOP_KEY = r"HKCU\Control Panel\desktop"
BM_GETCHECK = 0xF0
FILE, SETTINGS, HELP = 16, 59, 110  # menu bar titles, pixels in from the main window's left edge

DEFAULTS = {"Language": "English", "Auto Start": "1", "tray": "1", "Selection": "0", "Position": "0",
            "Hour": "1", "Min": "0", "Sec": "0"}


def settings_text(**values):
    """The main settings file's lines, the defaults with VALUES put in (Auto_Start for "Auto Start")."""
    v = dict(DEFAULTS, **{k.replace("_", " "): str(x) for k, x in values.items()})
    return ["[Options]", f"Language={v['Language']}", f"Auto Start={v['Auto Start']}", f"tray={v['tray']}",
            f"Selection={v['Selection']}", f"Position={v['Position']}", "[Pause]", f"Hour={v['Hour']}",
            f"Min={v['Min']}", f"Sec={v['Sec']}"]


def write_crlf(path, lines):
    Path(path).parent.mkdir(parents=True, exist_ok=True)
    Path(path).write_bytes("".join(f"{line}\r\n" for line in lines).encode("cp1252"))


def read_lines(path):
    return Path(path).read_bytes().decode("cp1252").replace("\r\n", "\n").split("\n")[:-1]


def expect_crlf_file(path, lines, what):
    """The file holds exactly LINES, each ending in CR LF."""
    if not Path(path).is_file():
        fail(f"{what}: {path} is missing")
    expected = "".join(f"{line}\r\n" for line in lines).encode("cp1252")
    actual = Path(path).read_bytes()
    if actual != expected:
        fail(f"{what}: {path} holds {actual!r}, expected {expected!r}")


def picture(path, width, height, colour):
    """A plain picture; a .bmp is a 24-bit bitmap, anything else what ImageMagick makes of its name."""
    path = Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    target = f"BMP3:{path}" if path.suffix == ".bmp" else str(path)
    extra = ["-type", "TrueColor"] if path.suffix == ".bmp" else ["-quality", "95"]
    subprocess.run(["/usr/bin/convert", "-size", f"{width}x{height}", "xc:rgb(%d,%d,%d)" % colour, *extra, target],
                   check=True)
    return path


def bmp_size(path):
    """Width x height of a BMP file, e.g. "80x60"."""
    width, height = struct.unpack("<ii", Path(path).read_bytes()[18:26])
    return f"{width}x{height}"


class Picks:
    """The wallpaper file the program writes at each pick. A pick makes the
    file anew beside the old one and renames it over it, so its inode and
    change time change every time, even for the same picture again."""

    def __init__(self, path):
        self.path = Path(path)
        self.last = self.mark()

    def mark(self):
        try:
            s = os.stat(self.path)
            return (s.st_ino, s.st_ctime_ns)
        except FileNotFoundError:
            return None

    def next(self, seconds=20):
        """Waits for the next pick after the last one seen; the picture's size."""
        self.last = poll(f"no pick within {seconds} s",
                         lambda: (m := self.mark()) is not None and m != self.last and m, seconds, 0.05)
        return bmp_size(self.path)

    def record(self, count, seconds=20):
        return [self.next(seconds) for _ in range(count)]


class App:
    """A program folder as an installation lays it out: the executable, a data
    folder and (unless told otherwise) the language files."""

    def __init__(self, session, folder, windows_build, languages=True):
        self.session = session
        self.folder = Path(folder)
        (self.folder / "data").mkdir(parents=True, exist_ok=True)
        exe = windows_build / "Muralto.exe"
        if not exe.is_file():
            fail(f"{exe} is not built")
        shutil.copy2(exe, self.folder)
        if languages:
            (self.folder / "language").mkdir(exist_ok=True)
            for ini in (windows_build / "language").glob("*.ini"):
                shutil.copy2(ini, self.folder / "language")
        self.exe = self.folder / "Muralto.exe"
        self.ini = self.folder / "Muralto.ini"
        self.folders_ini = self.folder / "data" / "folders.ini"
        self.wallpaper = self.folder / "data" / "wallpaper.bmp"
        self.program = None
        self.window = None

    def settings(self, **values):
        write_crlf(self.ini, settings_text(**values))

    def folders(self, *folders, checked=True):
        lines = ["[Folders]", f"Total={len(folders)}"]
        for n, folder in enumerate(folders, 1):
            lines += [f"Folder{n}={self.session.winpath(folder)}", f"Checked Folder{n}={int(checked)}"]
        write_crlf(self.folders_ini, lines)

    def setting(self, key):
        """The main settings file's value for KEY, or None."""
        try:
            lines = read_lines(self.ini)
        except (FileNotFoundError, IsADirectoryError):
            return None
        return next((line.split("=", 1)[1] for line in lines if line.startswith(key + "=")), None)

    # The program.
    def start(self, *args, shown=True):
        """Starts the program; waits for its main window (and until it shows)."""
        d = self.session.driver
        self.program = self.session.start(self.exe, *args)
        self.window = d.wait_window("TForm1", TITLE, 60) or fail("the main window never appeared")
        if shown:
            poll("the main window was never shown", lambda: d.visible(self.window), 30)
        return self.window

    def expect_ended(self, what, status=0):
        ended = self.session.ended(self.program, 30)
        if ended is None:
            fail(f"{what} did not end the program")
        expect_eq(ended, status, f"exit status after {what}")

    def close_box(self):
        """The close box of the main window, and the program's end with 0."""
        self.session.driver.sysclose(self.window)
        self.expect_ended("the close box")

    def child(self, text, cls=None, n=1, window=None):
        """The first child of WINDOW (the main window) showing TEXT, or the
        N-th of class CLS when TEXT is None."""
        found = [c for c in self.session.driver.children(window or self.window)
                 if (c.text == text if text is not None else c.cls == cls)]
        if len(found) < n:
            fail(f'no control "{text if text is not None else cls} {n}" in window {window or self.window}')
        return found[n - 1].handle

    def click(self, window, x=None, y=None):
        """A real left click inside a window: at its centre or at X, Y from its
        top-left corner (negative values count from the right or bottom)."""
        r = self.session.driver.rect(window)
        x = r.width // 2 if x is None else (x if x >= 0 else r.width + x)
        y = r.height // 2 if y is None else (y if y >= 0 else r.height + y)
        self.session.mouse(r.left + x, r.top + y, click=1)

    # Menus: the menu bar and pop-up menus.
    def open_menu(self):
        """The first visible pop-up menu, or None."""
        return next((w.handle for w in self.session.driver.list() if w.visible and w.cls == "#32768"), None)

    def menu_bar_click(self, x):
        """A real click on the menu bar's title X pixels in from the main
        window's left edge (File 16, Settings 59, Help 110); the menu it opens."""
        r = self.session.driver.rect(self.window)
        self.session.mouse(r.left + x, r.client_top - 10, click=1)
        return poll("a click on the menu bar opened no menu", self.open_menu)

    def open_dialog(self, title_x, cls, title):
        """Menu bar title at TITLE_X, then its first item; the dialog it opens, once shown."""
        self.choose(self.menu_bar_click(title_x), 0)
        driver = self.session.driver
        dialog = driver.wait_window(cls, title, 20) or fail(f"no {title} dialog")
        poll(f"the {title} dialog never showed", lambda: driver.visible(dialog))
        return dialog

    def choose(self, menu, row):
        """A real click on a row of an open menu: rows are 17 pixels high from
        3 below its top, separators 9; a negative row counts from the bottom
        (-1 the last)."""
        r = self.session.driver.rect(menu)
        y = r.top + 11 + 17 * row if row >= 0 else r.top + r.height - 11 - 17 * (-row - 1)
        self.session.mouse(r.left + r.width // 2, y, click=1)

    # Message boxes titled with the program's title.
    def boxes(self):
        return [w.handle for w in self.session.driver.list() if w.visible and w.cls == "#32770" and w.title == TITLE]

    def message(self, box):
        return "\n".join(c.text for c in self.session.driver.children(box) if c.cls == "Static" and c.text)

    def answer_box(self, text, button, shot=None):
        """Answers the next message box: checks its text, presses BUTTON, or
        the Enter key when BUTTON is None (the box is then in front)."""
        d = self.session.driver
        box = d.wait_window("#32770", TITLE, 30) or fail(f'no message box for "{text}"')
        title, children = d.texts(box)
        expect_in(text, "\n".join([title] + [c.text for c in children]), "message box")
        if shot:
            self.session.shot(shot)
        if button is None:
            poll("the box never came to the front", lambda: (d.foreground() or [None])[0] == box)
            self.session.keys("Return")
        else:
            d.click(box, button)
        d.wait_gone(box, 10) or fail(f'the box "{text}" stayed')

    # The tray: the notification area at the right end of the virtual
    # desktop's taskbar (class Shell_TrayWnd), the newest icon rightmost,
    # each a square as high as the bar.
    def taskbar(self):
        return self.session.driver.wait_window("Shell_TrayWnd", "-", 20) or fail("no taskbar on the desktop")

    def icon_square(self):
        """The rightmost icon's square (left, top, side); side 0 while the bar is hidden."""
        r = self.session.driver.rect(self.taskbar())
        return (r.left + r.width - r.height, r.top, r.height)

    def icon_point(self):
        left, top, side = self.icon_square()
        return (left + side // 2, top + side // 2)

    def tray_menu(self, seconds=30):
        """A right-button press on the icon; the menu it opens. The icon may
        not be drawn yet when the window shows: the press is repeated until
        a menu opens."""
        deadline = time.monotonic() + seconds
        while True:
            self.session.mouse(*self.icon_point(), click=3)
            menu = poll_quietly(self.open_menu, 3)
            if menu:
                return menu
            if time.monotonic() > deadline:
                fail("a right-button press on the tray icon opened no menu")

    def taskbar_button(self, window):
        """The taskbar's button for WINDOW while it is shown (a child of the bar
        whose id is the window's handle), else None."""
        d = self.session.driver
        wanted = int(window, 16)
        button = next((c.handle for c in d.children(self.taskbar()) if c.id == wanted), None)
        return button if button and d.visible(button) else None


class TrayIcon:
    """Whether the icon is in the notification area, told by the pixels of
    its square against the square before the program started."""

    @staticmethod
    def screen_before(session):
        """The screen before the program starts, the pointer off the
        notification area, once the desktop has drawn (Xvfb's screen is black
        until then, and the icon's square would never look empty again)."""
        session.mouse(5, 5)
        width, height = session.size

        def drawn():
            # The bottom rows, where the bar will be, are the last to be drawn.
            shot = session.shot("before", session.work)
            rows = session.pixels(shot, width, 40, 0, height - 40)
            return all(rows[i:i + 3] != b"\0\0\0" for i in range(0, len(rows), 3)) and shot
        return poll("the desktop never drew", drawn)

    def __init__(self, app, before):
        """BEFORE: the screen_before the icon was added."""
        self.app, self.session = app, app.session
        self.before = before
        self.square = poll("the taskbar never showed", lambda: (s := app.icon_square())[2] > 0 and s)
        left, top, side = self.square
        self.empty = hashlib.md5(self.session.pixels(self.before, side, side, left, top)).hexdigest()

    def shown(self):
        left, top, side = self.square
        now = self.session.shot("now", self.session.work)
        return hashlib.md5(self.session.pixels(now, side, side, left, top)).hexdigest() != self.empty

    def gone(self):
        self.session.mouse(5, 5)
        return not self.shown()

