#!/usr/bin/python3
"""The tool against a plain dumper: CPU of canquorvex and of Qt's canbusutil on the same bus.

For each load (frames per second in total; 0 is an idle bus) and each round, zelm-sim hosts a
virtualcan bus and plays the 16 devices of the example project "Stand16" in burst mode; Qt's own
`canbusutil -l virtualcan URL` dumps the same stream to /dev/null, and canquorvex watches it with
--auto-on --open-all, all sixteen device windows open (under Xvfb by default, so windows are
painted by a real X server). Over the measuring window the CPU time of the tool and of canbusutil
is sampled from /proc, with the tool's context switches (its wake-ups). Per round it prints CPU
of each, their ratio, frames sent, received and lost, and the longest gap between monitor ticks;
per layout and load the min and median of the rounds.

The layout of the device windows on the X server (not with --offscreen): "stack" leaves them where
they open, one on the other; "cascade" puts each 20 px right of and below the one before;
"grid" puts them 4 x 4 at 480 x 270 px steps, so the top-left quarter of each can be seen. Each
window is parked at 1900,1060 as soon as it is there, so the main window stays clear, and then all
are placed with xdotool.

    bench/peer_bench.py --build build                       # 2300, 10000 and 0 frames/s, 3 rounds
    bench/peer_bench.py --build build --layout stack,cascade,grid --rates 2300,0
    bench/peer_bench.py --build build --rates 2300 --rounds 1 --offscreen
    bench/peer_bench.py --build build --layout grid --rates 2300 --rounds 1 --perf grid.data

--profile FILE gives every device row that profile (copied into the scratch folder's profiles/ and
assigned in its Quorvex.ini); --profile-all completes it with a plain entry for every register it
does not describe, so it has 128. --parameters N opens the Parameters view (Ctrl+R, sent with
xdotool) of the first N device windows before the measuring window (not with --offscreen).

    bench/peer_bench.py --build build --rates 2300 --profile build/bin/profiles/zelm-demo.json
    bench/peer_bench.py --build build --rates 2300 --profile build/bin/profiles/zelm-demo.json \
        --profile-all --parameters 1
"""

import argparse
import json
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from burst_bench import cpu_seconds, find_executable, prepare_projects  # noqa: E402


def context_switches(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            text = f.read()
    except OSError:
        return None
    return sum(int(v) for v in re.findall(r"_ctxt_switches:\s+(\d+)", text))


def wait_for(predicate, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if predicate():
            return True
        time.sleep(0.05)
    return False


def free_port():
    import socket
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def x_environment(pid):
    """DISPLAY and XAUTHORITY of a running process (the tool started by xvfb-run)."""
    with open(f"/proc/{pid}/environ", "rb") as f:
        pairs = [item.split(b"=", 1) for item in f.read().split(b"\0") if b"=" in item]
    env = dict(os.environ)
    for key, value in pairs:
        if key in (b"DISPLAY", b"XAUTHORITY"):
            env[key.decode()] = value.decode()
    return env


def device_windows(env, project):
    """{device number: X window id} of the shown device windows ("Project: name N")."""
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(project) + ": "],
                         capture_output=True, text=True, env=env)
    windows = {}
    for wid in out.stdout.split():
        name = subprocess.run(["xdotool", "getwindowname", wid], capture_output=True, text=True,
                              env=env).stdout.strip()
        m = re.search(r"(\d+)$", name)
        if m:
            windows[int(m.group(1))] = wid
    return windows


