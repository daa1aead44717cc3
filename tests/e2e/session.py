"""One scenario's private world: an X server, a Wine prefix, optionally the
shared virtual desktop, and the programs started in it; torn down whatever
way the scenario ends."""

import fcntl
import os
import shutil
import subprocess
import tempfile
from pathlib import Path

import pyvirtualdisplay

from check import fail, poll
from driver import Driver

# Wine's binaries and fonts are never written to, so a prefix copy shares
# them with the template by hard links; every other file gets its own copy.
SHARED = {".dll", ".exe", ".drv", ".sys", ".vxd", ".ocx", ".cpl", ".acm", ".tlb", ".nls", ".fon", ".ttf", ".com", ".ds"}
DESKTOP = "E2E"


def template_prefix(build, repo):
    """A prefix made once per build tree (it takes seconds); the same cache
    that scripts/xsession keeps."""
    root = build / "xsession"
    root.mkdir(parents=True, exist_ok=True)
    template = root / "template-prefix"
    with open(root / "template.lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if not (template / ".complete").exists():
            shutil.rmtree(template, ignore_errors=True)
            template.mkdir()
            env = dict(os.environ, WINEPREFIX=str(template), DISPLAY="", WINEDEBUG="-all")
            subprocess.run(["wineboot", "-i"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=env)
            if not (template / "system.reg").exists():
                fail(f"wineboot failed for {template}")
            subprocess.run([repo / "scripts/wine-fonts", template], check=True)
            (template / ".complete").touch()
    return template


def copy_prefix(template, to):
    subprocess.run(["cp", "-al", f"{template}/.", f"{to}/"], check=True)
    (to / ".complete").unlink(missing_ok=True)
    for folder, _, files in os.walk(to):
        for name in files:
            path = Path(folder, name)
            if path.is_symlink() or path.suffix.lower() in SHARED:
                continue
            shutil.copy2(path, path.with_name(name + ".copy"))
            os.replace(path.with_name(name + ".copy"), path)


class Session:
    def __init__(self, build, repo, work, artifacts, driver_exe, size=(1024, 768)):
        self.build, self.repo, self.work, self.artifacts = build, repo, work, artifacts
        self.size = size
        self.programs = []
        (build / "xsession").mkdir(parents=True, exist_ok=True)
        self.fbdir = Path(tempfile.mkdtemp(dir=build / "xsession", prefix="fb."))
        # Xvfb's GetImage on the root can return black where a window that
        # was shown over another one lies, although the screen holds its
        # pixels: screenshots read the server's own framebuffer file.
        self.display = pyvirtualdisplay.Display(backend="xvfb", size=size, color_depth=24,
                                                extra_args=["-fbdir", str(self.fbdir), "-nolisten", "tcp"])
        self.display.start()
        self.prefix = Path(tempfile.mkdtemp(dir=build / "xsession", prefix="prefix."))
        copy_prefix(template_prefix(build, repo), self.prefix)
        # Pictures lie where a user keeps them, on a drive of their own
        # (P:\Pictures), so that paths in screenshots are a user's, not the
        # build tree's Z:\...\build\e2e\work\...
        self.user_drive = work / "P"
        self.pictures = self.user_drive / "Pictures"
        self.pictures.mkdir(parents=True)
        (self.prefix / "dosdevices" / "p:").symlink_to(self.user_drive)
        self.env = dict(os.environ, DISPLAY=f":{self.display.display}", WINEPREFIX=str(self.prefix),
                        WINEDEBUG=os.environ.get("WINEDEBUG", "-all"),
                        WINEDLLOVERRIDES=os.environ.get("WINEDLLOVERRIDES", "mscoree,mshtml="))
        self.driver = Driver(self, driver_exe)
        self.log = open(work / "programs.log", "ab")
        self.explorer = None
        self.keys_focused = False
        self.update_refs = False  # --update-refs: pixel checks make their reference pictures

    # Wine.
    def wine(self, *args, timeout=60):
        """Runs a Windows program to its end; its exit status."""
        return subprocess.run(["wine", *map(str, args)], env=self.env, stdout=self.log, stderr=self.log,
                              timeout=timeout).returncode

    def start(self, *args):
        """Starts a Windows program in the background; its Popen."""
        program = subprocess.Popen(["wine", *map(str, args)], env=self.env, stdout=self.log, stderr=self.log,
                                   stdin=subprocess.DEVNULL)
        self.programs.append(program)
        return program

    def reg_add(self, key, value, data):
        self.wine("reg", "add", key, "/v", value, "/d", data, "/f")

    def start_desktop(self):
        """Every Wine program of the session on one virtual desktop, so that
        they see each other's windows; kept up for the whole session."""
        w, h = self.size
        self.reg_add(r"HKCU\Software\Wine\Explorer", "Desktop", DESKTOP)
        self.reg_add(r"HKCU\Software\Wine\Explorer\Desktops", DESKTOP, f"{w}x{h}")
        self.explorer = self.start("explorer", f"/desktop={DESKTOP},{w}x{h}")
        poll("the virtual desktop did not appear", lambda: f'"{DESKTOP} - Wine desktop"' in self.x("xwininfo", "-root",
                                                                                                  "-tree"), 20, 0.2)

    def winpath(self, path):
        """The Windows form of a Linux path: on drive C: or P: when under
        their folders, else Z: (the whole Linux tree)."""
        path = Path(path).resolve()
        for drive, folder in (("C:", self.prefix / "drive_c"), ("P:", self.user_drive)):
            folder = folder.resolve()
            if path.is_relative_to(folder):
                return drive + "\\" + str(path.relative_to(folder)).replace("/", "\\").removeprefix(".")
        return "Z:" + str(path).replace("/", "\\")

    def unixpath(self, windows):
        """The Linux path of a Windows path."""
        out = subprocess.run(["winepath", "-u", windows], env=self.env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, text=True).stdout.strip()
        return Path(out) if out else fail(f"no Linux path for {windows}")

    def env_folder(self, name):
        """The Linux path of a folder the prefix's environment names (LOCALAPPDATA...)."""
        windows = subprocess.run(["wine", "cmd", "/c", "echo", f"%{name}%"], env=self.env, stdout=subprocess.PIPE,
                                 stderr=subprocess.DEVNULL, text=True).stdout.strip()
        if not windows or windows == f"%{name}%":
            fail(f"the prefix has no %{name}%")
        return self.unixpath(windows)

    def ended(self, program, seconds=30):
        """The exit status of a program once it has ended, or None if it still runs after SECONDS."""
        try:
            return program.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            return None

    # The X screen.
    def x(self, *args):
        return subprocess.run(args, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                              errors="replace").stdout

    def shot(self, name, folder=None):
        """A screenshot into build/artifacts/NAME.png (or FOLDER); its path."""
        path = Path(folder or self.artifacts) / f"{name}.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["/usr/bin/convert", f"xwd:{self.fbdir}/Xvfb_screen0", f"png:{path}"], check=True)
        return path

    def pixels(self, shot, width, height, left, top):
        """The raw RGB bytes of a rectangle of a screenshot."""
        return subprocess.run(["/usr/bin/convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}", "+repage",
                               "rgb:-"], stdout=subprocess.PIPE, check=True).stdout

    def mouse(self, x, y, click=None, repeat=1):
        """Moves the real pointer (XTEST, as a hand does), then clicks button CLICK."""
        args = ["xdotool", "mousemove", str(x), str(y)]
        if click:
            args += ["click", "--repeat", str(repeat), "--delay", "120", str(click)]
        subprocess.run(args, env=self.env, check=True)

    def keys(self, *names):
        """Real key presses through the X server, e.g. keys("Tab", "shift+Tab").
        The first call gives the keyboard focus to the Wine desktop window,
        which passes the keys on to its foreground window."""
        if not self.keys_focused:
            found = self.x("xdotool", "search", "--onlyvisible", "--name", "Wine desktop").split()
            if not found:
                fail("no Wine desktop window to type into")
            subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], env=self.env, check=True)
            self.keys_focused = True
        subprocess.run(["xdotool", "key", "--delay", "80", *names], env=self.env, check=True)

    def close(self):
        self.log.flush()
        subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for program in self.programs:
            if program.poll() is None:
                program.kill()
            program.wait()
        self.log.close()
        self.display.stop()
        shutil.rmtree(self.fbdir, ignore_errors=True)
        shutil.rmtree(self.prefix, ignore_errors=True)

