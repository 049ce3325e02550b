#!/usr/bin/env python3
"""Start-up benchmark: time from process start to the main window shown and idle, and peak memory.

Runs the program (in its program folder) and a minimal Qt Widgets program that shows one empty window,
alternately, RUNS times each, on the same X display. Both quit as soon as their window is shown and the
event queue is idle (IXO_QUIT_WHEN_IDLE). Prints the medians, their ratio and the peak resident memory.

    measure_startup.py PROGRAM MINIMAL [RUNS]

Starts an Xvfb of its own when DISPLAY is not set.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(argv, env, cwd):
    start = time.perf_counter()
    proc = subprocess.Popen(argv, env=env, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{argv[0]} exited with status {os.waitstatus_to_exitcode(status)}")
    return elapsed, usage.ru_maxrss / 1024.0  # ru_maxrss is in KiB on Linux


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    program, minimal = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    env = dict(os.environ, IXO_QUIT_WHEN_IDLE="1", QT_QPA_PLATFORM="xcb")
    xvfb = None
    if not env.get("DISPLAY"):
        display = ":77"
        xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        env["DISPLAY"] = display
    # The program runs in a copy of its folder, so that the settings it writes stay out of the build.
    folder = tempfile.mkdtemp(prefix="ixo-startup-")
    shutil.copytree(os.path.dirname(program), folder, dirs_exist_ok=True)
    program_copy = os.path.join(folder, os.path.basename(program))
    try:
        run_once([program_copy], env, folder)  # warm the caches once for both
        run_once([minimal], env, folder)
        ours, theirs, memory = [], [], []
        for _ in range(runs):
            t, rss = run_once([program_copy], env, folder)
            ours.append(t)
            memory.append(rss)
            t, _ = run_once([minimal], env, folder)
            theirs.append(t)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
        if xvfb:
            xvfb.terminate()
    median_ours, median_theirs = statistics.median(ours), statistics.median(theirs)
    print(f"ixoran start-up (median of {runs}): {median_ours * 1000:.1f} ms")
    print(f"minimal Qt window (median of {runs}): {median_theirs * 1000:.1f} ms")
    print(f"ratio: {median_ours / median_theirs:.2f} (budget 1.5)")
    print(f"ixoran peak memory: {max(memory):.1f} MiB (budget 40)")


if __name__ == "__main__":
    main()
