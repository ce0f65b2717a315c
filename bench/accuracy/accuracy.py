#!/usr/bin/python3
"""Accuracy of continuous curves against the functions they were drawn from.

Draws plots of known functions with Debian's matplotlib (solid lines 1, 2, 3 and 5 px wide
without anti-aliasing, a 3 px anti-aliased line, a dashed line, a logarithmic X axis, a
logarithmic Y axis, a reversed X axis, a steep curve, a JPEG of quality 75 and a picture
turned by 2.5 degrees), runs one `plotvane-cli run` job for each in both modes of the "refine"
key, and measures the vertical error of every exported row against the true curve, in pixels.

The exported (X, Y) of a row is taken back to the picture through the frame the job's axes
define (so the rounding of scale points to whole pixels is not counted as an error of the
curve) and compared with the true centre line there, found from matplotlib's own transform.
Pixel (x, y) of the program has its middle at display coordinates (x + 0.5, H - y - 0.5).

    bench/accuracy/accuracy.py build/cli/plotvane-cli [work-folder] [--shift N]
    bench/accuracy/accuracy.py build/cli/plotvane-cli [work-folder] --set [--part P] [--jobs N]

Prints one line a case, today's mode ("none") beside the refined one ("centre"), then the
median RMS and the worst single error of each mode. --shift N (1 to 3) moves the X and Y
ranges of the plots drawn without anti-aliasing by a fixed amount, so that their lines fall
differently on the pixels, and runs those cases only: a check that the figures do not hang on
one drawing.

--set measures the random plots of plotset.py instead (300, or --count), all of them, or only
those tuning may look at (--part tuning), or only those kept aside (--part held-out), and
prints the distribution of the figures over the plots: over all, over the part kept aside, and
by kind. Every run writes its figures to results.json in the work folder.
"""

import argparse
import json
import math
import multiprocessing
import os
import statistics
import subprocess

import matplotlib

matplotlib.use("Agg")
matplotlib.rcParams["lines.scale_dashes"] = False
# The line as drawn must be the function: no merging of nearly straight segments.
matplotlib.rcParams["path.simplify"] = False
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from PIL import Image  # noqa: E402

import plotset  # noqa: E402

def wave(x):
    return np.sin(x) + 0.3 * np.sin(3.1 * x + 0.4)


CASES = [
    # name, function, x range, y range, width, anti-aliased, extra
    ("solid-1px", wave, (0, 10), (-1.7, 1.7), 1, False, {}),
    ("solid-2px", wave, (0, 10), (-1.7, 1.7), 2, False, {}),
    ("solid-3px", wave, (0, 10), (-1.7, 1.7), 3, False, {}),
    ("solid-5px", wave, (0, 10), (-1.7, 1.7), 5, False, {}),
    ("aa-3px", wave, (0, 10), (-1.7, 1.7), 3, True, {}),
    ("dashed", wave, (0, 10), (-1.7, 1.7), 2, False, {"dashes": (12, 4)}),
    ("log-x", lambda x: np.sin(2.2 * np.log10(x)) * 0.8 + 0.1 * np.log10(x), (1, 1000), (-1.2, 1.2), 2, True,
     {"logx": True}),
    ("log-y", lambda x: 10 ** (1.2 + 0.9 * np.sin(0.8 * x)), (0, 10), (0.5, 2000), 2, True, {"logy": True}),
    ("reversed-x", wave, (10, 0), (-1.7, 1.7), 2, True, {}),
    ("steep", lambda x: x ** 4, (0, 3.2), (-2, 110), 2, True, {}),
    ("jpeg-q75", wave, (0, 10), (-1.7, 1.7), 2, True, {"jpeg": True}),
    ("rotated-2.5", wave, (0, 10), (-1.7, 1.7), 2, True, {"rotate": 2.5}),
]


