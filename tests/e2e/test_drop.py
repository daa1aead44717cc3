"""Folders dragged from outside onto the folder list."""

import subprocess

import pytest

from check import expect_eq, fail, poll
from muralto import expect_crlf_file


@pytest.mark.requires("Muralto.exe")
@pytest.mark.no_desktop
def test_drop_folders(session, driver, app):
    """Folders dropped onto the folder list join it, ticked, and the folder
    list file; a dropped file is refused with a message box; a drop onto the
    window beside the list is not taken at all. The drops are real X
    drag-and-drop operations (XDND, text/uri-list) made by a small drag
    source, which Wine turns into WM_DROPFILES for windows registered with
    DragAcceptFiles.

    No virtual desktop here: in one, the X window under the pointer is the
    desktop's, owned by Wine's explorer process; there the drop is accepted
    and finished, yet nothing reaches the list (Wine 8.0: the drop handle is
    made in explorer's memory and posted to the program's process, where it
    means nothing). Without one, the main window is an X window of the
    program's own, and the drop takes the path it takes on a desktop."""
    xdnd = session.work / "xdnd-drop"
    built = subprocess.run(["cc", "-std=c11", "-D_POSIX_C_SOURCE=200809L", "-Wall", "-Wextra", "-o", xdnd,
                            session.repo / "tests/e2e/xdnd/xdnd-drop.c", "-lX11"])
    expect_eq(built.returncode, 0, "building the XDND drag source (cc and libx11-dev are needed)")
    pictures = session.work / "pictures"
    (pictures / "Beach").mkdir(parents=True)
    (pictures / "Mountains").mkdir()
    (pictures / "notes.txt").write_text("not a folder\n")

    window = app.start()
    folder_list = app.child(None, "SysListView32")

    def drop(control, *paths):
        r = driver.rect(control)
        return subprocess.run([xdnd, str(r.left + r.width // 2), str(r.top + r.height // 2), *map(str, paths)],
                              env=session.env).returncode

    expect_eq(drop(folder_list, pictures / "Beach", pictures / "Mountains"), 0, "the drop of two folders (0: taken)")
    beach, mountains = session.winpath(pictures / "Beach"), session.winpath(pictures / "Mountains")
    expected = [(True, beach), (True, mountains)]
    poll(lambda: f"the list after the drop holds: {driver.list_items(folder_list)}",
         lambda: driver.list_items(folder_list) == expected, 20, 0.2)
    poll("folders.ini was not written",
         lambda: app.folders_ini.exists() and b"Checked Folder2=1" in app.folders_ini.read_bytes())
    expect_crlf_file(app.folders_ini, ["[Folders]", "Total=2", f"Folder1={beach}", "Checked Folder1=1",
                                       f"Folder2={mountains}", "Checked Folder2=1"], "folder list after the drop")

    # A file: refused with the message box, the list unchanged.
    expect_eq(drop(folder_list, pictures / "notes.txt"), 0, "the drop of a file (0: taken)")

    def refusal():
        return next((b for b in app.boxes() if "Please, drag folders only" in app.message(b)), None)
    box = poll("no message box for the dropped file", refusal, 20, 0.2)
    session.shot("muralto-drop-folders")
    # The box belongs to the shown window: above it, and centred on the screen.
    above = next(w.handle for w in driver.list() if w.handle in (box, window))
    expect_eq(above, box, "the window on top of the box and the main window")
    r = driver.rect(box)
    expect_eq((abs(2 * r.left + r.width - 1024) <= 2, abs(2 * r.top + r.height - 768) <= 2), (True, True),
              f"the box centred on the 1024 x 768 screen: it lies at {r.place}")
    driver.click(box, "OK")
    driver.wait_gone(box) or fail("the message box stayed after OK")
    expect_eq(driver.list_items(folder_list), expected, "folder list after the dropped file")

    # Beside the list, on the window itself: nothing there accepts files.
    expect_eq(drop(app.child("Start"), pictures / "Beach"), 2, "a drop onto the Start button (2: refused)")
    expect_eq(driver.list_items(folder_list), expected, "folder list after the refused drop")
    app.close_box()
