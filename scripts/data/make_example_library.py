#!/usr/bin/env python3
"""Writes the data files the Example menu links and the installed image files.

    python3 scripts/data/make_example_library.py [DATA_DIR]   (default: data)

Every file says in its comment section what it holds and where it comes
from. Only a.txt is real data (yearly sunspot numbers, copied from the
sunspots dataset that Debian's python3-statsmodels package ships); every
other series is synthetic, made here from fixed seeds so the files are the
same on every run, and says so. The sunspot file is only rewritten when that
package is installed; the build itself never needs it.
"""
import csv
import math
import os
import random
import sys

SUNSPOTS_CSV = "/usr/lib/python3/dist-packages/statsmodels/datasets/sunspots/sunspots.csv"


def write_series(path, comment_lines, rows, fmt="{:.2f}"):
    """Comment section, the variable count, then one row per line."""
    for line in comment_lines:
        assert "*" not in line, line
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path, "w", newline="\n") as f:
        f.write("Foresta example data *\n")
        for line in comment_lines:
            f.write(line + "\n")
        f.write("Layout: the number of variables, then one row per time step, oldest first.\n")
        f.write("*\n")
        f.write(f"{len(rows[0])}\n")
        for row in rows:
            f.write(" ".join(fmt.format(v) if isinstance(v, float) else str(v) for v in row) + "\n")


# --- The dynamic system and the Markov chain (the same rules as the engine
# examples of the same names) -------------------------------------------------

def dynamic_system(count):
    x, y, z = 1, 0, 0
    rows = []
    for _ in range(count):
        rows.append((x, y, z))
        x, y, z = (x + y + z) % 7, x, y % 5
    return rows


def markov_chain(count, rng):
    state = (1, 0, 0, 0, 0)
    rows = []
    for n in range(count):
        rows.append(state)
        x, y, z, s, t = state
        nz, step = y % 5, 1
        if n >= 1:
            if rng.random() < 1 / 3:
                nz = (y + 1) % 5
            if rng.random() < 1 / 3:
                step = 2
        state = ((x + y + z) % 7, x, nz, (s + step) % 5, s % 3)
    return rows


# --- Synthetic price series ---------------------------------------------------

def price_walk(rng, count, start, drift, volatility):
    """A geometric random walk: each step multiplies by exp(drift + noise)."""
    values, v = [], start
    for _ in range(count):
        values.append(v)
        v *= math.exp(drift + rng.gauss(0, volatility))
    return values


def moving_average(values, width):
    return [sum(values[i - width + 1:i + 1]) / width for i in range(width - 1, len(values))]


def cash3_draws(rng, count):
    return [(rng.randrange(10), rng.randrange(10), rng.randrange(10)) for _ in range(count)]


DJ30 = ["aa", "axp", "ba", "c", "cat", "dd", "dis", "ek", "ge", "gm", "hd", "hon",
        "hwp", "ibm", "intc", "ip", "jnj", "jpm", "ko", "mcd", "mmm", "mo", "mrk",
        "msft", "pg", "sbc", "t", "utx", "wmt", "xon"]

SYNTHETIC = "Synthetic data made by scripts/data/make_example_library.py (fixed seed); not real prices."


