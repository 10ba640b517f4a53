#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the program's elementary functions (src/numeric) against mpmath.

For each function it draws --count arguments over the range the program uses plus the
awkward ones (near multiples of pi/2, near +-1, huge, tiny, subnormal, +-0, +-inf, NaN),
runs them through the numeric-probe driver and prints the largest error in ulp and the
share of correctly rounded results. Special results (NaN, infinities, zeros, and the
results for special arguments) are compared with the C library's, bit for bit.

    python3 scripts/check-math.py [--count N] [--probe build/tests/numeric/numeric-probe]
                                  [--only sin,cos] [--write-cases tests/numeric/elementary-cases.txt]

Needs python3-mpmath (apt-get install python3-mpmath); python3-gmpy2, where installed, makes
mpmath about three times faster.
"""
import argparse
import ctypes
import math
import multiprocessing
import os
import random
import struct
import subprocess
import sys

import mpmath
from mpmath import mp, mpf

LIBM = ctypes.CDLL("libm.so.6")
for _name in ("sin", "cos", "tan", "asin", "acos", "atan", "exp", "log", "log10"):
    getattr(LIBM, _name).restype = ctypes.c_double
    getattr(LIBM, _name).argtypes = [ctypes.c_double]
for _name in ("atan2", "hypot", "pow"):
    getattr(LIBM, _name).restype = ctypes.c_double
    getattr(LIBM, _name).argtypes = [ctypes.c_double, ctypes.c_double]

UNARY = ["sin", "cos", "tan", "asin", "acos", "atan", "exp", "log", "log10"]
BINARY = ["atan2", "hypot", "pow"]
INF = float("inf")
NAN = float("nan")
TINY = 5e-324


def bits(x):
    return struct.unpack("<Q", struct.pack("<d", x))[0]


def from_bits(b):
    return struct.unpack("<d", struct.pack("<Q", b))[0]


def exact(name, args, prec):
    mp.prec = prec
    a = [mpf(x) for x in args]
    if name == "sin":
        return mp.sin(a[0])
    if name == "cos":
        return mp.cos(a[0])
    if name == "tan":
        return mp.tan(a[0])
    if name == "asin":
        return mp.asin(a[0])
    if name == "acos":
        return mp.acos(a[0])
    if name == "atan":
        return mp.atan(a[0])
    if name == "exp":
        return mp.exp(a[0])
    if name == "log":
        return mp.log(a[0])
    if name == "log10":
        return mp.log10(a[0])
    if name == "atan2":
        return mp.atan2(a[0], a[1])
    if name == "hypot":
        return mp.hypot(a[0], a[1])
    if name == "pow":
        y = args[1]
        if args[0] < 0:
            return (-1 if (y == int(y) and int(y) % 2) else 1) * mp.power(-a[0], a[1])
        return mp.power(a[0], a[1])
    raise ValueError(name)


def ulp_at(v):
    """Spacing of the doubles in the binade of |v| (subnormal spacing below 2^-1022)."""
    _, man, exp, bc = v._mpf_
    return mpf(2) ** (max(exp + bc - 1, -1022) - 52)


def round_exact(v, slack):
    """(the double nearest v ties to even, error of that double in ulp, certain?) from the
    exact mantissa of v; not certain when v lies within 2^-slack ulp of a midpoint."""
    sign, man, exp, bc = v._mpf_
    if man == 0:
        return 0.0, 0.0, True
    if exp + bc - 1 < -1080:
        return (-0.0 if sign else 0.0), 0.0, True
    if exp + bc - 1 >= 1024:
        return (-INF if sign else INF), 0.0, True
    q = max(exp + bc - 1, -1022) - 52
    if exp >= q:
        n, frac, certain = man << (exp - q), 0.0, True
    else:
        shift = q - exp
        n = man >> shift
        rem = man & ((1 << shift) - 1)
        half = 1 << (shift - 1)
        gap = abs(rem - half)
        certain = gap > (1 << max(shift - slack, 0))
        if rem > half or (rem == half and n & 1):
            n += 1
            rem -= 1 << shift
        frac = abs(rem) / float(1 << shift) if shift < 1000 else float(mpf(abs(rem)) / mpf(2) ** shift)
    try:
        r = math.ldexp(n, q)
    except OverflowError:
        r = INF
    return (-r if sign else r), frac, certain


def reference(name, args):
    """(correctly rounded result, the other double bracketing the exact value, exact value,
    error in ulp of the rounded result)."""
    if name in BINARY:
        c = getattr(LIBM, name)(*args)
    else:
        c = getattr(LIBM, name)(args[0])
    special = any(math.isinf(x) or math.isnan(x) or x == 0 for x in args)
    if special or math.isnan(c):
        return c, c, None, 0.0
    for prec in (110, 300, 1200):
        v = exact(name, args, prec)
        r, frac, certain = round_exact(v, prec - 53 - 16)
        if certain:
            break
    if math.isinf(r) or frac == 0:
        return r, r, v, frac
    other = math.nextafter(r, INF) if v > mpf(r) else math.nextafter(r, -INF)
    return r, other, v, frac


def same(a, b):
    if math.isnan(a) and math.isnan(b):
        return True
    return bits(a) == bits(b)


def evaluate(task):
    name, chunk = task
    rows = []
    for args, got in chunk:
        want, other, v, frac = reference(name, args)
        if same(got, want):
            err = frac
        elif v is None or math.isinf(want) or math.isinf(got) or math.isnan(got):
            err = INF
        else:
            err = float(abs(mpf(got) - v) / ulp_at(v))
        rows.append((args, got, want, other, same(got, want), err))
    return rows


# ---- argument sets ----

def rnd_log(rng, lo_exp, hi_exp):
    return rng.choice((-1, 1)) * 2.0 ** rng.uniform(lo_exp, hi_exp)


def rnd_bits(rng):
    while True:
        x = from_bits(rng.getrandbits(64))
        if not (math.isnan(x) or math.isinf(x)):
            return x


SPECIALS = [0.0, -0.0, INF, -INF, NAN, TINY, -TINY, 2.2250738585072014e-308, -2.2250738585072014e-308,
            1.7976931348623157e308, -1.7976931348623157e308, 1.0, -1.0, 0.5, -0.5, 2.0]


def near_half_pi_multiples(rng):
    k = rng.choice([rng.randint(1, 8), rng.randint(1, 1000), rng.randint(1, 10 ** 6), rng.randint(1, 2 ** 40)])
    x = float(mpf(k) * mp.pi / 2)
    for _ in range(rng.randint(0, 3)):
        x = math.nextafter(x, rng.choice((INF, -INF)))
    return rng.choice((-1, 1)) * x


# The double closest to a multiple of pi/2 (about 2^-61 away, relatively).
HARD_TRIG = [6381956970095103 * 2.0 ** 797]


def args_for(name, n, rng):
    out = []
    mp.prec = 200

    def add(*a):
        out.append(tuple(a))

    for s in SPECIALS:
        if name in BINARY:
            for t in SPECIALS:
                add(s, t)
        else:
            add(s)
    while len(out) < n:
        u = rng.random()
        if name in ("sin", "cos", "tan"):
            if u < 0.45:
                add(rng.uniform(-2 * math.pi, 2 * math.pi))
            elif u < 0.6:
                add(rng.uniform(-1e6, 1e6))
            elif u < 0.75:
                add(near_half_pi_multiples(rng))
            elif u < 0.85:
                add(rnd_log(rng, 20, 1024))
            elif u < 0.95:
                add(rnd_log(rng, -1074, -10))
            else:
                add(rnd_bits(rng))
        elif name in ("asin", "acos"):
            if u < 0.5:
                add(rng.uniform(-1, 1))
            elif u < 0.7:
                add(rng.choice((-1, 1)) * (1 - 2.0 ** rng.uniform(-53, -1)))
            elif u < 0.8:
                add(rng.uniform(0.45, 0.75) * rng.choice((-1, 1)))
            elif u < 0.95:
                add(rnd_log(rng, -1074, -1))
            else:
                add(rng.uniform(-3, 3))
        elif name == "atan":
            if u < 0.5:
                add(rng.uniform(-20, 20))
            elif u < 0.9:
                add(rnd_log(rng, -1074, 1024))
            else:
                add(rng.choice((-1, 1)) * rng.uniform(0.99, 1.01))
        elif name == "exp":
            if u < 0.4:
                add(rng.uniform(-20, 20))
            elif u < 0.8:
                add(rng.uniform(-746, 710))
            elif u < 0.9:
                add(rnd_log(rng, -1074, 0))
            else:
                add(rng.uniform(-745.2, -708))
        elif name in ("log", "log10"):
            if u < 0.4:
                add(2.0 ** rng.uniform(-1074, 1024))
            elif u < 0.7:
                add(rng.uniform(0.01, 1e6))
            elif u < 0.85:
                add(1 + rng.choice((-1, 1)) * 2.0 ** rng.uniform(-53, -2))
            elif u < 0.9 and name == "log10":
                add(10.0 ** rng.randint(-300, 300))
            else:
                add(rnd_bits(rng))
        elif name == "atan2":
            if u < 0.5:
                add(rng.uniform(-1000, 1000), rng.uniform(-1000, 1000))
            elif u < 0.85:
                add(rnd_log(rng, -1074, 1024), rnd_log(rng, -1074, 1024))
            else:
                y = rnd_log(rng, -30, 30)
                add(y, y * rng.choice((-1, 1)) * rng.uniform(0.999, 1.001))
        elif name == "hypot":
            if u < 0.5:
                add(rng.uniform(-1000, 1000), rng.uniform(-1000, 1000))
            elif u < 0.85:
                e = rng.uniform(-1074, 1024)
                add(rnd_log(rng, e - 30, e), rnd_log(rng, e - 30, e))
            else:
                add(rnd_log(rng, -1074, 1024), rnd_log(rng, -1074, 1024))
        elif name == "pow":
            if u < 0.3:
                add(rng.uniform(0.05, 20), rng.choice((3.5, 2.5, -2.5, -1 / 0.4, 1 / 0.4, 1.4 / 0.4)))
            elif u < 0.6:
                add(rng.uniform(0, 100), rng.uniform(-30, 30))
            elif u < 0.75:
                add(-rng.uniform(0, 100), float(rng.randint(-60, 60)))
            elif u < 0.9:
                add(2.0 ** rng.uniform(-1074, 1024), rng.uniform(-3, 3))
            else:
                add(1 + rng.uniform(-1e-6, 1e-6), rng.uniform(-1e7, 1e7))
    if name in ("sin", "cos", "tan"):
        for x in HARD_TRIG:
            out.append((x,))
            out.append((-x,))
    return out[:max(n, len(out))]


def run_probe(probe, name, args):
    text = "".join(" ".join("%x" % bits(a) for a in arg) + "\n" for arg in args)
    res = subprocess.run([probe, name], input=text.encode(), capture_output=True, check=True)
    return [from_bits(int(line, 16)) for line in res.stdout.split()]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--count", type=int, default=10 ** 6)
    parser.add_argument("--probe", default="build/tests/numeric/numeric-probe")
    parser.add_argument("--only", default="")
    parser.add_argument("--seed", type=int, default=2026)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--write-cases", default="", help="store test cases for the unit test here")
    parser.add_argument("--cases-per-function", type=int, default=300)
    opts = parser.parse_args()
    names = opts.only.split(",") if opts.only else UNARY + BINARY
    if not os.access(opts.probe, os.X_OK):
        sys.exit("check-math: no driver at %s (build the numeric-probe target)" % opts.probe)
    cases = []
    print("%-6s %9s %12s %14s %9s" % ("func", "args", "max ulp", "correctly", "specials"))
    failed = False
    with multiprocessing.Pool(opts.jobs) as pool:
        for name in names:
            rng = random.Random("%s-%d" % (name, opts.seed))
            args = args_for(name, opts.count, rng)
            got = run_probe(opts.probe, name, args)
            pairs = list(zip(args, got))
            size = 2000
            chunks = [(name, pairs[i:i + size]) for i in range(0, len(pairs), size)]
            rows = [r for part in pool.imap(evaluate, chunks) for r in part]
            finite = [r for r in rows if r[5] != INF]
            worst = max((r[5] for r in rows), default=0.0)
            correct = sum(1 for r in rows if r[4])
            special_bad = sum(1 for r in rows if r[5] == INF)
            print("%-6s %9d %12.7f %13.5f%% %9s" % (name, len(rows), worst, 100.0 * correct / len(rows),
                                                   "ok" if not special_bad else "%d bad" % special_bad),
                  flush=True)
            for r in rows:
                if not r[4] and (r[5] >= 1.0):
                    failed = True
                    print("   %s%s = %r, want %r (%.3f ulp)" % (name, r[0], r[1], r[2], r[5]))
            if opts.write_cases:
                crng = random.Random("cases-%s" % name)
                wrong = [r for r in rows if not r[4]]
                chosen = rows[:len(SPECIALS) ** (2 if name in BINARY else 1)][:60] + wrong[:20]
                chosen += crng.sample(rows, min(opts.cases_per_function, len(rows)))
                for r in chosen:
                    cases.append((name, r))
    if opts.write_cases:
        with open(opts.write_cases, "w") as f:
            f.write("# function, argument bits, correctly rounded result bits, the other double next to the\n")
            f.write("# exact value, 1 when the library gave that neighbour when this file was written.\n")
            f.write("# Written by scripts/check-math.py from mpmath's values.\n")
            for name, (args, got, want, other, ok, err) in cases:
                f.write("%s %s %016x %016x %d\n" % (name, " ".join("%016x" % bits(a) for a in args), bits(want),
                                                    bits(other), 0 if ok else 1))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