def place_windows(layout, env, project, count):
    """Parks each device window at 1900,1060 as it appears, then places all of them."""
    parked = {}
    deadline = time.monotonic() + 15
    while len(parked) < count and time.monotonic() < deadline:
        for k, wid in device_windows(env, project).items():
            if k not in parked:
                subprocess.run(["xdotool", "windowmove", wid, "1900", "1060"], env=env, check=True)
                parked[k] = wid
        time.sleep(0.1)
    if len(parked) < count:
        sys.exit(f"only {len(parked)} of {count} device windows appeared")
    for i, k in enumerate(sorted(parked)):
        x, y = (20 * i, 20 * i) if layout == "cascade" else (480 * (i % 4), 270 * (i // 4))
        subprocess.run(["xdotool", "windowmove", parked[k], str(x), str(y)], env=env, check=True)


def assign_profiles(args, scratch):
    """The profile for every device row of the project, in the scratch folder's Quorvex.ini."""
    with open(args.profile, encoding="utf-8") as f:
        profile = json.load(f)
    if args.profile_all:
        described = {r["register"] for r in profile["registers"]}
        profile["registers"] += [{"register": r, "name": f"Register {r}", "access": "ro"}
                                 for r in range(128) if r not in described]
        profile["registers"].sort(key=lambda r: r["register"])
    os.makedirs(os.path.join(scratch, "profiles"))
    with open(os.path.join(scratch, "profiles", "bench.json"), "w", encoding="utf-8") as f:
        json.dump(profile, f, ensure_ascii=False)
    with open(os.path.join(scratch, "Quorvex.ini"), "w", encoding="utf-8") as f:
        f.write("[Profiles]\n" + "".join(f"{args.project}/{row}=bench.json\n" for row in range(args.devices)))


def open_parameters(env, project, count):
    """Ctrl+R in the first count device windows: their Parameters views."""
    windows = {}

    def appeared():
        windows.update(device_windows(env, project))
        return len(windows) >= count

    if not wait_for(appeared, 15):
        sys.exit(f"only {len(windows)} of {count} device windows appeared")
    for k in sorted(windows)[:count]:
        subprocess.run(["xdotool", "windowfocus", "--sync", windows[k]], env=env, check=True)
        subprocess.run(["xdotool", "key", "--window", windows[k], "ctrl+r"], env=env, check=True)

    def shown():
        return len(subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Parameters"],
                                  capture_output=True, text=True, env=env).stdout.split())

    if not wait_for(lambda: shown() >= count, 10):
        sys.exit(f"only {shown()} of {count} Parameters views appeared")


def one_round(args, tool, sim, canbusutil, rate, layout):
    scratch = tempfile.mkdtemp(prefix="peer_bench_")
    port = free_port()
    url = f"tcp://127.0.0.1:{port}/can0"
    tool_copy = os.path.join(scratch, "canquorvex")
    shutil.copy2(tool, tool_copy)
    projects = os.path.join(scratch, "Projects.ini")
    prepare_projects(args.projects_file, projects, args.project)
    if args.profile:
        assign_profiles(args, scratch)
    stats_file = os.path.join(scratch, "stats.txt")
    sim_log = open(os.path.join(scratch, "zelm-sim.log"), "w+")
    tool_log = open(os.path.join(scratch, "canquorvex.log"), "w+")
    total = args.warmup + args.seconds
    # An idle bus: zelm-sim hosts it but starts reporting only after the run.
    delay = args.warmup if rate > 0 else total + 60
    sim_cmd = [sim, "--can", f"virtualcan:{url}", "--project", projects, "--name", args.project,
               "--burst", str(max(rate, 1)), "--delay", str(delay), "--duration", str(total)]
    tool_cmd = [tool_copy, "--can", f"virtualcan:{url}", "--auto-on", "--stats-file", stats_file,
                "--quit-after", str(int((total + 3.0) * 1000))] + ([] if args.no_windows else ["--open-all"])
    env = dict(os.environ)
    if args.offscreen:
        env["QT_QPA_PLATFORM"] = "offscreen"
    else:
        tool_cmd = ["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24"] + tool_cmd
        env.pop("QT_QPA_PLATFORM", None)

    sim_proc = subprocess.Popen(sim_cmd, stdout=sim_log, stderr=subprocess.STDOUT, cwd=scratch)

    def sim_says(text):
        sim_log.flush()
        with open(sim_log.name) as f:
            return text in f.read()

    if not wait_for(lambda: sim_says("CAN connected") or sim_proc.poll() is not None, 5) or sim_proc.poll():
        sys.exit(f"zelm-sim did not come up, see {sim_log.name}")
    peer_proc = subprocess.Popen([canbusutil, "-l", "virtualcan", url], stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
    tool_proc = subprocess.Popen(tool_cmd, stdout=tool_log, stderr=subprocess.STDOUT, cwd=scratch, env=env)

    def tool_pid():
        if args.offscreen:
            return tool_proc.pid
        out = subprocess.run(["pgrep", "-n", "-f", "^" + re.escape(tool_copy)], capture_output=True, text=True)
        return int(out.stdout.split()[0]) if out.stdout.split() else None

    perf_proc = None
    try:
        started = time.monotonic()
        if layout != "stack" and not args.offscreen and not args.no_windows:
            if not wait_for(lambda: tool_pid() is not None, 5):
                sys.exit(f"the tool did not start, see {tool_log.name}")
            place_windows(layout, x_environment(tool_pid()), args.project, args.devices)
        if args.parameters > 0 and not args.offscreen:
            if not wait_for(lambda: tool_pid() is not None, 5):
                sys.exit(f"the tool did not start, see {tool_log.name}")
            open_parameters(x_environment(tool_pid()), args.project, args.parameters)
        time.sleep(max(0.0, args.warmup - (time.monotonic() - started)))
        pid = tool_pid()
        if pid is None or tool_proc.poll() is not None or peer_proc.poll() is not None:
            sys.exit(f"the tool or canbusutil is not running, see {tool_log.name}")
        if args.perf:
            perf_proc = subprocess.Popen(["perf", "record", "-e", "cpu-clock", "-F", "999", "--call-graph", "dwarf", "-p", str(pid),
                                          "-o", args.perf, "--", "sleep", str(args.seconds - 1)],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        t0 = time.monotonic()
        tool0, peer0, ctx0 = cpu_seconds(pid), cpu_seconds(peer_proc.pid), context_switches(pid)
        time.sleep(args.seconds - 0.5)
        t1 = time.monotonic()
        tool1, peer1, ctx1 = cpu_seconds(pid), cpu_seconds(peer_proc.pid), context_switches(pid)
        if perf_proc:
            perf_proc.wait(timeout=60)
        tool_proc.wait(timeout=60)
        if rate > 0:
            sim_proc.wait(timeout=30)
    except subprocess.TimeoutExpired:
        sys.exit("a process did not end in time")
    finally:
        for p in (peer_proc, sim_proc, tool_proc):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    p.kill()

    sim_log.seek(0)
    m = re.search(r"total: sent=(\d+)", sim_log.read())
    sent = int(m.group(1)) if m else None
    stats = {}
    if os.path.exists(stats_file):
        with open(stats_file) as f:
            stats = dict(re.findall(r"(\w+)=([\d.]+)", f.read()))
    window = t1 - t0
    result = {
        "tool": 100.0 * (tool1 - tool0) / window,
        "peer": 100.0 * (peer1 - peer0) / window,
        "wakeups": (ctx1 - ctx0) / window if ctx0 is not None and ctx1 is not None else float("nan"),
        "sent": sent if rate > 0 else 0,
        "received": int(stats["frames_received"]) if "frames_received" in stats else None,
        "lost": sent - int(stats["frames_received"]) if rate > 0 and sent is not None and "frames_received" in stats
        else 0,
        "gap": stats.get("max_tick_gap_ms", "?"),
    }
    sim_log.close()
    tool_log.close()
    shutil.rmtree(scratch, ignore_errors=True)
    return result


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(here)
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(root, "build"))
    ap.add_argument("--rates", default="2300,10000,0", help="loads in frames/s, 0 = idle (default 2300,10000,0)")
    ap.add_argument("--rounds", type=int, default=3)
    ap.add_argument("--seconds", type=float, default=20.0, help="measuring window per round (default 20)")
    ap.add_argument("--warmup", type=float, default=5.0)
    ap.add_argument("--project", default="Stand16")
    ap.add_argument("--projects-file", default=os.path.join(root, "tools", "Projects.example.ini"))
    ap.add_argument("--offscreen", action="store_true", help="offscreen platform instead of Xvfb")
    ap.add_argument("--no-windows", action="store_true", help="open no device window (the monitor alone)")
    ap.add_argument("--layout", default="stack", help="stack, cascade, grid or a list of them (default stack)")
    ap.add_argument("--devices", type=int, default=16, help="device windows the project opens (default 16)")
    ap.add_argument("--perf", metavar="FILE", help="perf record the tool over the measuring window into FILE")
    ap.add_argument("--profile", metavar="FILE", help="give every device row this profile")
    ap.add_argument("--profile-all", action="store_true", help="complete the profile to all 128 registers")
    ap.add_argument("--parameters", type=int, default=0, metavar="N",
                    help="open the Parameters view of the first N device windows (Ctrl+R)")
    args = ap.parse_args()
    if args.parameters > 0 and not args.profile:
        sys.exit("--parameters wants --profile")

    build = os.path.abspath(args.build)
    tool = find_executable(build, ["bin/canquorvex"])
    sim = find_executable(build, ["tools/zelm-sim"])
    canbusutil = shutil.which("canbusutil") or "/usr/lib/qt6/bin/canbusutil"
    if not os.path.exists(canbusutil):
        sys.exit("canbusutil not found (Debian package libqt6serialbus6-bin)")
    if not args.offscreen and not shutil.which("xvfb-run"):
        sys.exit("xvfb-run not found (Debian package xvfb), or use --offscreen")
    layouts = args.layout.split(",")
    if any(layout not in ("stack", "cascade", "grid") for layout in layouts):
        sys.exit("--layout takes stack, cascade and grid")
    if layouts != ["stack"] and not shutil.which("xdotool"):
        sys.exit("xdotool not found (Debian package xdotool)")

    print(f"{'layout':>7} {'load':>6} {'round':>5} {'tool %':>7} {'peer %':>7} {'ratio':>6} {'wakeups/s':>9} "
          f"{'sent':>8} {'received':>8} {'lost':>5} {'gap ms':>6}")
    summary = []
    for layout in layouts:
        for rate in [int(r) for r in args.rates.split(",")]:
            rows = []
            for k in range(args.rounds):
                r = one_round(args, tool, sim, canbusutil, rate, layout)
                rows.append(r)
                ratio = r["tool"] / r["peer"] if r["peer"] > 0 else float("inf")
                print(f"{layout:>7} {rate or 'idle':>6} {k + 1:>5} {r['tool']:7.2f} {r['peer']:7.2f} {ratio:6.2f} "
                      f"{r['wakeups']:9.0f} {r['sent']!s:>8} {r['received']!s:>8} {r['lost']:>5} {r['gap']:>6}",
                      flush=True)
            summary.append((layout, rate, rows))
    print()
    print(f"{'layout':>7} {'load':>6} {'tool % min/median':>18} {'peer % min/median':>18} {'ratio of medians':>17} "
          f"{'wakeups/s median':>16} {'lost':>5}")
    for layout, rate, rows in summary:
        tool = [r["tool"] for r in rows]
        peer = [r["peer"] for r in rows]
        med_t, med_p = statistics.median(tool), statistics.median(peer)
        ratio = med_t / med_p if med_p > 0 else float("inf")
        wakeups = statistics.median(r["wakeups"] for r in rows)
        print(f"{layout:>7} {rate or 'idle':>6} {min(tool):8.2f} / {med_t:6.2f}   {min(peer):8.2f} / {med_p:6.2f}   "
              f"{ratio:15.2f} {wakeups:16.0f} {max(r['lost'] for r in rows):>5}")


if __name__ == "__main__":
    main()
