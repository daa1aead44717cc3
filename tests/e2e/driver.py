"""A typed wrapper over e2e-driver.exe: one method per driver command.

Each call runs the driver once under Wine on the session's desktop. Windows
are handles as the driver prints them ("0x0001002a"). A check the driver
finds false (status 1: a window that never came, a value that is missing)
returns None or False; a usage fault (status 2) raises DriverError."""

import subprocess
from dataclasses import dataclass


class DriverError(Exception):
    pass


# Commands whose last argument is how long they wait, and commands that act
# (never repeated: a second click is not the first one's retry).
WAITS = {"wait-window", "wait-gone", "wait-text", "wait-focus", "wait-process"}
ACTIONS = {"click", "command", "post", "send", "broadcast", "set-text", "close", "sysclose", "tray-delete", "run"}


@dataclass(frozen=True)
class Child:
    handle: str
    cls: str
    id: int
    text: str


@dataclass(frozen=True)
class TopWindow:
    handle: str
    pid: int
    visible: bool
    cls: str
    title: str


@dataclass(frozen=True)
class Rect:
    left: int
    top: int
    width: int
    height: int
    client_width: int
    client_height: int

    @property
    def place(self):
        return (self.left, self.top, self.width, self.height)

    @property
    def client_top(self):
        """The screen row where the client area starts (below the menu bar)."""
        border = (self.width - self.client_width) // 2
        return self.top + self.height - border - self.client_height


def handle(number):
    """The driver's form of a window handle given as a number."""
    return f"0x{number:08x}"


class Driver:
    def __init__(self, session, exe):
        self.session = session
        self.exe = str(exe)
        # The ANSI code page the driver's texts come in (the locale's).
        self.encoding = "cp1252"

    def _run(self, *args, check=True):
        # Now and then the driver never gets going under Wine (seen once,
        # without a virtual desktop): a call that outlives its own wait by a
        # minute is ended, and one that only reads is tried again.
        limit = 60 + (int(args[-1]) if args[0] in WAITS else 0)
        for attempt in (1, 2):
            try:
                result = subprocess.run(["wine", self.exe, *map(str, args)], env=self.session.env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                        encoding=self.encoding, errors="replace", timeout=limit)
                break
            except subprocess.TimeoutExpired:
                if attempt == 2 or args[0] in ACTIONS:
                    raise DriverError(f"e2e-driver {' '.join(map(str, args))}: no answer within {limit} s")
        out = result.stdout.replace("\r", "")
        if result.returncode == 2 or (check and result.returncode != 0):
            raise DriverError(f"e2e-driver {' '.join(map(str, args))}: status {result.returncode}: "
                              f"{result.stderr.strip()}")
        return out if result.returncode == 0 else None

    @staticmethod
    def _first(out):
        return out.split("\n")[0].split("\t")[0] if out else None

    # Windows.
    def find(self, cls, title="-"):
        return self._first(self._run("find", cls, title, check=False))

    def wait_window(self, cls, title="-", seconds=20):
        return self._first(self._run("wait-window", cls, title, seconds, check=False))

    def wait_gone(self, window, seconds=10):
        return self._run("wait-gone", window, seconds, check=False) is not None

    def texts(self, window):
        """The window's own text and its children."""
        lines = self._run("texts", window).rstrip("\n").split("\n")
        children = []
        for line in lines[1:]:
            h, cls, ident, text = (line.split("\t", 3) + [""] * 4)[:4]
            children.append(Child(h, cls, int(ident), text))
        return lines[0], children

    def children(self, window):
        return self.texts(window)[1]

    def text(self, window):
        return self.texts(window)[0]

    def wait_text(self, window, text, seconds=10):
        return self._run("wait-text", window, text, seconds, check=False) is not None

    def visible(self, window):
        return self._run("visible", window).strip() == "1"

    def rect(self, window):
        outer, client = self._run("rect", window).strip().split("\n")[:2]
        return Rect(*map(int, outer.split()), *map(int, client.split()))

    def list(self):
        windows = []
        for line in self._run("list").strip("\n").split("\n"):
            if line:
                h, pid, visible, cls, title = (line.split("\t", 4) + [""] * 5)[:5]
                windows.append(TopWindow(h, int(pid), visible == "1", cls, title))
        return windows

    def foreground(self):
        """The foreground window as (handle, class, title), or None."""
        out = self._run("foreground", check=False)
        return tuple((out.rstrip("\n").split("\t") + ["", ""])[:3]) if out else None

    def focus(self, window):
        out = self._run("focus", window, check=False)
        return tuple(out.rstrip("\n").split("\t", 2)) if out else None

    def wait_focus(self, window, text, seconds=10):
        return self._run("wait-focus", window, text, seconds, check=False) is not None

    def window_pid(self, window):
        return int(self._run("window-pid", window))

    # Messages.
    def click(self, window, text):
        return self._run("click", window, text, check=False) is not None

    def command(self, window, ident):
        self._run("command", window, ident)

    def post(self, window, message, wparam, lparam):
        self._run("post", window, message, wparam, lparam)

    def send(self, window, message, wparam, lparam):
        return int(self._run("send", window, message, wparam, lparam))

    def broadcast(self, name):
        self._run("broadcast", name)

    def set_text(self, window, text):
        self._run("set-text", window, text)

    def close(self, window):
        self._run("close", window)

    def sysclose(self, window):
        self._run("sysclose", window)

    # The notification area.
    def tray_delete(self, window, ident):
        """Takes the icon of WINDOW and IDENT out of the notification area;
        False when the area holds no such icon."""
        return self._run("tray-delete", window, ident, check=False) is not None

    # List views.
    def list_items(self, window):
        """(checked, text) of each item."""
        out = self._run("list-items", window)
        return [(line[0] == "1", line[2:]) for line in out.split("\n") if line]

    def item_rect(self, window, index):
        """The item's row and its label on the screen, each (left, top, width, height)."""
        row, label = self._run("item-rect", window, index).strip().split("\n")[:2]
        return tuple(map(int, row.split())), tuple(map(int, label.split()))

    # Fonts.
    def font(self, face, height):
        """(face, cell height, average width, charset) the font mapper gives."""
        face, cell, width, charset = self._run("font", face, height).strip().split("\t")[:4]
        return face, int(cell), int(width), int(charset)

    # Registry.
    def reg_get(self, key, value):
        """The value's text, or None when it is missing."""
        out = self._run("reg-get", key, value, check=False)
        return None if out is None else out.rstrip("\n")

    # Processes.
    def run(self, seconds, program, *args):
        """Runs a program to its end; its exit code, or None if it outlived SECONDS."""
        out = self._run("run", seconds, program, *args, check=False)
        return int(out.split()[1]) if out else None

    def wait_process(self, pid, seconds):
        """Starts waiting for a process that is no child of ours; returns a
        callable that gives its exit code (None if it outlived SECONDS), once
        the driver holds the process (so its end cannot slip by)."""
        waiter = subprocess.Popen(["wine", self.exe, "wait-process", str(pid), str(seconds)], env=self.session.env,
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, errors="replace")
        held = waiter.stderr.readline()
        if "waiting for process" not in held:
            raise DriverError(f"wait-process {pid}: {held.strip()}")

        def result():
            out, _ = waiter.communicate()
            return int(out.split()[1]) if waiter.returncode == 0 else None
        return result
