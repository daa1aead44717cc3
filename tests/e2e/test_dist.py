"""The release packages of `make dist`, tried as a user installs them."""

import filecmp
import hashlib
import re
import subprocess

import pytest

from check import expect_eq, fail, poll
from muralto import RUN_KEY, TITLE

ZIP = "dist/Muralto-1.2-win32.zip"
SETUP = "dist/Muralto-1.2-setup.exe"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Muralto"


@pytest.fixture
def dist(session, dist_folder):
    # Shortcuts would otherwise reach the desktop menus of the machine's own user.
    overrides = session.env.get("WINEDLLOVERRIDES", "")
    session.env["WINEDLLOVERRIDES"] = f"{overrides};winemenubuilder.exe=d" if overrides else "winemenubuilder.exe=d"
    return dist_folder


def tool_prefix(program):
    """The binutils for the program's machine, read from its PE header: the
    32-bit build that ships, or the 64-bit one the scenarios run where 32-bit
    programs cannot."""
    header = program.read_bytes()[:4096]
    at = int.from_bytes(header[0x3C:0x40], "little")
    machine = int.from_bytes(header[at + 4:at + 6], "little")
    return {0x14C: "i686-w64-mingw32", 0x8664: "x86_64-w64-mingw32"}.get(machine) or fail(f"{program}: no PE program")


def main_window(driver):
    window = driver.wait_window("TForm1", TITLE, 60) or fail("the main window never appeared")
    poll("the main window never became visible", lambda: driver.visible(window), 20, 0.2)
    return window


def close(driver, window):
    """Closes the main window by its close box and waits for its process to
    end with 0; the process is held before the close, so that its end cannot
    come before the wait (a program started through a shortcut is no child of ours)."""
    ended = driver.wait_process(driver.window_pid(window), 60)
    driver.sysclose(window)
    expect_eq(ended(), 0, "the program's end after the close box")


def expect_installed(dist, folder, what):
    """Every file of the zip's folder installed byte for byte, and a data folder."""
    package = dist / "Muralto"
    for part in ["Muralto.exe", "README.txt"] + [f"language/{p.name}" for p in (package / "language").glob("*.ini")]:
        if not (folder / part).is_file() or not filecmp.cmp(package / part, folder / part, shallow=False):
            fail(f"{what}: {part} differs from the package's or is missing")
    if not (folder / "data").is_dir():
        fail(f"{what}: no data folder")


def md5(*files):
    return [hashlib.md5(f.read_bytes()).hexdigest() for f in files]


@pytest.mark.requires("Muralto.exe", ZIP)
def test_dist_zip(session, driver, windows_build, dist):
    """The zip unpacked into a folder of drive C: whose path has a blank is a
    working installation: the program (the one built, without its symbol
    tables), an empty data folder, the language files byte for byte and
    README.txt in CR LF lines; the program starts from it, shows its window
    and on closing writes its settings there."""
    place = session.unixpath("C:\\My Programs")
    place.mkdir(parents=True)
    expect_eq(subprocess.run(["unzip", "-q", dist / "Muralto-1.2-win32.zip", "-d", place]).returncode, 0,
              "unzipping the package")
    app = place / "Muralto"
    stripped = session.work / "stripped.exe"
    subprocess.run([f"{tool_prefix(windows_build / 'Muralto.exe')}-strip", "--strip-all", "-o", stripped,
                    windows_build / "Muralto.exe"],
                   env=dict(session.env, SOURCE_DATE_EPOCH="0"), check=True)
    if not filecmp.cmp(app / "Muralto.exe", stripped, shallow=False):
        fail("the zip's Muralto.exe is not the one built, stripped")
    for language in (session.repo / "resources/language").glob("*.ini"):
        if not filecmp.cmp(language, app / "language" / language.name, shallow=False):
            fail(f"language/{language.name} differs")
    expect_eq(sorted(p.name for p in (app / "data").iterdir()) if (app / "data").is_dir() else None, [],
              "the data folder")
    readme = (app / "README.txt").read_bytes() if (app / "README.txt").exists() else b""
    if not readme:
        fail("no README.txt")
    expect_eq([n for n, line in enumerate(readme.split(b"\n")[:-1], 1) if not line.endswith(b"\r")], [],
              "README.txt lines without CR")

    session.start(app / "Muralto.exe")
    window = main_window(driver)
    session.shot("dist-zip")
    expect_eq(driver.reg_get(RUN_KEY, TITLE), '"C:\\My Programs\\Muralto\\Muralto.exe" -a',
              "auto-start value of the first start")
    close(driver, window)
    if b"Total=0\r\n" not in (app / "data/folders.ini").read_bytes():
        fail("no folder list written into the data folder")
    if b"Auto Start=1\r\n" not in (app / "Muralto.ini").read_bytes():
        fail("no settings written beside the program")


