#!/usr/bin/env python3
"""Whole-process comparison: recgen against dd writing the same number of
bytes and against a plain stdio writer, in alternating pairs, plus the
instruction count per record and the peak memory.

Usage: bench/compare.py [--build DIR] [--pairs N] [--records N] [--dir DIR]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def filesize(nents):
    """Bytes of a file of nents records: each line is 30 bytes plus its number's digits."""
    total, lo, digits = 0, 1, 1
    while lo <= nents:
        total += (min(lo * 10 - 1, nents) - lo + 1) * (30 + digits)
        lo, digits = lo * 10, digits + 1
    return total


def timed(cmd, stdin=None):
    """Runs cmd once; returns its wall time in seconds."""
    start = time.perf_counter()
    p = subprocess.run(cmd, input=stdin, text=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    took = time.perf_counter() - start
    if p.returncode != 0:
        sys.exit(f"{cmd[0]} failed with status {p.returncode}")
    return took


def peakrss(cmd, stdin):
    """Runs cmd once under GNU time; returns its peak resident memory in KiB. (A
    child of this Python process would report Python's own size, inherited at fork.)"""
    p = subprocess.run(["/usr/bin/time", "-f", "%M"] + cmd, input=stdin, text=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=True)
    return int(p.stderr.split()[-1])


def build(builddir):
    subprocess.run(["cmake", "-S", ROOT, "-B", builddir, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                    "-DRECGEN_BENCH=ON", "-DBUILD_TESTING=OFF"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", builddir], check=True, stdout=subprocess.DEVNULL)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build", default=os.path.join(ROOT, "build-bench"))
    ap.add_argument("--pairs", type=int, default=7)
    ap.add_argument("--records", type=int, default=10_000_000)
    ap.add_argument("--dir", default="/dev/shm", help="folder to write into (tmpfs)")
    args = ap.parse_args()

    build(args.build)
    recgen = os.path.join(args.build, "recgen")
    baseline = os.path.join(args.build, "bench", "stdio_baseline")
    nbytes = filesize(args.records)
    work = tempfile.mkdtemp(prefix="recgen-bench-", dir=args.dir)
    out = os.path.join(work, "out.txt")
    try:
        runs = {
            "recgen": lambda: timed([recgen], f"{out}\n{args.records}\n"),
            "dd": lambda: timed(["dd", "if=/dev/zero", f"of={out}", "bs=1M", "iflag=count_bytes",
                                 f"count={nbytes}"]),
            "stdio": lambda: timed([baseline, out, str(args.records)]),
        }
        secs = {name: [] for name in runs}
        for _ in range(args.pairs):
            for name, run in runs.items():
                if os.path.exists(out):
                    os.unlink(out)
                secs[name].append(run())
                if os.path.getsize(out) != nbytes:
                    sys.exit(f"{name} wrote {os.path.getsize(out)} bytes, not {nbytes}")
        os.unlink(out)
    finally:
        shutil.rmtree(work)

    print(f"{args.records:,} records ({nbytes:,} bytes) into {args.dir}, {args.pairs} runs each, alternating")
    for name in runs:
        print(f"  {name:8} median {statistics.median(secs[name]) * 1000:8.1f} ms")
    for other in ("dd", "stdio"):
        ratios = [a / b for a, b in zip(secs["recgen"], secs[other])]
        print(f"  recgen / {other:6} median ratio {statistics.median(ratios):.2f}"
              f"  (pairs: {', '.join(f'{r:.2f}' for r in ratios)})")

    if shutil.which("valgrind"):
        n = 1_000_000
        cg = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", recgen],
                            input=f"/dev/null\n{n}\n", capture_output=True, text=True, check=True)
        refs = [l for l in cg.stderr.splitlines() if "Collected" in l][0].split()[-1]
        print(f"  instructions per record ({n:,} records to /dev/null, whole process): "
              f"{int(refs.replace(',', '')) / n:.1f}")

    for n in (1_000, 100_000_000) if os.path.exists("/usr/bin/time") else ():
        peak = peakrss([recgen], f"/dev/null\n{n}\n")
        print(f"  peak resident memory at {n:,} records: {peak / 1024:.1f} MiB")


if __name__ == "__main__":
    main()
