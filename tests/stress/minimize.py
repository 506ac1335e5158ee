#!/usr/bin/env python3
"""Shortens a failure log of the stress driver to the fewest actions that still fail alike.

    tests/stress/minimize.py build/test/tests/stress/stress stress-failure-seed7.log [out.log]

Replays shorter and shorter copies of the log (delta debugging: drops chunks of lines, then
single lines) and keeps a copy when its replay fails with the same first report line as the
original. Options for the driver go in STRESS_ARGS. Prints the minimal log and writes it to out.log (default: <log>.min).
"""

import os
import subprocess
import sys
import tempfile


def failure_signature(program, lines):
    with tempfile.NamedTemporaryFile("w", suffix=".log", delete=False) as f:
        f.write("\n".join(lines) + "\n")
        path = f.name
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", ASAN_OPTIONS="detect_leaks=0")
    try:
        extra = os.environ.get("STRESS_ARGS", "").split()
        run = subprocess.run([program, "--replay", path, "--failure-log", path + ".fail"] + extra,
                             capture_output=True, text=True, env=env, timeout=300)
    except subprocess.TimeoutExpired:
        return "timeout"
    finally:
        os.unlink(path)
        if os.path.exists(path + ".fail"):
            os.unlink(path + ".fail")
    if run.returncode == 0:
        return None
    for line in run.stderr.splitlines():
        if line.startswith("STRESS FAILURE:") and "sanitizer report" not in line:
            return line
        if "ERROR: AddressSanitizer" in line or "runtime error:" in line:
            return line.split(" on address")[0].split("(")[0].strip()
    return "exit %d" % run.returncode


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    program, log = sys.argv[1], sys.argv[2]
    out = sys.argv[3] if len(sys.argv) > 3 else log + ".min"
    lines = [l.rstrip("\n") for l in open(log) if l.strip() and not l.startswith("#")]
    target = failure_signature(program, lines)
    if target is None:
        print("the log replays without a failure")
        return 1
    print("failure:", target, "-", len(lines), "actions")
    chunk = max(1, len(lines) // 2)
    while chunk >= 1:
        i = 0
        while i < len(lines):
            trial = lines[:i] + lines[i + chunk:]
            if trial and failure_signature(program, trial) == target:
                lines = trial
                print(len(lines), "actions still fail", flush=True)
            else:
                i += chunk
        chunk //= 2
    with open(out, "w") as f:
        f.write("# minimal replay: %s\n" % target)
        f.write("\n".join(lines) + "\n")
    print("\n".join(lines))
    print("written to", out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