def write_prediction_inputs(out):
    rows = dynamic_system(200)
    write_series(os.path.join(out, "D_math1a.txt"), [
        "Finite dynamic system, 200 states (x, y, z), 3 variables.",
        "Rules: x(n+1) = (x(n) + y(n) + z(n)) mod 7, y(n+1) = x(n), z(n+1) = y(n) mod 5,",
        "starting from (1, 0, 0). The series is exact; the next state is fully determined",
        "by the last one. Made by scripts/data/make_example_library.py.",
    ], rows)

    rows = markov_chain(300, random.Random(5101))
    write_series(os.path.join(out, "D_math2a.txt"), [
        "Markov chain, 300 states (x, y, z, s, t), 5 variables.",
        "x(n+1) = (x(n) + y(n) + z(n)) mod 7 and y(n+1) = x(n) as in the dynamic system;",
        "z(n+1) = y(n) mod 5 with probability 2/3, (y(n) + 1) mod 5 with probability 1/3;",
        "s(n+1) = (s(n) + 1) mod 5 with probability 2/3, (s(n) + 2) mod 5 with probability 1/3;",
        "t(n+1) = s(n) mod 3; starting from (1, 0, 0, 0, 0).",
        "Simulated by scripts/data/make_example_library.py with a fixed seed.",
    ], rows)

    draws = cash3_draws(random.Random(3003), 400)
    picks = {"X": (0,), "Y": (1,), "Z": (2,), "XY": (0, 1), "XZ": (0, 2),
             "YZ": (1, 2), "XYZ": (0, 1, 2)}
    names = {0: "first", 1: "second", 2: "third"}
    for key, cols in picks.items():
        comment = [
            "Cash 3 style draws: three digits 0 to 9 per draw, 400 draws, oldest first.",
            "This file holds the " + " and ".join(names[c] for c in cols) + " digit"
            + ("s" if len(cols) > 1 else "") + f" ({len(cols)} variable"
            + ("s" if len(cols) > 1 else "") + ").",
            "The draws are synthetic: independent uniform digits from a fixed-seed generator,",
            "made by scripts/data/make_example_library.py; they are not real lottery results.",
            "Being random, they have no pattern to find: a good check that a forecast",
            "does not claim more than the data hold.",
        ]
        rows = [tuple(d[c] for c in cols) for d in draws]
        write_series(os.path.join(out, "cash3", f"D_ch3{key}.txt"), comment, rows)
        if key in ("X", "Y", "Z", "XZ", "YZ"):
            write_series(os.path.join(out, f"D_ch3{key}.txt"), comment, rows)

    rng = random.Random(3030)
    for i, name in enumerate(DJ30):
        values = price_walk(rng, 160, 20 + 4 * i, 0.002, 0.03)
        write_series(os.path.join(out, "dj30", f"{name}.txt"), [
            f"Weekly closing price series '{name}', 160 weeks, 1 variable.",
            "A geometric random walk with slight upward drift, standing in for one",
            "stock of a 30-stock index.",
            SYNTHETIC,
        ], [(v,) for v in values])

    rng = random.Random(1968)
    months = 130
    intel = price_walk(rng, months, 25.0, 0.008, 0.09)
    msft = price_walk(rng, months, 30.0, 0.01, 0.08)
    sp500 = price_walk(rng, months, 900.0, 0.005, 0.04)
    avg = {k: moving_average(v, 5) for k, v in (("intel", intel), ("msft", msft), ("sp500", sp500))}
    note = "Synthetic monthly prices standing in for the named stocks and index; " \
           "not their real prices."
    write_series(os.path.join(out, "D_intc1a.txt"), [
        f"Monthly closing price of a chip-maker's stock ('Intel'), {months} months, 1 variable.",
        note, SYNTHETIC], [(v,) for v in intel])
    write_series(os.path.join(out, "D_intc2a.txt"), [
        "5-month moving average of the 'Intel' series of D_intc1a.txt, 1 variable.",
        note, SYNTHETIC], [(v,) for v in avg["intel"]])
    write_series(os.path.join(out, "D_intc3a.txt"), [
        "5-month moving average of a software maker's stock ('Microsoft'), 1 variable.",
        note, SYNTHETIC], [(v,) for v in avg["msft"]])
    write_series(os.path.join(out, "D_intc4a.txt"), [
        "5-month moving averages of 'Intel', a 500-stock index ('SP500') and 'Microsoft',",
        "3 variables in that order.", note, SYNTHETIC],
        list(zip(avg["intel"], avg["sp500"], avg["msft"])))
    write_series(os.path.join(out, "D_intc5a.txt"), [
        "5-month moving averages of 'Microsoft' and a 500-stock index ('SP500'),",
        "2 variables in that order.", note, SYNTHETIC],
        list(zip(avg["msft"], avg["sp500"])))