def draw(folder, name, f, xr, yr, width, aa, extra):
    W, H = extra.get("size", (640, 480))
    fig = plt.figure(figsize=(W / 72, H / 72), dpi=72, facecolor="white")
    # The axes moved by a fraction of a pixel, so that the line falls differently on them.
    u, v = extra.get("place", (0, 0))
    ax = fig.add_axes([0.08 + u / W, 0.08 + v / H, 0.88, 0.88])
    if extra.get("logx"):
        ax.set_xscale("log")
    if extra.get("logy"):
        ax.set_yscale("log")
    ax.set_xlim(*xr)
    ax.set_ylim(*yr)
    lo, hi = min(xr), max(xr)
    xs = np.geomspace(lo, hi, 4000) if extra.get("logx") else np.linspace(lo, hi, 4000)
    colour = tuple(c / 255 for c in extra["color"]) if "color" in extra else "black"
    style = dict(color=colour, linewidth=width, antialiased=aa, solid_capstyle="butt",
                 dash_capstyle="butt")
    if "dashes" in extra:
        style["dashes"] = extra["dashes"]
    ax.plot(xs, f(xs), **style)
    fig.canvas.draw()
    to_display = ax.transData
    angle = extra.get("rotate", 0.0)
    quality = extra.get("quality", 75)
    ext = ".jpg" if extra.get("jpeg") else ".png"
    path = os.path.join(folder, name + ext)
    # A turned picture is drawn, turned, then compressed once.
    drawn = os.path.join(folder, name + ".png") if angle else path
    kwargs = {"pil_kwargs": {"quality": quality}} if extra.get("jpeg") and not angle else {}
    fig.savefig(drawn, dpi=72, facecolor="white", **kwargs)
    plt.close(fig)

    if angle:
        turned = Image.open(drawn).convert("RGB").rotate(angle, resample=Image.BICUBIC, fillcolor="white")
        turned.save(path, **({"quality": quality} if extra.get("jpeg") else {}))

    def to_pixel(x, y):
        """Data to the program's pixel coordinates (of the turned picture if turned)."""
        d = to_display.transform(np.column_stack([x, y]))
        px = d[:, 0] - 0.5
        py = H - d[:, 1] - 0.5
        if angle:
            # PIL turns counter-clockwise about the middle of the picture, y down.
            cx, cy = W / 2 - 0.5, H / 2 - 0.5
            a = math.radians(angle)
            dx, dy = px - cx, py - cy
            px, py = cx + dx * math.cos(a) + dy * math.sin(a), cy - dx * math.sin(a) + dy * math.cos(a)
        return px, py

    def to_data(px, py):
        if angle:
            cx, cy = W / 2 - 0.5, H / 2 - 0.5
            a = math.radians(angle)
            dx, dy = px - cx, py - cy
            px, py = cx + dx * math.cos(a) - dy * math.sin(a), cy + dx * math.sin(a) + dy * math.cos(a)
        d = to_display.inverted().transform([[px + 0.5, H - py - 0.5]])[0]
        return d[0], d[1]

    return path, xs, to_pixel, to_data


def frame(axis_x, axis_y, logx, logy):
    """The program's pixel-to-graph frame of two axes given as scale points, as a function
    from graph (X, Y) back to pixels: each axis's scale points fix the value along its line,
    and a pixel's value is read along the direction of the other axis."""
    (ax0, ax1), (ay0, ay1) = axis_x["points"], axis_y["points"]
    ex = np.subtract(ax1["at"], ax0["at"]).astype(float)
    ey = np.subtract(ay1["at"], ay0["at"]).astype(float)
    sx = (lambda v: math.log(v)) if logx else (lambda v: v)
    sy = (lambda v: math.log(v)) if logy else (lambda v: v)
    # Origin: where the two axis lines meet.
    m = np.column_stack([ex, -ey])
    t = np.linalg.solve(m, np.subtract(ay0["at"], ax0["at"]))
    origin = np.array(ax0["at"], float) + t[0] * ex

    def along(p0, p1, e):
        u0 = np.dot(np.subtract(p0, origin), e) / np.dot(e, e)
        u1 = np.dot(np.subtract(p1, origin), e) / np.dot(e, e)
        return u0, u1

    ux0, ux1 = along(ax0["at"], ax1["at"], ex)
    uy0, uy1 = along(ay0["at"], ay1["at"], ey)

    def to_pixel(X, Y):
        u = ux0 + (sx(X) - sx(ax0["value"])) / (sx(ax1["value"]) - sx(ax0["value"])) * (ux1 - ux0)
        v = uy0 + (sy(Y) - sy(ay0["value"])) / (sy(ay1["value"]) - sy(ay0["value"])) * (uy1 - uy0)
        p = origin + u * ex + v * ey
        return p[0], p[1]

    return to_pixel


