#!/usr/bin/env python3
"""Whole-process costs of the lns commands, paired: each round runs every command once, in an order that
turns from round to round, so that a figure and the one it is compared with share the machine's load of
that moment. Prints the medians of each command (elapsed, CPU, minor page faults) and the medians of the per-round ratios of the pairs that the performance goals name.

usage: time-processes.py ROUNDS BIN_DIR [BASELINE_BIN_DIR]
With a baseline, each command also runs from the baseline's programs (on a machine root of their own, since
the two may keep different files beside their databases), and the ratio of each to its baseline is printed.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOM = "Floor 1/Room 101"
# (name, arguments after the program); None stands for /bin/true.
COMMANDS = [
    ("true", None),
    ("lns --help", ["--help"]),
    ("lns networks", ["networks"]),
    (f'lns nv get Demo "{ROOM}" 4', ["nv", "get", "Demo", ROOM, "4"]),
    (f'lns send Demo 13 7 "Demo/{ROOM}" --snapshot /dev/null',
     ["send", "Demo", "13", "7", f"Demo/{ROOM}", "--snapshot", "/dev/null"]),
    ("lns devices Scale (10,000 devices)", ["devices", "Scale"]),
]
# (command, compared with, goal for the ratio or None)
PAIRS = [
    ("lns --help", "true", 2.0),
    ("lns networks", "true", None),
    (f'lns nv get Demo "{ROOM}" 4', "true", 3.0),
    (f'lns send Demo 13 7 "Demo/{ROOM}" --snapshot /dev/null', "lns networks", 1.5),
    ("lns devices Scale (10,000 devices)", "lns networks", None),
]


def make_root(bin_dir):
    root = tempfile.mkdtemp(prefix="lns-measure-")
    env = dict(os.environ, LNS_ROOT=root)
    lns = os.path.join(bin_dir, "lns")
    subprocess.run([lns, "init", "--demo"], env=env, check=True, stdout=subprocess.DEVNULL)
    subprocess.run([lns, "network", "create", "Scale", "--devices", "10000"], env=env, check=True,
                   stdout=subprocess.DEVNULL)
    return root, env


def run_once(argv, env):
    """Elapsed ms, CPU ms and minor page faults of one run, from the kernel's account. (Its peak memory is
    not: a child's count starts from the size of the process that forked it, this one.)"""
    start = time.perf_counter_ns()
    pid = os.posix_spawn(argv[0], argv, env, file_actions=[
        (os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0)])
    _, status, usage = os.wait4(pid, 0)
    elapsed = (time.perf_counter_ns() - start) / 1e6
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"failed ({os.waitstatus_to_exitcode(status)}): {' '.join(argv)}")
    return elapsed, (usage.ru_utime + usage.ru_stime) * 1e3, usage.ru_minflt


def main():
    rounds, bin_dir = int(sys.argv[1]), sys.argv[2]
    builds = [("", bin_dir)] + ([(" [baseline]", sys.argv[3])] if len(sys.argv) > 3 else [])
    runs = []  # (label, argv, env)
    roots = []
    for suffix, directory in builds:
        root, env = make_root(directory)
        roots.append(root)
        for name, args in COMMANDS:
            if args is None and suffix:
                continue
            argv = ["/bin/true"] if args is None else [os.path.join(directory, "lns")] + args
            runs.append((name + suffix, argv, env))
    for _, argv, env in runs:  # warm the page cache
        run_once(argv, env)
    samples = {label: [] for label, _, _ in runs}
    for round_number in range(rounds):
        turn = round_number % len(runs)
        for label, argv, env in runs[turn:] + runs[:turn]:
            samples[label].append(run_once(argv, env))
    for root in roots:
        subprocess.run(["rm", "-rf", root], check=True)

    print(f"Medians of {rounds} paired rounds (load average {os.getloadavg()[0]:.1f}).")
    print("| command | elapsed | CPU | minor page faults |")
    print("|---|---|---|---|")
    for label, values in samples.items():
        median = [statistics.median(column) for column in zip(*values)]
        print(f"| `{label}` | {median[0]:.2f} ms | {median[1]:.2f} ms | {median[2]:.0f} |")
    print()
    print("| ratio of elapsed times, per round | median | range of middle half | goal |")
    print("|---|---|---|---|")

    def ratio_row(name, a, b, goal):
        ratios = sorted(x[0] / y[0] for x, y in zip(samples[a], samples[b]))
        quarter = len(ratios) // 4
        verdict = "" if goal is None else ("≤ %.1f× %s" % (goal, "met" if ratios[len(ratios) // 2] <= goal
                                                             else "NOT met"))
        print(f"| {name} | {statistics.median(ratios):.2f}× | {ratios[quarter]:.2f}–{ratios[-quarter - 1]:.2f}× "
              f"| {verdict} |")

    for a, b, goal in PAIRS:
        ratio_row(f"`{a}` / `{b}`", a, b, goal)
    if len(builds) > 1:
        for a, b, goal in PAIRS:
            b_label = b if b == "true" else b + " [baseline]"
            ratio_row(f"`{a} [baseline]` / `{b_label}`", a + " [baseline]", b_label, goal)
        for name, args in COMMANDS:
            if args is not None:
                ratio_row(f"`{name}` / its baseline", name, name + " [baseline]", None)


if __name__ == "__main__":
    main()
