#!/usr/bin/python3
"""Load benchmark: zelm-sim floods a virtual CAN bus and the tool watches it with every device
window open.

zelm-sim plays the 16 devices of the example project "Stand16" in burst mode (default 2,300
frames/s in total) on virtualcan; canquorvex, copied with a Projects.ini that selects that
project into a scratch folder, connects to the same bus with --auto-on --open-all. Over the
measuring window the script samples both processes' CPU time from /proc/<pid>/stat and prints:
CPU use of each process, frames sent (zelm-sim's total) against frames received (the tool's
stats file) and the tool's longest gap between monitor ticks.

zelm-sim connects first and so hosts the virtual bus: relaying the frames costs CPU in its
process, not in the tool's. It starts reporting only after --delay, when the tool is connected,
so every frame it sends can reach the tool.

With --transport socketcand, zelm-sim serves the bus over socketcand instead (on a port the
system chooses) and the tool opens it with --can socketcand:127.0.0.1:PORT/can0. With
--serve-clients N the tool also shares its bus (--serve-socketcand) with N clients that read
everything (bench/socketcand_readers.py); their CPU, the frames each got and the frames the
tool dropped for them are printed too.

    bench/burst_bench.py --build build            # offscreen
    bench/burst_bench.py --build build --xvfb     # under Xvfb (xvfb-run)
    bench/burst_bench.py --build build --transport socketcand --no-windows
    bench/burst_bench.py --build build --no-windows --serve-clients 8
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

CLK_TCK = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    """utime + stime of a process in seconds, or None when it is gone."""
    try:
        with open(f"/proc/{pid}/stat") as f:
            stat = f.read()
    except OSError:
        return None
    # The command name (field 2) may hold spaces; the fields after its closing parenthesis are fixed.
    fields = stat[stat.rindex(")") + 2:].split()
    return (int(fields[11]) + int(fields[12])) / CLK_TCK


def find_executable(build, names):
    for name in names:
        path = os.path.join(build, name)
        if os.path.isfile(path) and os.access(path, os.X_OK):
            return path
    sys.exit(f"not found in {build}: {' or '.join(names)} (build the targets first)")


def prepare_projects(source, target, project):
    """The example project file, with the benchmark's project selected."""
    with open(source, encoding="utf-8") as f:
        text = f.read()
    m = re.search(rf"^Project(\d+)={re.escape(project)}\s*$", text, re.M)
    if not m:
        sys.exit(f"project {project} is not listed in {source}")
    text = re.sub(r"^ProjectNum=.*$", f"ProjectNum={m.group(1)}", text, count=1, flags=re.M)
    with open(target, "w", encoding="utf-8") as f:
        f.write(text)


