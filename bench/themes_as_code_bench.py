#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times quorvane-cli diff, build and edit side by side with dump and resave on one theme.

Usage: themes_as_code_bench.py QUORVANE_CLI THEME.kmtf [RUNS]

Each command runs RUNS times (default 7), the commands taking turns so that a busy machine slows
them alike; the medians of the elapsed and of the CPU time are printed with the ratio each goal
sets. The second theme for diff differs from the first in 1,000 styles (a primary day colour
each); it is made with dump and build before the timing starts.
"""
import json
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time


def run(command):
    """Elapsed and CPU seconds of one run; its output is thrown away."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    done = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if done.returncode not in (0, 1):
        sys.exit("failed: " + " ".join(command))
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return elapsed, cpu


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    cli, theme = sys.argv[1], os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    work = tempfile.mkdtemp(prefix="themes-as-code-")
    path = lambda name: os.path.join(work, name)

    dumped = subprocess.run([cli, "dump", theme], check=True, capture_output=True).stdout
    with open(path("a.json"), "wb") as out:
        out.write(dumped)
    document = json.loads(dumped)
    elements = document["elements"]
    # A colour the theme uses: the colour replacement looks at every style and changes a few.
    old_colour = elements[0]["primary_day"]
    step = max(1, len(elements) // 1000)
    for element in elements[::step][:1000]:
        element["primary_day"] = "%06X" % (int(element["primary_day"] or "0", 16) ^ 0x0F0F0F)
    with open(path("b.json"), "w") as out:
        json.dump(document, out)
    subprocess.run([cli, "build", path("b.json"), path("b.kmtf")], check=True)

    out = path("out.kmtf")
    commands = {
        "dump": [cli, "dump", theme],
        "diff (1,000 styles differ)": [cli, "diff", theme, path("b.kmtf")],
        "resave": [cli, "resave", theme, out, "--force"],
        "build": [cli, "build", path("a.json"), out, "--force"],
        "edit --set colour:#OLD=#NEW": [cli, "edit", theme, "--set",
                                        "colour:#%s=#123456" % old_colour, "-o", out, "--force"],
        "edit --set primary.night (every style)": [cli, "edit", theme, "--set",
                                                   "primary.night=#123456", "-o", out, "--force"],
        "edit --set night-from-day (every style)": [cli, "edit", theme, "--set", "night-from-day",
                                                    "-o", out, "--force"],
        "edit --set snap-to-palette (every style)": [cli, "edit", theme, "--set", "snap-to-palette",
                                                     "-o", out, "--force"],
    }
    times = {name: [] for name in commands}
    for _ in range(runs):
        for name, command in commands.items():
            times[name].append(run(command))

    median = {name: (statistics.median(t[0] for t in measured),
                     statistics.median(t[1] for t in measured))
              for name, measured in times.items()}
    print("%d styles, %.1f MB; medians of %d runs"
          % (len(elements), os.path.getsize(theme) / 1e6, runs))
    print("%-40s %10s %10s" % ("command", "elapsed", "CPU"))
    for name, (elapsed, cpu) in median.items():
        print("%-40s %8.0f ms %8.0f ms" % (name, elapsed * 1000, cpu * 1000))
    goals = [("diff (1,000 styles differ)", "dump", 2.0), ("build", "resave", 1.0),
             ("edit --set colour:#OLD=#NEW", "resave", 1.0)]
    print()
    for name, reference, most in goals:
        elapsed = median[name][0] / median[reference][0]
        cpu = median[name][1] / median[reference][1]
        print("%-28s / %-6s elapsed %.2f, CPU %.2f (goal at most %.0f)"
              % (name, reference, elapsed, cpu, most))


if __name__ == "__main__":
    main()
