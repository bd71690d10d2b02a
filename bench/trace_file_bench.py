#!/usr/bin/python3
"""Large trace files measured (run it under qlock; it needs about 1 GB free in the folder).

1. A 10-million-frame candump log of the demo devices' traffic (sixteen devices, ~450 MB) is made
   in a temporary folder (default under /tmp) by trace_file_bench.
2. Export: `canquorvex-cli trace export LOG --device 0 --format csv > /dev/null` against can-utils'
   `log2asc -I LOG -O /dev/null can0` on the same file, each under /usr/bin/time -v: wall time,
   frames per second, peak RSS.
3. The offline trace view on it (offscreen): time to the first screen, to the complete index, the
   filter by one identifier over the whole file, peak RSS.
4. Trends: traces of 60 s and of 3 hours played as fast as possible into a device window's trend
   (span and CPU per frame), against the demo bus live for 20 s with the same trend.
The files are deleted at the end.

    /usr/bin/python3 bench/trace_file_bench.py --build build
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from burst_bench import find_executable  # noqa: E402


def timed(cmd, stdout=subprocess.DEVNULL):
    """Runs cmd under /usr/bin/time -v: (exit code, wall seconds, peak RSS in MB, stderr)."""
    p = subprocess.run(["/usr/bin/time", "-v"] + cmd, stdout=stdout, stderr=subprocess.PIPE, text=True)
    wall = re.search(r"Elapsed \(wall clock\) time \(h:mm:ss or m:ss\): (?:(\d+):)?(\d+):([\d.]+)", p.stderr)
    seconds = (int(wall.group(1) or 0) * 3600 + int(wall.group(2)) * 60 + float(wall.group(3))) if wall else 0.0
    rss = re.search(r"Maximum resident set size \(kbytes\): (\d+)", p.stderr)
    return p.returncode, seconds, (int(rss.group(1)) / 1024 if rss else 0.0), p.stderr


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default="build")
    ap.add_argument("--frames", type=int, default=10_000_000)
    ap.add_argument("--tmp", default="/tmp")
    args = ap.parse_args()
    bench = find_executable(os.path.join(args.build, "bench"), ["trace_file_bench"])
    cli = find_executable(os.path.join(args.build, "bin"), ["canquorvex-cli"])
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

    work = tempfile.mkdtemp(prefix="trace-file-bench-", dir=args.tmp)
    try:
        log = os.path.join(work, "big.log")
        subprocess.run([bench, "make", log, str(args.frames)], check=True, env=env)
        frames = args.frames

        code, cli_s, cli_rss, err = timed([cli, "--folder", work, "trace", "export", log, "--device", "0",
                                           "--format", "csv"])
        if code != 0:
            print(err)
        code2, l2a_s, l2a_rss, err2 = timed(["log2asc", "-I", log, "-O", "/dev/null", "can0"])
        if code2 != 0:
            print(err2)
        print(f"export: canquorvex-cli trace export --device 0 --format csv: {cli_s:.2f} s "
              f"({frames / cli_s / 1e6:.2f} million frames/s), peak RSS {cli_rss:.0f} MB")
        print(f"        log2asc: {l2a_s:.2f} s ({frames / l2a_s / 1e6:.2f} million frames/s), "
              f"peak RSS {l2a_rss:.0f} MB")
        lines = subprocess.run([cli, "--folder", work, "trace", "export", log, "--device", "0"],
                               stdout=subprocess.PIPE, check=True).stdout.count(b"\n")
        print(f"        ({lines} lines exported)")

        subprocess.run([bench, "view", log, "110"], check=True, env=env)
        os.remove(log)

        for name, amount in (("minute.log", "60s"), ("hours.log", "10800s")):
            path = os.path.join(work, name)
            subprocess.run([bench, "make", path, amount], check=True, env=env)
            subprocess.run([bench, "trend", work, path], check=True, env=env)
            os.remove(path)
        subprocess.run([bench, "live", work, "20"], check=True, env=env)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