def wait_for_log(path, pattern, seconds, proc):
    """The first match of the pattern in a process's log file, or None when it ends or time is up."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        with open(path) as f:
            m = re.search(pattern, f.read())
        if m:
            return m
        if proc.poll() is not None:
            return None
        time.sleep(0.05)
    return None


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(here)
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(root, "build"), help="build directory (default: build)")
    ap.add_argument("--port", type=int, default=35690, help="virtualcan port (default 35690)")
    ap.add_argument("--rate", type=int, default=2300, help="frames per second in total (default 2300)")
    ap.add_argument("--seconds", type=float, default=30.0, help="measuring window (default 30)")
    ap.add_argument("--warmup", type=float, default=5.0,
                    help="seconds for the tool to start, connect and open its windows (default 5)")
    ap.add_argument("--project", default="Stand16", help="project of the example file (default Stand16)")
    ap.add_argument("--projects-file", default=os.path.join(root, "tools", "Projects.example.ini"))
    ap.add_argument("--xvfb", action="store_true", help="run the tool under xvfb-run instead of offscreen")
    ap.add_argument("--keep", action="store_true", help="keep the scratch folder and print its path")
    ap.add_argument("--transport", choices=["virtualcan", "socketcand"], default="virtualcan",
                    help="how the bus reaches the tool (default virtualcan)")
    ap.add_argument("--no-windows", action="store_true", help="no device window open: the monitor alone")
    ap.add_argument("--serve-clients", type=int, default=0,
                    help="the tool shares its bus over socketcand with this many reading clients")
    args = ap.parse_args()

    build = os.path.abspath(args.build)
    tool = find_executable(build, ["bin/canquorvex", "app/canquorvex"])
    sim = find_executable(build, ["tools/zelm-sim"])
    scratch = tempfile.mkdtemp(prefix="burst_bench_")
    bus = f"virtualcan:tcp://127.0.0.1:{args.port}/can0"

    # The tool reads Projects.ini beside its executable.
    tool_copy = os.path.join(scratch, "canquorvex")
    shutil.copy2(tool, tool_copy)
    projects = os.path.join(scratch, "Projects.ini")
    prepare_projects(args.projects_file, projects, args.project)
    stats_file = os.path.join(scratch, "stats.txt")
    sim_log = open(os.path.join(scratch, "zelm-sim.log"), "w+")
    tool_log = open(os.path.join(scratch, "canquorvex.log"), "w+")

    served = args.transport == "socketcand"
    sim_cmd = [sim, "--socketcand", "127.0.0.1:0"] if served else [sim, "--can", bus]
    sim_cmd += ["--project", projects, "--name", args.project, "--burst", str(args.rate),
                "--delay", str(args.warmup), "--duration", str(args.warmup + args.seconds)]
    quit_after_ms = int((args.warmup + args.seconds + 3.0) * 1000)
    tool_cmd = [tool_copy, "--can", bus, "--auto-on", "--stats-file", stats_file, "--quit-after", str(quit_after_ms)]
    if not args.no_windows:
        tool_cmd.append("--open-all")
    if args.serve_clients > 0:
        tool_cmd += ["--serve-socketcand", "127.0.0.1:0"]
    env = dict(os.environ)
    if args.xvfb:
        tool_cmd = ["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24"] + tool_cmd
        env.pop("QT_QPA_PLATFORM", None)
    else:
        env["QT_QPA_PLATFORM"] = "offscreen"

    print(f"zelm-sim: {' '.join(sim_cmd)}")
    sim_proc = subprocess.Popen(sim_cmd, stdout=sim_log, stderr=subprocess.STDOUT, cwd=scratch)
    ready = r"socketcand server on (127\.0\.0\.1:\d+)" if served else r"CAN connected"
    found = wait_for_log(sim_log.name, ready, 5, sim_proc)
    if found is None:
        sys.exit(f"zelm-sim ended early or did not get ready, see {sim_log.name}")
    if served:
        tool_cmd[tool_cmd.index("--can") + 1] = f"socketcand:{found.group(1)}/can0"
    print(f"tool:     {' '.join(tool_cmd)}")
    tool_proc = subprocess.Popen(tool_cmd, stdout=tool_log, stderr=subprocess.STDOUT, cwd=scratch, env=env)
    readers_proc = None
    if args.serve_clients > 0:
        found = wait_for_log(tool_log.name, r"socketcand on 127\.0\.0\.1:(\d+)", 10, tool_proc)
        if found is None:
            sys.exit(f"the tool does not share its bus, see {tool_log.name}")
        readers_cmd = [sys.executable, os.path.join(here, "socketcand_readers.py"), found.group(1),
                       str(args.serve_clients)]
        print(f"clients:  {' '.join(readers_cmd)}")
        readers_log = open(os.path.join(scratch, "readers.log"), "w+")
        readers_proc = subprocess.Popen(readers_cmd, stdout=readers_log, stderr=subprocess.STDOUT)

    def tool_pid():
        """The tool's own process (under xvfb-run it is a child of the wrapper)."""
        if not args.xvfb:
            return tool_proc.pid
        try:
            out = subprocess.run(["pgrep", "-n", "-f", "^" + re.escape(tool_copy)], capture_output=True, text=True)
            return int(out.stdout.split()[0]) if out.stdout.split() else None
        except (OSError, ValueError):
            return None

    try:
        time.sleep(args.warmup)
        pid = tool_pid()
        if pid is None or tool_proc.poll() is not None:
            sys.exit(f"the tool is not running, see {tool_log.name}")
        t0 = time.monotonic()
        tool_cpu0, sim_cpu0 = cpu_seconds(pid), cpu_seconds(sim_proc.pid)
        readers_cpu0 = cpu_seconds(readers_proc.pid) if readers_proc else None
        time.sleep(args.seconds - 0.5)
        t1 = time.monotonic()
        tool_cpu1, sim_cpu1 = cpu_seconds(pid), cpu_seconds(sim_proc.pid)
        readers_cpu1 = cpu_seconds(readers_proc.pid) if readers_proc else None
        sim_proc.wait(timeout=30)
        tool_proc.wait(timeout=60)
        if readers_proc:
            readers_proc.send_signal(signal.SIGTERM)
            readers_proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        for p in (sim_proc, tool_proc):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
        sys.exit("a process did not end in time")

    sim_log.seek(0)
    sim_out = sim_log.read()
    m = re.search(r"total: sent=(\d+)", sim_out)
    sent = int(m.group(1)) if m else None
    stats = {}
    if os.path.exists(stats_file):
        with open(stats_file) as f:
            for key, value in re.findall(r"(\w+)=([\d.]+)", f.read()):
                stats[key] = value
    received = int(stats["frames_received"]) if "frames_received" in stats else None
    rates = [int(r) for r in re.findall(r"sent \d+ \((\d+)/s\)", sim_out)]

    window = t1 - t0
    print()
    print(f"window                 {window:.1f} s, {args.rate} frames/s requested over 16 devices")
    if tool_cpu0 is not None and tool_cpu1 is not None:
        print(f"tool CPU               {100.0 * (tool_cpu1 - tool_cpu0) / window:.1f} % of one core")
    if sim_cpu0 is not None and sim_cpu1 is not None:
        print(f"zelm-sim CPU           {100.0 * (sim_cpu1 - sim_cpu0) / window:.1f} % of one core "
              f"(includes {'serving socketcand' if served else 'relaying the virtual bus'})")
    # The first and last second with traffic are partial seconds.
    busy = [r for r in rates if r > 0][1:-1]
    if busy:
        print(f"zelm-sim rate          min {min(busy)}  max {max(busy)} frames/s (full seconds)")
    print(f"frames sent            {sent if sent is not None else 'unknown (no total line)'}")
    print(f"frames received        {received if received is not None else 'unknown (no stats file)'}")
    if sent and received is not None:
        print(f"received / sent        {100.0 * received / sent:.2f} %")
    print(f"longest tick gap       {stats.get('max_tick_gap_ms', 'unknown')} ms")
    if readers_proc:
        if readers_cpu0 is not None and readers_cpu1 is not None:
            print(f"clients' CPU           {100.0 * (readers_cpu1 - readers_cpu0) / window:.1f} % of one core "
                  f"({args.serve_clients} clients in one process)")
        readers_log.seek(0)
        counts = [int(c) for c in re.findall(r"client \d+: (\d+) frames", readers_log.read())]
        print(f"frames per client      {counts if counts else 'unknown'}")
        print(f"dropped for clients    {stats.get('socketcand_dropped', 'unknown')}")
    print(f"exit codes             zelm-sim {sim_proc.returncode}, tool {tool_proc.returncode}")
    sim_log.close()
    tool_log.close()
    if args.keep:
        print(f"scratch folder         {scratch}")
    else:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