def ink_threshold(extra):
    """The threshold of the ink test a user would pick: halfway from the line's colour to the
    white background. None for the fixed cases' black lines, which keep the program's own; the
    random plots set it for black lines too, whose thin anti-aliased or compressed strokes the
    program's own misses."""
    if "color" not in extra and "size" not in extra:
        return None
    return [(c + 255) // 2 for c in extra.get("color", (0, 0, 0))]


def make_job(folder, name, path, f, xr, yr, width, extra, to_pixel, to_data, refine):
    logx, logy = extra.get("logx", False), extra.get("logy", False)
    lo, hi = min(xr), max(xr)

    # Scale points at whole pixels at three corners of the plot's frame (turned with the
    # picture), each with the values the picture has there; the axis lines join them.
    def corner(X, Y):
        px, py = to_pixel(np.array([X]), np.array([Y]))
        at = [int(round(px[0])), int(round(py[0]))]
        return at, to_data(*at)

    (bl, vb), (br, vr), (tl, vt) = corner(xr[0], yr[0]), corner(xr[1], yr[0]), corner(xr[0], yr[1])
    axis_x = {"points": [{"at": bl, "value": vb[0]}, {"at": br, "value": vr[0]}]}
    axis_y = {"points": [{"at": bl, "value": vb[1]}, {"at": tl, "value": vt[1]}]}
    x0, x1 = bl[0], br[0]

    margin = (hi / lo) ** 0.04 if logx else (hi - lo) * 0.04
    left = lo * margin if logx else lo + margin
    right = hi / margin if logx else hi - margin
    if xr[0] > xr[1]:
        left, right = right, left
    pixels = abs(x1 - x0)
    period = math.log10(hi / lo) / pixels if logx else (hi - lo) / pixels

    # The genesis point: an ink pixel of the line near the middle of the plot.
    threshold = ink_threshold(extra)
    if threshold is None:
        img = np.asarray(Image.open(path).convert("L"))
        is_ink = lambda y, x: img[y, x] < 60  # noqa: E731
    else:
        img = np.asarray(Image.open(path).convert("RGB"))
        is_ink = lambda y, x: all(img[y, x, k] <= threshold[k] for k in range(3))  # noqa: E731
    gx = (lo * hi) ** 0.5 if logx else (lo + hi) / 2
    gpx, gpy = to_pixel(np.array([gx]), f(np.array([gx])))
    genesis = None
    for dx in range(0, 40):
        for sgn in (1, -1):
            x = int(round(gpx[0])) + sgn * dx
            col = f(np.array([to_data(x, gpy[0])[0]]))
            ty = to_pixel(np.array([to_data(x, gpy[0])[0]]), col)[1][0]
            y = int(round(ty))
            if 0 <= y < img.shape[0] and 0 <= x < img.shape[1] and is_ink(y, x):
                genesis = [x, y]
                break
        if genesis:
            break

    if genesis is None:
        return None, None, None, None

    def axis(points, log, name):
        a, b = points
        return {"name": name, "logarithmic": log, "line": [a["at"], b["at"]],
                "point1": {"at": a["at"], "value": a["value"]}, "point2": {"at": b["at"], "value": b["value"]}}

    curve = {"kind": "continuous", "name": "c", "left": left, "right": right, "genesis": [genesis],
             # Without anti-aliasing the rasteriser inks every pixel the stroke touches.
             "thickness": max(1, round(width)) if extra.get("smooth") else round(width) + 1,
             "refine": refine, "first": left if xr[0] < xr[1] else right, "period": period}
    if "dashes" in extra:
        curve["dashed"] = True
        curve["dash_max_dist"] = max(10, math.ceil(extra["dashes"][1] * 1.5))
    if threshold is not None:
        curve["threshold"] = threshold
    job = {"image": os.path.basename(path),
           "coordinate_systems": [{"x_axis": axis(axis_x["points"], logx, "X"),
                                   "y_axis": axis(axis_y["points"], logy, "Y"),
                                   "curves": [curve]}],
           "export": {"path": name + "-" + refine + ".txt"}}
    job_path = os.path.join(folder, name + "-" + refine + ".json")
    with open(job_path, "w") as out:
        json.dump(job, out, indent=1)
    return job_path, axis_x, axis_y, (left, right)


def read_rows(path):
    rows = []
    with open(path, encoding="latin-1") as f:
        for line in f.read().splitlines()[7:]:
            parts = line.split("\t")
            if len(parts) >= 2:
                try:
                    rows.append((float(parts[0]), float(parts[1])))
                except ValueError:
                    pass
    return rows


def errors(rows, f, xs, to_pixel, back, bounds, across=False):
    """The vertical error of each row against the true centre line, in pixels; across: the
    distance across the line instead (the vertical error times the cosine of the line's
    slope), which does not grow without bound where the line is steep."""
    # The true centre line as a dense polyline in pixels, ascending in x.
    tx, ty = to_pixel(xs, f(xs))
    order = np.argsort(tx)
    tx, ty = tx[order], ty[order]
    slopes = np.gradient(ty, tx) if across else None
    lo, hi = min(bounds), max(bounds)
    out = []
    for X, Y in rows:
        if not (lo <= X <= hi):
            continue
        px, py = back(X, Y)
        e = py - float(np.interp(px, tx, ty))
        if across:
            e /= math.sqrt(1.0 + float(np.interp(px, tx, slopes)) ** 2)
        out.append(e)
    return out


# The moves of the X and Y ranges for --shift 1 to 3, in the plots' own units.
SHIFTS = [(0.37, 0.11), (0.71, -0.07), (1.13, 0.23)]


def shifted(cases, n):
    """The cases drawn without anti-aliasing, their ranges moved by SHIFTS[n - 1]."""
    dx, dy = SHIFTS[n - 1]
    return [(name, f, (xr[0] + dx, xr[1] + dx), (yr[0] + dy, yr[1] + dy), width, aa, extra)
            for name, f, xr, yr, width, aa, extra in cases if not aa]


def measure(folder, cli, case):
    """Draws the case and runs it in both modes: {mode: (RMS, worst, rows)}, or a mode's
    failure as a string."""
    name, f, xr, yr, width, aa, extra = case
    path, xs, to_pixel, to_data = draw(folder, name, f, xr, yr, width, aa, extra)
    extra = dict(extra)
    if aa:
        extra["smooth"] = True
    modes = {}
    for refine in ("none", "centre"):
        job, axis_x, axis_y, bounds = make_job(folder, name, path, f, xr, yr, width, extra, to_pixel, to_data,
                                               refine)
        if job is None:
            modes[refine] = "failed: no ink on the line near the middle of the plot"
            continue
        run = subprocess.run([cli, "run", job], cwd=folder, capture_output=True, text=True)
        if run.returncode != 0:
            modes[refine] = "failed: " + run.stderr.strip()
            continue
        back = frame(axis_x, axis_y, extra.get("logx", False), extra.get("logy", False))
        e = errors(read_rows(os.path.join(folder, name + "-" + refine + ".txt")), f, xs, to_pixel, back, bounds,
                   "size" in extra)
        with open(os.path.join(folder, name + "-" + refine + ".err"), "w") as dump:
            dump.write("".join("%.4f\n" % v for v in e))
        if not e:
            modes[refine] = "failed: no rows"
            continue
        with open(os.path.join(folder, name + "-" + refine + ".txt"), encoding="latin-1") as export:
            exported = len(export.read().splitlines()[7:])
        modes[refine] = (math.sqrt(sum(v * v for v in e) / len(e)), max(abs(v) for v in e), len(e), exported)
    return modes


# The cases of this run, for measure_case.
RUNNING = []


def measure_case(folder, cli, i):
    return measure(folder, cli, RUNNING[i])


def print_cases(table):
    print("%-12s %6s | %-22s | %-22s" % ("case", "rows", "none: RMS / worst px", "centre: RMS / worst px"))
    for name, modes in table.items():
        cells = []
        for refine in ("none", "centre"):
            m = modes.get(refine)
            cells.append("%6.3f / %6.3f" % m[:2] if isinstance(m, tuple) else "failed")
        rows = modes["centre"][2] if isinstance(modes.get("centre"), tuple) else 0
        print("%-12s %6d | %-22s | %-22s" % (name, rows, cells[0], cells[1]))


def quantile(values, q):
    """The q quantile of values, by linear interpolation between order statistics."""
    return float(np.quantile(np.array(values), q))


def print_distribution(title, table, cases):
    """Median, 95th percentile and worst of the RMS and of the worst error per plot, by mode,
    over all the plots of table and over each kind."""
    groups = {}
    # Each kind under its dimension (function, anti-aliasing, dashes, ...), in order.
    place = {"all": (-1, "")}
    for name in table:
        for k, label in enumerate(plotset.labels(cases[name])):
            if label:
                groups.setdefault(label, []).append(name)
                place[label] = (k, label)
    groups = {"all": list(table), **{label: groups[label] for label in sorted(groups, key=place.get)}}
    print()
    print("%s (RMS: median / 95th percentile / worst; worst error per plot: the same; px)" % title)
    print("%-24s %5s | %-28s %-28s | %-28s %-28s" % ("kind", "plots", "none RMS", "none max", "centre RMS",
                                                     "centre max"))
    for label, names in groups.items():
        cells = []
        failed = 0
        for refine in ("none", "centre"):
            ok = [table[n][refine] for n in names if isinstance(table[n].get(refine), tuple)]
            failed += len(names) - len(ok)
            for k in (0, 1):
                v = [m[k] for m in ok]
                cells.append("%6.3f / %6.3f / %6.3f" % (statistics.median(v), quantile(v, 0.95), max(v)) if v
                             else "-")
        print("%-24s %5d | %-28s %-28s | %-28s %-28s%s" % (label, len(names), *cells,
                                                           "  (%d runs failed)" % failed if failed else ""))


def main():
    parser = argparse.ArgumentParser(description="Accuracy of continuous curves.")
    parser.add_argument("cli", help="the plotvane-cli to run")
    parser.add_argument("folder", nargs="?", default="accuracy-work", help="where to draw and run")
    parser.add_argument("--shift", type=int, choices=range(1, len(SHIFTS) + 1),
                        help="move the ranges of the plots drawn without anti-aliasing")
    parser.add_argument("--set", action="store_true", help="the random plots of plotset.py instead of the twelve")
    parser.add_argument("--part", choices=("all", "tuning", "held-out"), default="all",
                        help="with --set: all the plots, those tuning may look at, or those kept aside")
    parser.add_argument("--count", type=int, default=plotset.COUNT, help="with --set: how many plots")
    parser.add_argument("--jobs", type=int, default=1, help="plots measured at once")
    parser.add_argument("--cases", action="store_true", help="with --set: print every plot's figures too")
    args = parser.parse_args()
    if args.set:
        first = plotset.HELD_OUT_FROM if args.part == "held-out" else 0
        last = min(args.count, plotset.HELD_OUT_FROM) if args.part == "tuning" else args.count
        cases = [plotset.plot(i) for i in range(first, last)]
    else:
        cases = shifted(CASES, args.shift) if args.shift else CASES
    cli = os.path.abspath(args.cli)
    folder = os.path.abspath(args.folder)
    os.makedirs(folder, exist_ok=True)
    # The workers are forked after this: they find the cases (whose functions cannot be
    # pickled) here, by index.
    global RUNNING
    RUNNING = cases
    with multiprocessing.Pool(args.jobs) as pool:
        results = pool.starmap(measure_case, [(folder, cli, i) for i in range(len(cases))])
    table = {case[0]: modes for case, modes in zip(cases, results)}
    with open(os.path.join(folder, "results.json"), "w") as out:
        json.dump(table, out, indent=1)
    for name, modes in table.items():
        for refine, m in modes.items():
            if not isinstance(m, tuple):
                print(name, refine, m)
    # Where the trace stops short, or leaves the line, the rows of today's mode are as wrong as
    # the refined ones: the fault is the trace's.
    partial = [n for n, m in table.items() if isinstance(m.get("none"), tuple) and m["none"][2] < 0.9 * m["none"][3]]
    if partial:
        print("traced over less than 90 %% of the exported rows (%d): %s" % (len(partial), " ".join(partial)))
    if not args.set or args.cases:
        print_cases(table)
    if args.set:
        by_name = {case[0]: case for case in cases}
        print_distribution("All %d plots" % len(table), table, by_name)
        held = {n: m for n, m in table.items() if int(n[4:]) >= plotset.HELD_OUT_FROM}
        if held and len(held) < len(table):
            print_distribution("The %d plots kept aside" % len(held), held, by_name)
        return
    for refine in ("none", "centre"):
        ok = [m[refine] for m in table.values() if isinstance(m.get(refine), tuple)]
        if ok:
            print("%s: median RMS %.3f px, worst %.3f px" % (refine, statistics.median([m[0] for m in ok]),
                                                              max(m[1] for m in ok)))


if __name__ == "__main__":
    main()
