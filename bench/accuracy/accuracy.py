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

Prints one line a case, today's mode ("none") beside the refined one ("centre"), then the
median RMS and the worst single error of each mode. --shift N (1 to 3) moves the X and Y
ranges of the plots drawn without anti-aliasing by a fixed amount, so that their lines fall
differently on the pixels, and runs those cases only: a check that the figures do not hang on
one drawing.
"""

import argparse
import json
import math
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

W, H = 640, 480


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
    fig = plt.figure(figsize=(W / 72, H / 72), dpi=72, facecolor="white")
    ax = fig.add_axes([0.08, 0.08, 0.88, 0.88])
    if extra.get("logx"):
        ax.set_xscale("log")
    if extra.get("logy"):
        ax.set_yscale("log")
    ax.set_xlim(*xr)
    ax.set_ylim(*yr)
    lo, hi = min(xr), max(xr)
    xs = np.geomspace(lo, hi, 4000) if extra.get("logx") else np.linspace(lo, hi, 4000)
    style = dict(color="black", linewidth=width, antialiased=aa, solid_capstyle="butt",
                 dash_capstyle="butt")
    if "dashes" in extra:
        style["dashes"] = extra["dashes"]
    ax.plot(xs, f(xs), **style)
    fig.canvas.draw()
    to_display = ax.transData
    ext = ".jpg" if extra.get("jpeg") else ".png"
    path = os.path.join(folder, name + ext)
    kwargs = {"pil_kwargs": {"quality": 75}} if extra.get("jpeg") else {}
    fig.savefig(path, dpi=72, facecolor="white", **kwargs)
    plt.close(fig)

    angle = extra.get("rotate", 0.0)
    if angle:
        Image.open(path).convert("RGB").rotate(angle, resample=Image.BICUBIC, fillcolor="white").save(path)

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
    img = np.asarray(Image.open(path).convert("L"))
    gx = (lo * hi) ** 0.5 if logx else (lo + hi) / 2
    gpx, gpy = to_pixel(np.array([gx]), f(np.array([gx])))
    genesis = None
    for dx in range(0, 40):
        for sgn in (1, -1):
            x = int(round(gpx[0])) + sgn * dx
            col = f(np.array([to_data(x, gpy[0])[0]]))
            ty = to_pixel(np.array([to_data(x, gpy[0])[0]]), col)[1][0]
            y = int(round(ty))
            if 0 <= y < img.shape[0] and img[y, x] < 60:
                genesis = [x, y]
                break
        if genesis:
            break

    def axis(points, log, name):
        a, b = points
        return {"name": name, "logarithmic": log, "line": [a["at"], b["at"]],
                "point1": {"at": a["at"], "value": a["value"]}, "point2": {"at": b["at"], "value": b["value"]}}

    curve = {"kind": "continuous", "name": "c", "left": left, "right": right, "genesis": [genesis],
             # Without anti-aliasing the rasteriser inks every pixel the stroke touches.
             "thickness": width if extra.get("smooth") else width + 1,
             "refine": refine, "first": left if xr[0] < xr[1] else right, "period": period}
    if "dashes" in extra:
        curve["dashed"] = True
        curve["dash_max_dist"] = 10
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


def errors(rows, f, xs, to_pixel, back, bounds):
    # The true centre line as a dense polyline in pixels, ascending in x.
    tx, ty = to_pixel(xs, f(xs))
    order = np.argsort(tx)
    tx, ty = tx[order], ty[order]
    lo, hi = min(bounds), max(bounds)
    out = []
    for X, Y in rows:
        if not (lo <= X <= hi):
            continue
        px, py = back(X, Y)
        out.append(py - float(np.interp(px, tx, ty)))
    return out


# The moves of the X and Y ranges for --shift 1 to 3, in the plots' own units.
SHIFTS = [(0.37, 0.11), (0.71, -0.07), (1.13, 0.23)]


def shifted(cases, n):
    """The cases drawn without anti-aliasing, their ranges moved by SHIFTS[n - 1]."""
    dx, dy = SHIFTS[n - 1]
    return [(name, f, (xr[0] + dx, xr[1] + dx), (yr[0] + dy, yr[1] + dy), width, aa, extra)
            for name, f, xr, yr, width, aa, extra in cases if not aa]


def main():
    parser = argparse.ArgumentParser(description="Accuracy of continuous curves.")
    parser.add_argument("cli", help="the plotvane-cli to run")
    parser.add_argument("folder", nargs="?", default="accuracy-work", help="where to draw and run")
    parser.add_argument("--shift", type=int, choices=range(1, len(SHIFTS) + 1),
                        help="move the ranges of the plots drawn without anti-aliasing")
    args = parser.parse_args()
    cases = shifted(CASES, args.shift) if args.shift else CASES
    cli = os.path.abspath(args.cli)
    folder = os.path.abspath(args.folder)
    os.makedirs(folder, exist_ok=True)
    table = {}
    for name, f, xr, yr, width, aa, extra in cases:
        path, xs, to_pixel, to_data = draw(folder, name, f, xr, yr, width, aa, extra)
        extra = dict(extra)
        if aa:
            extra["smooth"] = True
        for refine in ("none", "centre"):
            job, axis_x, axis_y, bounds = make_job(folder, name, path, f, xr, yr, width, extra, to_pixel,
                                                   to_data, refine)
            run = subprocess.run([cli, "run", job], cwd=folder, capture_output=True, text=True)
            if run.returncode != 0:
                print(name, refine, "failed:", run.stderr.strip())
                continue
            back = frame(axis_x, axis_y, extra.get("logx", False), extra.get("logy", False))
            e = errors(read_rows(os.path.join(folder, name + "-" + refine + ".txt")), f, xs, to_pixel, back,
                       bounds)
            with open(os.path.join(folder, name + "-" + refine + ".err"), "w") as dump:
                dump.write("".join("%.4f\n" % v for v in e))
            rms = math.sqrt(sum(v * v for v in e) / len(e)) if e else float("nan")
            worst = max(abs(v) for v in e) if e else float("nan")
            table.setdefault(name, {})[refine] = (rms, worst, len(e))
    print("%-12s %6s | %-22s | %-22s" % ("case", "rows", "none: RMS / worst px", "centre: RMS / worst px"))
    for name, modes in table.items():
        cells = []
        for refine in ("none", "centre"):
            rms, worst, n = modes.get(refine, (float("nan"), float("nan"), 0))
            cells.append("%6.3f / %6.3f" % (rms, worst))
        print("%-12s %6d | %-22s | %-22s" % (name, modes.get("centre", (0, 0, 0))[2], cells[0], cells[1]))
    for refine in ("none", "centre"):
        rmss = [m[refine][0] for m in table.values() if refine in m]
        worsts = [m[refine][1] for m in table.values() if refine in m]
        if rmss:
            print("%s: median RMS %.3f px, worst %.3f px" % (refine, statistics.median(rmss), max(worsts)))


if __name__ == "__main__":
    main()
