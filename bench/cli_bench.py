#!/usr/bin/python3
"""canquorvex-cli measured: `monitor` at full load beside Qt's canbusutil, and how soon `read`
answers on a device that reports every 100 ms.

1. zelm-sim floods a virtual CAN bus (the 16 devices of the example project "Stand16", default
   2,300 frames/s); `canquorvex-cli monitor` (its JSON lines into /dev/null) and
   `canbusutil -l virtualcan URL` (its lines into /dev/null) watch the same bus. Both processes'
   CPU time is sampled from /proc over the same window; the lines the CLI printed are counted.
2. zelm-sim plays the same project at a report period of 100 ms per device; `canquorvex-cli read`
   of one register is started --reads times, one after the other: time from the start of the
   process to its first JSON line (min, median, max), and the time `devices` takes (the process's
   start and end alone, no bus).

    /usr/bin/python3 bench/cli_bench.py --build build
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from burst_bench import cpu_seconds, find_executable, prepare_projects  # noqa: E402


def wait_for(path, text, proc, seconds=5):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        with open(path, errors="replace") as f:
            if text in f.read():
                return True
        if proc.poll() is not None:
            return False
        time.sleep(0.05)
    return False


def start_sim(sim, bus, projects, project, log, extra):
    proc = subprocess.Popen([sim, "--can", bus, "--project", projects, "--name", project] + extra,
                            stdout=log, stderr=subprocess.STDOUT)
    if not wait_for(log.name, "CAN connected", proc):
        sys.exit(f"zelm-sim did not connect, see {log.name}")
    return proc


def stop(proc):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(timeout=5)
        except subprocess.TimeoutExpired:
            proc.kill()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(here)
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(root, "build"))
    ap.add_argument("--port", type=int, default=35691, help="virtualcan port (default 35691)")
    ap.add_argument("--rate", type=int, default=2300, help="frames per second in total (default 2300)")
    ap.add_argument("--seconds", type=float, default=20.0, help="measuring window (default 20)")
    ap.add_argument("--rounds", type=int, default=3, help="monitor rounds (default 3)")
    ap.add_argument("--reads", type=int, default=10, help="read runs (default 10)")
    ap.add_argument("--register", type=int, default=88, help="register read (default 88)")
    ap.add_argument("--projects-file", default=os.path.join(root, "tools", "Projects.example.ini"))
    args = ap.parse_args()

    build = os.path.abspath(args.build)
    cli = find_executable(build, ["bin/canquorvex-cli"])
    sim = find_executable(build, ["tools/zelm-sim"])
    peer = shutil.which("canbusutil") or "/usr/lib/qt6/bin/canbusutil"
    if not os.access(peer, os.X_OK):
        sys.exit("canbusutil not found (package libqt6serialbus6-bin)")
    scratch = tempfile.mkdtemp(prefix="cli_bench_")
    projects = os.path.join(scratch, "Projects.ini")
    prepare_projects(args.projects_file, projects, "Stand16")
    bus = f"virtualcan:tcp://127.0.0.1:{args.port}/can0"
    devnull = open(os.devnull, "w")

    print(f"1. monitor at {args.rate} frames/s, {args.seconds:.0f} s windows")
    ratios = []
    for rnd in range(args.rounds):
        log = open(os.path.join(scratch, f"sim{rnd}.log"), "w+")
        simp = start_sim(sim, bus, projects, "Stand16", log,
                         ["--burst", str(args.rate), "--delay", "2", "--duration", str(args.seconds + 6)])
        out_path = os.path.join(scratch, "monitor.jsonl")
        with open(out_path, "w") as out:
            clip = subprocess.Popen([cli, "--folder", scratch, "--can", bus, "monitor"], stdout=out,
                                    stderr=devnull)
            peerp = subprocess.Popen([peer, "-l", "virtualcan", bus.split(":", 1)[1]], stdout=devnull,
                                     stderr=devnull)
            time.sleep(3.0)
            c0, p0, t0 = cpu_seconds(clip.pid), cpu_seconds(peerp.pid), time.monotonic()
            with open(out_path) as f:
                lines0 = sum(1 for _ in f)
            time.sleep(args.seconds)
            c1, p1, t1 = cpu_seconds(clip.pid), cpu_seconds(peerp.pid), time.monotonic()
            with open(out_path) as f:
                lines1 = sum(1 for _ in f)
            for p in (clip, peerp):
                stop(p)
        stop(simp)
        window = t1 - t0
        cli_pct = 100.0 * (c1 - c0) / window
        peer_pct = 100.0 * (p1 - p0) / window
        ratios.append(cli_pct / peer_pct if peer_pct > 0 else float("nan"))
        print(f"   round {rnd + 1}: canquorvex-cli {cli_pct:.2f} %, canbusutil {peer_pct:.2f} % of one core, "
              f"ratio {ratios[-1]:.2f}; {(lines1 - lines0) / window:.0f} JSON lines/s")
    print(f"   median ratio {statistics.median(ratios):.2f}")

    print(f"2. read of register {args.register} on devices reporting every 100 ms")
    log = open(os.path.join(scratch, "sim-read.log"), "w+")
    simp = start_sim(sim, bus, projects, "Stand16", log, ["--period", "100"])
    firsts = []
    for _ in range(args.reads):
        t = time.monotonic()
        p = subprocess.Popen([cli, "--folder", scratch, "--can", bus, "--timeout", "10", "read", "0",
                              str(args.register)], stdout=subprocess.PIPE, stderr=devnull)
        p.stdout.readline()
        firsts.append(time.monotonic() - t)
        p.wait()
    stop(simp)
    t = time.monotonic()
    subprocess.run([cli, "--folder", scratch, "devices"], stdout=devnull, stderr=devnull)
    devices = time.monotonic() - t
    print(f"   first JSON line after min {min(firsts) * 1000:.0f} ms, median {statistics.median(firsts) * 1000:.0f} ms, "
          f"max {max(firsts) * 1000:.0f} ms ({args.reads} runs; a device reports its 128 registers round-robin, "
          f"three per frame, so a register comes round every 4.3 s)")
    print(f"   `devices` (start and end of the process, no bus): {devices * 1000:.0f} ms")
    shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