def write_sunspots(out):
    if not os.path.exists(SUNSPOTS_CSV):
        print("python3-statsmodels is not installed: a.txt left as it is", file=sys.stderr)
        return
    with open(SUNSPOTS_CSV) as f:
        rows = [(float(r["SUNACTIVITY"]),) for r in csv.DictReader(f)]
    write_series(os.path.join(out, "a.txt"), [
        f"Yearly mean sunspot numbers, 1700 to 2008 ({len(rows)} years), 1 variable.",
        "Real observations: the sunspots dataset distributed with the statsmodels",
        "Python package (Debian package python3-statsmodels), which takes them from",
        "the US National Geophysical Data Center (NOAA); public domain.",
        "Replace this file with your own data and use Example / a.txt to link it.",
    ], rows, fmt="{:.1f}")


# --- Installed image examples --------------------------------------------------

SHAPES = ["disc", "square", "triangle", "cross", "ring"]


def shape_pixel(kind, u, v):
    """u, v in -1..1; True where the shape has ink."""
    r = math.hypot(u, v)
    if kind == "disc":
        return r <= 0.8
    if kind == "square":
        return abs(u) <= 0.7 and abs(v) <= 0.7
    if kind == "triangle":
        return v <= 0.7 and v >= -0.8 and abs(u) <= (v + 0.8) / 1.5 * 0.8
    if kind == "cross":
        return (abs(u) <= 0.22 and abs(v) <= 0.85) or (abs(v) <= 0.22 and abs(u) <= 0.85)
    return 0.5 <= r <= 0.85


def shape_image(kind, side, scale=1.0, dx=0, dy=0):
    rows = []
    for r in range(side):
        row = []
        for c in range(side):
            u = ((c - dx) + 0.5 - side / 2) / (side / 2 * scale)
            v = ((r - dy) + 0.5 - side / 2) / (side / 2 * scale)
            row.append("1" if shape_pixel(kind, u, v) else "0")
        rows.append("".join(row))
    return rows


def write_images(out, side):
    base = f"img{side}x{side}"
    neurons = side + side * side

    def header(role, count):
        text = (f" * \n {side} by {side} binary image recognition, {role}\n"
                f" Five shapes; classes (the position of the 1 in the first {side} neurons):\n")
        text += "".join(f"   {i} {name}\n" for i, name in enumerate(SHAPES))
        text += (f" Then {side * side} pixels, {side} to a line. Drawn by\n"
                 " scripts/data/make_example_library.py.\n"
                 f"Please set line breaker to\n line 2 starts at {side} \n"
                 f"line 3 starts at {2 * side}\nline 4 starts at {3 * side}\n"
                 f"line 5 starts at {4 * side}\nPlease set symmetry to\n"
                 f"Symmetry starts at   {side}\nSymmetry ends at {neurons - 1}\n"
                 f"x-dimension is {side}\ny-dimension is {side}\n*\n")
        return text + (f" {neurons}\n\n" if count else "\n")

    def vector(cls, rows):
        return cls + "\n" + "\n".join(rows) + "\n\n"

    def one_hot(i):
        return "".join("1" if j == i else "0" for j in range(side))

    with open(os.path.join(out, base + ".trn"), "w", newline="\n") as f:
        f.write(header("Training Data File", True))
        for i, kind in enumerate(SHAPES):
            f.write(vector(one_hot(i), shape_image(kind, side)))
    with open(os.path.join(out, base + ".rtn"), "w", newline="\n") as f:
        f.write(header("Retraining Data File (smaller shapes)", True))
        for i, kind in enumerate(SHAPES):
            f.write(vector(one_hot(i), shape_image(kind, side, scale=0.75)))
    rng = random.Random(side)
    with open(os.path.join(out, base + ".rec"), "w", newline="\n") as f:
        f.write(header("Recognition Data File (moved, noisy shapes; class unknown)", False))
        for i, kind in enumerate(SHAPES):
            shift = side // 20
            rows = [list(r) for r in shape_image(kind, side, dx=shift * (1 if i % 2 else -1), dy=shift)]
            for _ in range(side // 5):
                rows[rng.randrange(side)][rng.randrange(side)] = "1"
            f.write(vector("x" * side, ["".join(r) for r in rows]))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "data"
    write_prediction_inputs(out)
    write_sunspots(out)
    write_images(out, 50)
    write_images(out, 100)


if __name__ == "__main__":
    main()
