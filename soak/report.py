#!/usr/bin/python3
"""Turns a soak run's logs into OUT/report.md and OUT/report.png.

    report.py LOGS PICTURES_TSV OUT INTERVAL_SECONDS

LOGS holds launched and stopped (epoch ms), poll.log (picks and Linux memory,
soak/poll.py) and watch.log (message boxes and the Windows figures,
soak-watch.exe). The folder is rotated in sequence from a fresh start, so the
attempts must go through the pictures in order from the second one: every
picture either picked or failing with the message pictures.tsv expects.
"""
import bisect
import statistics
import sys
from pathlib import Path

MIB = 1024 * 1024
# What runs before this has not settled yet: the first attempts load code,
# fonts and the first big pictures.
WARMUP_MINUTES = 2


def read_lines(path):
    if not path.exists():
        return []
    return [line.rstrip("\r\n").replace("\r", "").split("\t") for line in path.read_text(errors="replace").splitlines()
            if line.strip()]


def pairs(fields):
    return {k: int(v) for k, v in (f.split("=", 1) for f in fields if "=" in f) if v.lstrip("-").isdigit()}


class Run:
    def __init__(self, logs, tsv, interval):
        self.interval = interval
        self.started = int((logs / "launched").read_text())
        stopped = logs / "stopped"
        self.stopped = int(stopped.read_text()) if stopped.exists() else None
        self.pictures = []
        for row in read_lines(tsv):
            name, kind, w, h, outcome = row
            self.pictures.append({"name": name, "kind": kind, "size": (int(w), int(h)), "outcome": outcome})
        # The pool's order: the folder listed case-insensitively.
        self.pictures.sort(key=lambda p: p["name"].lower())
        self.by_size = {p["size"]: i for i, p in enumerate(self.pictures)}
        self.picks, self.memory, self.boxes, self.closed, self.figures = [], [], [], [], []
        self.unreadable = 0
        for row in read_lines(logs / "poll.log"):
            t, kind = int(row[0]), row[1]
            if kind == "pick":
                self.picks.append((t, (int(row[2]), int(row[3])), int(row[4])))
            elif kind == "pick-unreadable":
                self.unreadable += 1
            elif kind == "memory":
                self.memory.append((t, pairs(row[2:])))
        end = None
        for row in read_lines(logs / "watch.log"):
            t, kind = int(row[0]), row[1]
            if kind == "figures":
                self.figures.append((t, pairs(row[2:])))
            elif kind == "box":
                self.boxes.append((t, row[3] if len(row) > 3 else "", int(row[4].split("=")[1]) if len(row) > 4 else 1))
            elif kind == "box-closed":
                self.closed.append((t, int(row[2].split("=")[1])))
            elif kind == "end":
                end = t
        self.self_check = [pairs(row[3:]) for row in read_lines(logs / "self-check.log") if len(row) > 3]
        if self.stopped is None:
            self.stopped = end or max([t for t, *_ in self.picks] + [self.started])
        self.seconds = (self.stopped - self.started) / 1000

    def attempts(self):
        """Picks and failures in time order, each given the picture it was of."""
        events = [(t, "pick", size) for t, size, _ in self.picks] + [(t, "fail", text) for t, text, _ in self.boxes]
        events.sort(key=lambda e: e[0])
        n = len(self.pictures)
        expected = 1 % n if n else 0
        out, jumps = [], []
        for t, kind, what in events:
            if kind == "pick":
                index = self.by_size.get(what)
                if index is None:
                    jumps.append((t, expected, None))
                    continue
                if index != expected:
                    jumps.append((t, expected, index))
            else:
                index = expected
            out.append((t, kind, index, what))
            expected = (index + 1) % n
        return out, jumps


def tally_failures(run, fails):
    """Failures by (file, message), and how many are not what the file must give."""
    by = {}
    wrong = 0
    for _, _, index, text in fails:
        p = run.pictures[index]
        key = (p["name"], text)
        by[key] = by.get(key, 0) + 1
        if p["outcome"] == "ok" or not text.startswith(p["outcome"]):
            wrong += 1
    return by, wrong


def same_picture_growth(samples):
    """Memory readings (pass, picture held, KiB), compared picture by picture
    between the first and the last pass that held it: the median change in
    MiB, how many pictures, the median number of passes between; None
    without a picture held in two passes."""
    held = {}
    for p, i, kib in samples:
        held.setdefault(i, {}).setdefault(p, []).append(kib)
    deltas, apart = [], []
    for passes in held.values():
        first, last = min(passes), max(passes)
        if last > first:
            deltas.append(statistics.fmean(passes[last]) - statistics.fmean(passes[first]))
            apart.append(last - first)
    if not deltas:
        return None
    return statistics.median(deltas) / 1024, len(deltas), statistics.median(apart)


