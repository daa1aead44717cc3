"""What a person sees, checked by its pixels: a window's rectangle of the
screen against a reviewed reference picture in tests/e2e/references/.

The references are made by `make e2e-references` (the scenarios marked
"pixels", run with --update-refs), and looked at as pictures before they are
committed. A check fails when more than ALLOWED pixels differ from the
reference by more than TOLERANCE in a colour channel; it then leaves the
actual picture and a diff (the reference greyed, differing pixels red) in
build/artifacts/.

Rendering is the same from run to run when nothing moves: the same fonts,
display and theme in every prefix. What does move is kept out: the pointer is
parked in the top-right corner of the screen (or, where it must stay, its
square is masked), and a blinking caret is masked; masked areas are
magenta in the references."""

import time
from pathlib import Path

import numpy
from PIL import Image

from check import fail

REFERENCES = Path(__file__).parent / "references"
TOLERANCE = 24
ALLOWED = 4
MASK = (255, 0, 255)
PARK = (1023, 0)
# The pointer's picture lies within this square around its hot spot (the
# hand over a link has its hot spot at the finger's tip, a few pixels in).
POINTER = (-12, -4, 44, 44)


def pointer_mask(x, y):
    """The mask (left, top, width, height) over the pointer at X, Y."""
    dx, dy, w, h = POINTER
    return (x + dx, y + dy, w, h)


def screen(session):
    """The whole screen as an array of rows of RGB, read from Xvfb's
    framebuffer file (an XWD image of 32-bit pixels, least significant byte
    first: blue, green, red, unused)."""
    data = (session.fbdir / "Xvfb_screen0").read_bytes()
    field = lambda n: int.from_bytes(data[4 * n:4 * n + 4], "big")  # noqa: E731
    header, width, height, order, bits, line, ncolours = (field(i) for i in (0, 4, 5, 7, 11, 12, 19))
    if bits != 32 or order != 0 or field(14) != 0xFF0000:
        fail(f"the X framebuffer is not 32-bit BGRX (bits {bits}, byte order {order}, red mask {field(14):#x})")
    start = header + 12 * ncolours
    pixels = numpy.frombuffer(data, numpy.uint8, line * height, start).reshape(height, line // 4, 4)
    return pixels[:, :width, 2::-1]


def capture(session, rect, masks):
    """RECT (left, top, width, height) of the screen with MASKS painted over."""
    left, top, width, height = rect
    picture = screen(session)[top:top + height, left:left + width].copy()
    for mask_left, mask_top, mask_width, mask_height in masks:
        x0, y0 = max(mask_left - left, 0), max(mask_top - top, 0)
        picture[y0:max(mask_top - top + mask_height, 0), x0:max(mask_left - left + mask_width, 0)] = MASK
    return picture


def differing(actual, reference):
    """How many pixels differ by more than TOLERANCE, and where (a boolean mask)."""
    where = numpy.abs(actual.astype(numpy.int16) - reference.astype(numpy.int16)).max(axis=2) > TOLERANCE
    return int(where.sum()), where


def diff_picture(reference, where):
    grey = (reference.mean(axis=2, keepdims=True) * 0.4 + 140).astype(numpy.uint8).repeat(3, axis=2)
    grey[where] = (255, 0, 0)
    return grey


def expect_looks(session, name, window, masks=(), park=True, seconds=15):
    """WINDOW (a handle) looks as the reference NAME shows it. The window may
    still be drawing: the screen is read again until it matches or SECONDS
    pass. With --update-refs the reference is made instead, from a picture
    that stayed the same for a second."""
    if park:
        session.mouse(*PARK)
    r = session.driver.rect(window)
    rect = (r.left, r.top, r.width, r.height)
    path = REFERENCES / f"{name}.png"
    if session.update_refs:
        return make_reference(session, path, rect, masks, seconds)
    if not path.is_file():
        fail(f"no reference picture {path} (make e2e-references makes it)")
    reference = numpy.asarray(Image.open(path).convert("RGB"))
    deadline = time.monotonic() + seconds
    while True:
        actual = capture(session, rect, masks)
        if actual.shape == reference.shape:
            count, where = differing(actual, reference)
            if count <= ALLOWED:
                return
        if time.monotonic() > deadline:
            break
        time.sleep(0.2)
    session.artifacts.mkdir(parents=True, exist_ok=True)
    saved = session.artifacts / f"{name}-actual.png"
    Image.fromarray(actual).save(saved)
    if actual.shape != reference.shape:
        fail(f"{name}: the window is {actual.shape[1]}x{actual.shape[0]}, the reference {path} "
             f"{reference.shape[1]}x{reference.shape[0]} (actual: {saved})")
    diff = session.artifacts / f"{name}-diff.png"
    Image.fromarray(diff_picture(reference, where)).save(diff)
    ys, xs = numpy.nonzero(where)
    fail(f"{name}: {count} pixels differ from the reference {path} (at most {ALLOWED} may), within "
         f"x {xs.min()}..{xs.max()}, y {ys.min()}..{ys.max()} of the window (actual: {saved}, diff: {diff})")


def make_reference(session, path, rect, masks, seconds):
    last, still = None, None
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        now = capture(session, rect, masks)
        if last is None or now.shape != last.shape or (now != last).any():
            last, still = now, time.monotonic()
        elif time.monotonic() - still >= 1:
            path.parent.mkdir(parents=True, exist_ok=True)
            Image.fromarray(now).save(path, optimize=True)
            return
        time.sleep(0.1)
    fail(f"{path.stem}: the window never stayed the same for a second; no reference made")
