#!/usr/bin/python3
"""The Linux side of a soak run, for SECONDS: every pick, seen as a new
wallpaper file (the program writes it beside the old one and renames it into
place, so each pick gives the path a new inode and change time; the file's
header gives the picture's size and depth), and the memory of the program's
Linux process from /proc (resident set, its anonymous part, address space).
Reading the file from Linux takes no Windows lock, so the watch cannot make a
pick fail.

    poll.py WALLPAPER_FILE PID_FILE SECONDS MEMORY_PERIOD_SECONDS > poll.log

It starts before the program does, so that the first pick is seen too; the
memory readings start once PID_FILE holds the program's Linux process id.

Lines: "epoch_ms<TAB>pick<TAB>width<TAB>height<TAB>bits<TAB>bytes" and
"epoch_ms<TAB>memory<TAB>rss_kib=N<TAB>anon_kib=N<TAB>size_kib=N"; "gone" when
the process has ended.
"""
import os
import struct
import sys
import time


def now_ms():
    return int(time.time() * 1000)


def emit(*fields):
    print("\t".join(str(f) for f in (now_ms(),) + fields), flush=True)


def memory(pid):
    values = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            key, _, rest = line.partition(":")
            if key in ("VmRSS", "RssAnon", "VmSize"):
                values[key] = int(rest.split()[0])
    return values


def header(path):
    with open(path, "rb") as f:
        head = f.read(30)
    if len(head) < 30 or head[:2] != b"BM":
        return None
    size = struct.unpack_from("<I", head, 14)[0]
    if size == 12:
        w, h, _, bits = struct.unpack_from("<HHHH", head, 18)
    else:
        w, h, _, bits = struct.unpack_from("<iiHH", head, 18)
    return w, abs(h), bits


def main():
    path, pid_file, seconds, period = sys.argv[1], sys.argv[2], float(sys.argv[3]), float(sys.argv[4])
    end = time.time() + seconds
    last = None
    pid = None
    next_memory = time.time()
    while time.time() < end:
        if pid is None:
            try:
                pid = int(open(pid_file).read())
                next_memory = time.time()
            except (OSError, ValueError):
                pass
        elif not os.path.exists(f"/proc/{pid}"):
            emit("gone")
            return
        try:
            st = os.stat(path)
            key = (st.st_ino, st.st_mtime_ns, st.st_size)
            if key != last:
                last = key
                found = header(path)
                if found:
                    emit("pick", *found, st.st_size)
                else:
                    emit("pick-unreadable", st.st_size)
        except FileNotFoundError:
            pass
        if pid is not None and time.time() >= next_memory:
            try:
                m = memory(pid)
                emit("memory", f"rss_kib={m.get('VmRSS', 0)}", f"anon_kib={m.get('RssAnon', 0)}",
                     f"size_kib={m.get('VmSize', 0)}")
            except OSError:
                pass
            next_memory += period
        time.sleep(0.05)


if __name__ == "__main__":
    main()