@pytest.mark.requires("Muralto.exe", SETUP)
def test_dist_installer(session, driver, dist):
    """The installer, run silently as the user: the program's files in
    %LOCALAPPDATA%\\Programs\\Muralto with an empty data folder, a Start-menu
    shortcut that starts it, the entry in the user's installed programs. The
    quiet uninstaller closes a running copy and leaves nothing behind
    (folder, shortcut, entry, Run value); with /KEEPSETTINGS it keeps the
    settings and a Run value that starts another copy, and installing again
    keeps them too; a Run value with the path quoted is the installation's
    own as well."""
    setup = dist / "Muralto-1.2-setup.exe"
    app = session.env_folder("LOCALAPPDATA") / "Programs/Muralto"
    shortcut = session.env_folder("APPDATA") / "Microsoft/Windows/Start Menu/Programs/Muralto.lnk"
    app_win = session.winpath(app)

    def install():
        expect_eq(session.wine(setup, "/S", timeout=120), 0, "exit status of the silent installer")

    def uninstall(*args):
        # The uninstaller carries on from a copy of itself in the temporary
        # folder and removes the entry last: wait for the entry to go.
        quiet = driver.reg_get(UNINSTALL_KEY, "QuietUninstallString") or fail("no quiet uninstall command")
        match = re.fullmatch(r'"([^"]+)" /S', quiet) or fail(f"quiet uninstall command: {quiet}")
        expect_eq(session.wine(session.unixpath(match[1]), "/S", *args), 0, "exit status of the uninstaller's start")
        poll("the uninstaller never removed its entry", lambda: driver.reg_get(UNINSTALL_KEY, "DisplayName") is None,
             60, 0.5)

    def tree():
        return sorted(str(p.relative_to(app)) for p in app.rglob("*"))

    install()
    expect_installed(dist, app, "installed")
    if not (app / "uninstall.exe").is_file():
        fail("no uninstall.exe")
    expect_eq(sorted(p.name for p in (app / "data").iterdir()) if (app / "data").is_dir() else None, [],
              "the data folder")
    if not shortcut.is_file():
        fail(f"no Start-menu shortcut at {shortcut}")
    for value, expected in [("DisplayName", "Muralto"), ("DisplayVersion", "1.2"), ("Publisher", "the Muralto team"),
                            ("InstallLocation", app_win), ("DisplayIcon", f"{app_win}\\Muralto.exe,0"),
                            ("UninstallString", f'"{app_win}\\uninstall.exe"'),
                            ("QuietUninstallString", f'"{app_win}\\uninstall.exe" /S'), ("NoModify", "1"),
                            ("NoRepair", "1")]:
        expect_eq(driver.reg_get(UNINSTALL_KEY, value), expected, f"uninstall entry's {value}")

    # Started from its shortcut, the way the Start menu does.
    expect_eq(session.wine("start", "/unix", shortcut), 0, "starting the shortcut")
    window = main_window(driver)
    session.shot("dist-installer")
    expect_eq(driver.reg_get(RUN_KEY, TITLE), f"{app_win}\\Muralto.exe -a", "auto-start value")
    close(driver, window)
    if not (app / "Muralto.ini").is_file() or not (app / "data/folders.ini").is_file():
        fail("the installed program could not save its settings")

    # Started at logon, hidden, and still running when the uninstaller comes.
    program = session.start(app / "Muralto.exe", "-a")
    driver.wait_window("TForm1", TITLE, 60) or fail("the hidden copy never started")
    uninstall()
    if session.ended(program, 30) is None:
        fail("the uninstaller left the program running")
    if app.exists():
        fail(f"left behind in the program's folder: {' '.join(tree())}")
    if shortcut.exists():
        fail("the shortcut was left behind")
    expect_eq(driver.reg_get(RUN_KEY, TITLE), None, "the Run value after uninstalling")
    expect_eq(driver.reg_get(UNINSTALL_KEY, "DisplayName"), None, "uninstall entry")

    # Keeping the settings: they and a Run value of another copy stay; the rest goes.
    install()
    (app / "data/folders.ini").write_bytes(b"[Folders]\r\nTotal=1\r\nFolder1=C:\\pictures\r\nChecked Folder1=1\r\n")
    (app / "Muralto.ini").write_bytes(b"[Options]\r\nLanguage=Russian\r\n")
    other = "C:\\unzipped\\Muralto\\Muralto.exe -a"
    session.reg_add(RUN_KEY, TITLE, other)
    kept = md5(app / "Muralto.ini", app / "data/folders.ini")
    uninstall("/KEEPSETTINGS")
    if not app.is_dir():
        fail("/KEEPSETTINGS removed the settings with the program's folder")
    expect_eq(tree(), ["Muralto.ini", "data", "data/folders.ini"], "what /KEEPSETTINGS keeps")
    expect_eq(md5(app / "Muralto.ini", app / "data/folders.ini"), kept, "kept settings")
    if shortcut.exists():
        fail("the shortcut was left behind with /KEEPSETTINGS")
    expect_eq(driver.reg_get(RUN_KEY, TITLE), other, "another copy's Run value")

    install()
    expect_eq(md5(app / "Muralto.ini", app / "data/folders.ini"), kept, "settings after installing again")
    expect_installed(dist, app, "installed again")

    # The value in the form the program writes for a path with a blank
    # (quoted) is this installation's too.
    quoted = f'"{app_win}\\Muralto.exe" -a'
    session.reg_add(RUN_KEY, TITLE, quoted)
    expect_eq(driver.reg_get(RUN_KEY, TITLE), quoted, "the quoted Run value")
    uninstall()
    expect_eq(driver.reg_get(RUN_KEY, TITLE), None, "the quoted Run value after uninstalling")
