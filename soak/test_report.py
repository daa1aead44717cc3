#!/usr/bin/python3
"""Checks of the soak report's judgement on made-up logs: which picture each
attempt was of, which attempts broke the order, which failures are not the
ones their file must give, and when an object count grows.

    /usr/bin/python3 soak/test_report.py
"""
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import report  # noqa: E402

# The folder: five pictures, the third broken.
PICTURES = [("p1.jpg", "jpeg", 10, 10, "ok"), ("p2.bmp", "bmp24", 11, 10, "ok"),
            ("p3.jpg", "jpeg-garbage", 12, 10, "JPEG error #"), ("p4.bmp", "bmp8", 13, 10, "ok"),
            ("p5.jpg", "jpeg", 14, 10, "ok")]
T0 = 1_000_000


def run_of(events, figures=()):
    """A Run read from logs holding EVENTS: ("pick", picture number) or ("box", message), one a second."""
    logs = Path(tempfile.mkdtemp())
    (logs / "launched").write_text(str(T0))
    (logs / "stopped").write_text(str(T0 + 1000 * (len(events) + 1)))
    tsv = logs / "pictures.tsv"
    tsv.write_text("".join("\t".join(str(f) for f in p) + "\n" for p in PICTURES))
    poll, watch = [], []
    for second, (kind, what) in enumerate(events, 1):
        t = T0 + 1000 * second
        if kind == "pick":
            _, _, w, h, _ = PICTURES[what - 1]
            poll.append(f"{t}\tpick\t{w}\t{h}\t24\t100\n")
        else:
            watch.append(f"{t}\tbox\tMuralto 1.2\t{what}\topen=1\r\n")
            watch.append(f"{t + 500}\tbox-closed\topen_ms=500\r\n")
    for t, handles in figures:
        watch.append(f"{T0 + t * 1000}\tfigures\thandles={handles}\r\n")
    (logs / "poll.log").write_text("".join(poll))
    (logs / "watch.log").write_text("".join(watch))
    return report.Run(logs, tsv, 1)


class Attempts(unittest.TestCase):
    def test_order_and_failures(self):
        rows = [
            # name, events, attempts out of order, failures not the file's own
            ("a clean pass from the second picture, the broken one failing as it must",
             [("pick", 2), ("box", "JPEG error #53."), ("pick", 4), ("pick", 5), ("pick", 1), ("pick", 2)], 0, 0),
            ("a picture skipped", [("pick", 2), ("box", "JPEG error #53."), ("pick", 5)], 1, 0),
            ("a picture shown twice", [("pick", 2), ("pick", 2)], 1, 0),
            ("the first pick is not the second picture", [("pick", 1), ("pick", 2)], 1, 0),
            ("the broken picture failing with another message",
             [("pick", 2), ("box", "Stream read error."), ("pick", 4)], 0, 1),
            ("a good picture failing",
             [("pick", 2), ("box", "JPEG error #53."), ("pick", 4), ("box", "Cannot open file Z:\\p5.jpg.")], 0, 1),
        ]
        for name, events, jumps, wrong in rows:
            with self.subTest(name):
                run = run_of(events)
                attempts, found = run.attempts()
                self.assertEqual(len(found), jumps, f"{name}: out of order {found}")
                fails = [a for a in attempts if a[1] == "fail"]
                self.assertEqual(report.tally_failures(run, fails)[1], wrong, name)


class Counts(unittest.TestCase):
    def test_growth(self):
        rows = [
            # name, readings after the warm-up, grows
            ("flat", [40, 40, 40, 40, 40, 40], False),
            ("a handle held during a pick at one reading", [40, 41, 40, 40, 41, 40], False),
            ("falling", [45, 44, 42, 41, 40, 40], False),
            ("one handle more every reading", [40, 41, 42, 43, 44, 45], True),
            ("a step up that stays", [40, 40, 40, 43, 43, 43], True),
        ]
        for name, readings, grows in rows:
            with self.subTest(name):
                self.assertEqual(report.count_verdict("kernel handles", readings)[1], grows, name)


class Memory(unittest.TestCase):
    def test_same_picture_held(self):
        rows = [
            # name, readings (pass, picture held, KiB), median change in MiB or None
            ("the same memory in every pass", [(0, 1, 5000), (0, 2, 9000), (1, 1, 5000), (1, 2, 9000)], 0.0),
            # A big picture held costs more memory than a small one: only
            # the same picture is compared, never the two.
            ("a mebibyte more at every pass", [(0, 1, 5000), (0, 2, 9000), (2, 1, 7048), (2, 2, 11048)], 2.0),
            ("each picture held in one pass only", [(0, 1, 5000), (1, 2, 90000)], None),
        ]
        for name, samples, change in rows:
            with self.subTest(name):
                found = report.same_picture_growth(samples)
                self.assertEqual(found and found[0], change, name)


if __name__ == "__main__":
    unittest.main()
