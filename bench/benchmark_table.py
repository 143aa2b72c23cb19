#!/usr/bin/python3
"""Prints every benchmark figure in one table, with its target and its ratio to the target.

Reads the Google Benchmark JSON files (*.json) and the idle measurement (idle.txt, the lines
of bench/idle_wakeups.sh) in the folder given. A ratio of 1 or less meets the target in both
directions: for "at most" targets it is value / target, for "at least" targets target / value.
"""
import glob
import json
import os
import sys


def load(folder):
    runs = {}
    for path in sorted(glob.glob(os.path.join(folder, "*.json"))):
        with open(path) as f:
            for b in json.load(f).get("benchmarks", []):
                if b.get("run_type", "iteration") == "iteration":
                    runs[b["name"]] = b
    idle = {}
    idle_path = os.path.join(folder, "idle.txt")
    if os.path.exists(idle_path):
        for line in open(idle_path):
            words = line.split()
            if len(words) > 2 and words[0] in ("idle", "status"):
                idle.setdefault(words[1], {}).update(
                    {k: float(v) for k, v in (w.split("=") for w in words[2:])})
    return runs, idle


def counter(runs, name, key):
    run = runs.get(name)
    if run is None or key not in run:
        return None
    return float(run[key])


def main():
    folder = sys.argv[1]
    runs, idle = load(folder)
    quelmo, peer = idle.get("quelmo", {}), idle.get("kshutdown", {})
    floor = idle.get("floor", {})
    http = "BM_HTTPReadString100MB/iterations:9/manual_time"
    to_file = "BM_WinHTTPToOutputFile/iterations:9/manual_time"
    small = "BM_HTTPReadString1KB/iterations:200/manual_time"
    worker = "BM_WorkerStartSynchronizeEnd/real_time"

    def idle_row(figure, key, scale, target):
        q, p = quelmo.get(key), peer.get(key)
        return (figure, None if q is None else q * scale, None if p is None else p * scale,
                "≤", target)

    def floor_row(key):
        return ("  floor: a Qt tray program that only wakes once a second", floor.get(key), None,
                "", None)

    # Asleep in the tray, an idle minute costs at most a millisecond, and no more than half a
    # millisecond beyond KShutdown's in the same run.
    cpu_target = 1 if peer.get("cpu_ms") is None else min(1, peer["cpu_ms"] + 0.5)

    # figure, Quelmo, the peer's figure (KShutdown, in-process libcurl…), direction, target
    rows = [
        idle_row("Idle: CPU ms per idle minute", "cpu_ms", 1, cpu_target),
        floor_row("cpu_ms"),
        idle_row("Idle: voluntary context switches/s, all threads", "vcsw_s", 1, 0.01),
        floor_row("vcsw_s"),
        idle_row("Idle: private dirty MB", "dirty_kb", 1 / 1024, 5),
        idle_row("Idle: PSS MB", "pss_kb", 1 / 1024, 30),
        ("--status asleep: SecondsLeft off by, s", quelmo.get("seconds_left_error"), None, "≤",
         2),
        ("--status asleep: KwhUsed off by, kWh", quelmo.get("kwh_used_error"), None, "≤", 0.01),
        ("Tick in the tray, µs CPU (tick_bench)",
         counter(runs, "BM_Tick/in_tray", "cpu_time"), None, "≤", 15),
        ("  the same with cold caches, as after a second's sleep",
         counter(runs, "BM_Tick/in_tray_cold", "cpu_time"), None, "", None),
        ("Tick minimised, µs CPU (tick_bench)",
         counter(runs, "BM_Tick/minimised", "cpu_time"), None, "", None),
        ("HTTPReadString 100 MB, ms (| in-process libcurl)",
         counter(runs, http, "ours_ms"), counter(runs, http, "libcurl_ms"), "", None),
        ("  speed as a share of in-process libcurl",
         counter(runs, http, "ratio_to_libcurl"), None, "≥", 0.95),
        ("  speed as a share of the loopback ceiling",
         counter(runs, http, "share_of_ceiling"), None, "", None),
        ("  speed as a share of the curl program (with its start-up)",
         counter(runs, http, "ratio_to_curl"), None, "", None),
        ("  peak memory growth MB", counter(runs, http, "peak_mb"), None, "≤",
         counter(runs, http, "peak_limit_mb")),
        ("TWinHTTP 100 MB to a file, ms (| in-process libcurl)",
         counter(runs, to_file, "ours_ms"), counter(runs, to_file, "libcurl_ms"), "", None),
        ("  speed as a share of in-process libcurl",
         counter(runs, to_file, "ratio_to_libcurl"), None, "≥", 0.95),
        ("  speed as a share of the curl program (with its start-up)",
         counter(runs, to_file, "ratio_to_curl"), None, "", None),
        ("HTTPReadString 1 KB, median ms", counter(runs, small, "median_ms"), None, "≤", 2),
        ("Worker start, marshalled call, end, µs",
         counter(runs, worker, "real_time"), None, "≤", 200),
    ]
    for name, figure in (("html_plain", "--html, plain log"), ("html_gzip", "--html, gzip log"),
                         ("prometheus_plain", "--prometheus, plain log"),
                         ("prometheus_gzip", "--prometheus, gzip log")):
        run = f"BM_FleetReport/{name}/iterations:5/manual_time"
        rows += [
            (f"Fleet report {figure}, lines/s (| mawk)", counter(runs, run, "lines_per_s"),
             counter(runs, run, "mawk_lines_per_s"), "", None),
            ("  speed as a share of mawk's", counter(runs, run, "ratio_to_mawk"), None, "≥", 1),
        ]
    rows.append(("  peak memory MB of the report, 1 M lines, 1000 PCs",
                 counter(runs, "BM_FleetReport/html_plain/iterations:5/manual_time", "peak_mb"),
                 None, "≤", 64))

    def show(value):
        if value is None:
            return "—"
        return f"{value:.3f}" if abs(value) < 10 else f"{value:.1f}"

    header = ("Figure", "Quelmo", "Peer", "Target", "Ratio", "Met")
    lines = []
    for figure, value, other, direction, target in rows:
        ratio = met = "—"
        if value is not None and target:
            r = value / target if direction == "≤" else target / value if value else float("inf")
            ratio, met = f"{r:.2f}", "yes" if r <= 1 else "NO"
        lines.append((figure, show(value), show(other),
                      f"{direction} {show(target)}" if target else "—", ratio, met))
    widths = [max(len(str(row[i])) for row in lines + [header]) for i in range(len(header))]
    print("  ".join(h.ljust(w) for h, w in zip(header, widths)))
    print("  ".join("-" * w for w in widths))
    for line in lines:
        print("  ".join(str(c).ljust(w) for c, w in zip(line, widths)))
    print("Ratio: value / target for \"≤\" targets, target / value for \"≥\"; 1 or less meets it.")
    print("Peer: KShutdown for the idle figures, in-process libcurl for the HTTP ones, mawk")
    print("summing the two counters of each line for the fleet report.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