def count_verdict(name, settled):
    """An object count after the warm-up grows when even the lowest of its
    last three readings lies above the lowest of its first three: a handle
    held only while a pick runs is not counted as growth, a leak is."""
    first, last = min(settled[:3]), min(settled[-3:])
    text = (f"{name}: {settled[0]:.0f} after {WARMUP_MINUTES} min, {settled[-1]:.0f} at the end, "
            f"lowest of the first three readings {first:.0f} and of the last three {last:.0f}")
    grows = last > first
    return text + (f" (grows by {last - first:.0f})" if grows else " (no growth)"), grows


def spread(values):
    if not values:
        return "none"
    values = sorted(values)
    p95 = values[min(len(values) - 1, int(len(values) * 0.95))]
    return f"median {statistics.median(values):.2f} s, 95th percentile {p95:.2f} s, longest {values[-1]:.2f} s"


def slope_per_minute(points):
    """Least-squares slope of (seconds, value) points, per minute."""
    if len(points) < 3:
        return None
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    mx, my = statistics.fmean(xs), statistics.fmean(ys)
    den = sum((x - mx) ** 2 for x in xs)
    return sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / den * 60 if den else None


def write_report(run, out):
    lines = []
    add = lines.append
    minutes = run.seconds / 60
    attempts, jumps = run.attempts()
    fails = [a for a in attempts if a[1] == "fail"]
    # The timer starts at the end of the program's set-up, one interval
    # before the first attempt (a conversion runs after its tick, never
    # before): count the ticks from there.
    first = attempts[0][0] if attempts else run.stopped
    expected_ticks = int((run.stopped - first) / 1000 // run.interval) + (1 if attempts else 0)
    made = len(run.picks) + len(run.boxes)
    add("# Soak run\n")
    add(f"Length: {minutes:.1f} min ({run.seconds:.0f} s), interval {run.interval} s, "
        f"{len(run.pictures)} pictures in the folder, Sequential, rotation started with \"-a\".\n")
    add("## Picks\n")
    add(f"- Ticks expected: {expected_ticks} (one per {run.interval} s, from one interval before the first attempt, "
        f"{(first - run.started) / 1000:.1f} s after the launch, to the stop).")
    add(f"- Picks made (a new wallpaper file): {len(run.picks)}; failed picks (message boxes): {len(run.boxes)}; "
        f"together {made} ({made / expected_ticks * 100 if expected_ticks else 0:.1f} % of the ticks expected), "
        f"{made / minutes if minutes else 0:.1f} a minute.")
    add(f"- Ticks without a pick: {max(expected_ticks - made, 0)}. A tick that comes while a pick is still "
        "converting is lost, not made up (the timer's messages are not queued twice), so every pick that takes "
        "longer than the interval costs ticks; the slowest picks are listed below.")
    times = [t for t, *_ in attempts]
    gaps = [(b - a) / 1000 for a, b in zip(times, times[1:])]
    add(f"- Time between attempts: {spread(gaps)}.")
    slow = sorted(((times[i + 1] - times[i]) / 1000, attempts[i + 1][2]) for i in range(len(gaps)))[::-1][:5]
    if slow:
        add("- Longest gaps, with the picture picked at their end (its conversion filled the gap):")
        for gap, index in slow:
            p = run.pictures[index]
            add(f"  - {gap:.2f} s before {p['name']} ({p['size'][0]} x {p['size'][1]}, {p['kind']})")
    passes = len(attempts) / len(run.pictures) if run.pictures else 0
    add(f"- Order: {len(jumps)} attempts out of sequence (a picture skipped or repeated); the attempts went "
        f"{passes:.2f} times through the folder.")
    for t, exp, got in jumps[:10]:
        got_name = run.pictures[got]["name"] if got is not None else "a picture not in the folder"
        add(f"  - at {(t - run.started) / 1000:.1f} s: expected {run.pictures[exp]['name']}, got {got_name}")
    if run.unreadable:
        add(f"- Wallpaper files that were not a BMP when read: {run.unreadable}.")

    add("\n## Failures\n")
    by, wrong = tally_failures(run, fails)
    if by:
        add("| File | Message | Times |")
        add("|---|---|---|")
        for (name, text), count in sorted(by.items()):
            add(f"| {name} | {text} | {count} |")
    else:
        add("No failure message box.")
    broken = [p["name"] for p in run.pictures if p["outcome"] != "ok"]
    add(f"\nBroken files in the folder: {len(broken)}; failures whose message is not the one the file must give: "
        f"{wrong}.")
    most_open = max((n for _, _, n in run.boxes), default=0)
    during = 0
    spans = []
    for (t, _, _), (tc, open_ms) in zip(run.boxes, run.closed):
        spans.append((t, tc))
    for t, _, _ in run.picks:
        if any(a <= t <= b for a, b in spans):
            during += 1
    held = [ms / 1000 for _, ms in run.closed]
    answered = (f"Each box was answered (OK) after about {statistics.median(held):.1f} s" if held else
                "No box was answered")
    add(f"{answered}; most boxes open at once: {most_open}; picks made while a box was open: {during} (the box's own message loop keeps the timer "
        "ticking, so an unanswered box does not stop the rotation; a tick that fails while a box is open opens no second box and shows here as a "
        "tick without a pick).")

    add("\n## Memory and objects\n")
    add("Read once a minute from outside by soak-watch.exe, and every 2 s from Linux:\n")
    add("- working set: GetProcessMemoryInfo's WorkingSetSize (Wine gives the Linux resident set); "
        "pagefile: its PagefileUsage; Wine 8.0 leaves PrivateUsage at 0 for another process.")
    add("- Linux RSS / anonymous: VmRSS and RssAnon of the program's Linux process (/proc, every 2 s); the "
        "anonymous part is the nearest there is to private bytes.")
    answers = sorted({(f.get("gui_gdi"), f.get("gui_user"), f.get("gui_gdi_error")) for _, f in run.figures},
                     key=str)
    said = "; ".join(f"GDI {g}, USER {u}, error {e}" for g, u, e in answers) or "never read"
    unimplemented = answers == [(0, 0, 120)]
    add(f"- GetGuiResources answered, over {len(run.figures)} readings: {said}"
        + (" (120: not implemented; Wine 8.0 has it as a stub). In its place:" if unimplemented else ". Also:"))
    check = run.self_check
    def moved(key):
        if len(check) < 2 or key not in check[0] or key not in check[1]:
            return "not read"
        return f"{check[1][key] - check[0][key]:+d}"
    add("  - GDI objects: the live entries of the program's GDI handle table, read from its memory "
        "(stock objects left out).")
    add("  - windows: the windows the process owns, top-level and children (the USER objects that can be seen "
        "from outside; menus, icons and cursors cannot).")
    add("  - kernel handles: the process's entries in the system handle list (NtQuerySystemInformation); "
        "GetProcessHandleCount answers 0 under Wine.")
    add(f"- Check of the counters (soak-watch --self-check, before the run, in its own process): after making 50 "
        f"brushes, 5 windows and 10 events the GDI table count moved {moved('gdi_table')}, GetGuiResources GDI "
        f"{moved('gui_gdi')}, the windows {moved('windows')}, the kernel "
        f"handles {moved('handles')}, GetProcessHandleCount {moved('handle_count_api')}.\n")
    rows = [("working set (MiB)", [(t, f.get("working_set", 0) / MIB) for t, f in run.figures]),
            ("pagefile (MiB)", [(t, f.get("pagefile", 0) / MIB) for t, f in run.figures]),
            ("Linux RSS (MiB)", [(t, m.get("rss_kib", 0) / 1024) for t, m in run.memory]),
            ("Linux anonymous (MiB)", [(t, m.get("anon_kib", 0) / 1024) for t, m in run.memory]),
            ("GDI objects (table)", [(t, f["gdi_table"]) for t, f in run.figures if "gdi_table" in f]),
            ("windows", [(t, f.get("windows", 0)) for t, f in run.figures]),
            ("kernel handles", [(t, f["handles"]) for t, f in run.figures if "handles" in f])]
    warm = run.started + WARMUP_MINUTES * 60000
    add(f"| Figure | first | after {WARMUP_MINUTES} min | last | max | slope after {WARMUP_MINUTES} min |")
    add("|---|---|---|---|---|---|")
    verdicts = []
    for name, points in rows:
        if not points:
            add(f"| {name} | – | – | – | – | – |")
            continue
        settled = [(t, v) for t, v in points if t >= warm] or points[-1:]
        slope = slope_per_minute([((t - run.started) / 1000, v) for t, v in settled])
        fmt = (lambda v: f"{v:.1f}") if "MiB" in name else (lambda v: f"{v:.0f}")
        add(f"| {name} | {fmt(points[0][1])} | {fmt(settled[0][1])} | {fmt(points[-1][1])} | "
            f"{fmt(max(v for _, v in points))} | {'–' if slope is None else f'{slope:+.2f} a minute'} |")
        if "MiB" not in name:
            verdicts.append(count_verdict(name, [v for _, v in settled]))
    add("")
    # Memory depends on the picture held (the work bitmap holds the last one,
    # up to 70 MiB): compare the same picture held in the first and the last
    # pass through the folder after the warm-up.
    pick_times, pick_index, pick_pass = [], [], []
    pass_no, prev = 0, -1
    for t, kind, index, _ in attempts:
        if index < prev:
            pass_no += 1
        prev = index
        if kind == "pick":
            pick_times.append(t)
            pick_index.append(index)
            pick_pass.append(pass_no)
    settled_samples = []  # (pass, picture held, RSS KiB)
    for t, m in run.memory:
        k = bisect.bisect_right(pick_times, t) - 1
        if k >= 0 and t >= warm:
            settled_samples.append((pick_pass[k], pick_index[k], m.get("rss_kib", 0)))
    same = same_picture_growth(settled_samples)
    rss_settled = [((t - run.started) / 1000, m.get("rss_kib", 0) / 1024) for t, m in run.memory if t >= warm]
    rss_slope = slope_per_minute(rss_settled)
    add("### Verdict on growth\n")
    if same:
        add(f"- Memory, same picture held: the Linux RSS while the same picture was the wallpaper differed by a median "
            f"of {same[0]:+.2f} MiB between the first and the last pass through the folder that held it after the "
            f"warm-up ({same[1]} pictures compared, a median of {same[2]:.0f} passes apart).")
    else:
        add("- Memory, same picture held: the run was too short for two passes through the folder after the "
            "warm-up; only the slope below is available.")
    if rss_slope is not None:
        add(f"- Memory, trend: the Linux RSS after {WARMUP_MINUTES} min moved {rss_slope:+.2f} MiB a minute "
            "(least squares over the 2-s samples; it swings with the size of the picture held).")
    for v, _ in verdicts:
        add(f"- {v}.")
    grows_mem = same is not None and same[0] > 1.0
    grows_objects = any(grows for _, grows in verdicts)
    if grows_mem or grows_objects:
        add("\n**Verdict: growth.** " + ("Memory grows with the same picture held. " if grows_mem else "") +
            ("An object count grows after the warm-up." if grows_objects else ""))
    else:
        add("\n**Verdict: no growth after the warm-up** (object counts flat, memory with the same picture held "
            "within 1 MiB)." if same else "\n**Verdict: object counts flat after the warm-up**; memory needs a longer "
            "run for a same-picture comparison.")
    (out / "report.md").write_text("\n".join(lines) + "\n")
    return attempts


def plot(run, attempts, out):
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
    minute = lambda t: (t - run.started) / 60000
    fig, (mem, objs, picks) = plt.subplots(3, 1, figsize=(10, 9), sharex=True)
    if run.memory:
        mem.plot([minute(t) for t, _ in run.memory], [m.get("rss_kib", 0) / 1024 for _, m in run.memory],
                 lw=0.8, label="Linux RSS (every 2 s)")
        mem.plot([minute(t) for t, _ in run.memory], [m.get("anon_kib", 0) / 1024 for _, m in run.memory],
                 lw=0.8, label="Linux anonymous")
    if run.figures:
        mem.plot([minute(t) for t, _ in run.figures], [f.get("working_set", 0) / MIB for _, f in run.figures],
                 "o", label="working set (GetProcessMemoryInfo)")
        mem.plot([minute(t) for t, _ in run.figures], [f.get("pagefile", 0) / MIB for _, f in run.figures],
                 "s", label="pagefile usage")
    mem.set_ylabel("MiB")
    mem.legend(fontsize=8)
    mem.set_title("Muralto.exe under Wine, a pick every second")
    for key, label in (("gdi_table", "GDI objects (handle table)"), ("windows", "windows owned"),
                       ("handles", "kernel handles"), ("gui_gdi", "GetGuiResources GDI (Wine: 0)")):
        pts = [(minute(t), f[key]) for t, f in run.figures if key in f]
        if pts:
            objs.plot([p[0] for p in pts], [p[1] for p in pts], "o-", label=label)
    objs.set_ylabel("count")
    objs.legend(fontsize=8)
    total = int(run.seconds // 60) + 1
    per = [0] * total
    bad = [0] * total
    for t, kind, _, _ in attempts:
        m = min(int(minute(t)), total - 1)
        if kind == "pick":
            per[m] += 1
        else:
            bad[m] += 1
    picks.bar(range(total), per, align="edge", width=0.9, label="picks")
    picks.bar(range(total), bad, bottom=per, align="edge", width=0.9, label="failures")
    picks.axhline(60 / run.interval, color="grey", ls="--", lw=0.8, label="ticks expected")
    picks.set_ylabel("a minute")
    picks.set_xlabel("minutes")
    picks.legend(fontsize=8)
    fig.tight_layout()
    fig.savefig(out / "report.png", dpi=90)


def main():
    logs, tsv, out, interval = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3]), float(sys.argv[4])
    run = Run(logs, tsv, interval)
    attempts = write_report(run, out)
    plot(run, attempts, out)


if __name__ == "__main__":
    main()
