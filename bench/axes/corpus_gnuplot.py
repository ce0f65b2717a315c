"""Figures drawn with gnuplot (Debian's gnuplot-nox): its cairo PNG terminal and its libgd one,
fonts, linear, logarithmic and inverted axes, grids, borders of two or four sides, tics in and
out, keys and titles inside, and two plots on one picture (multiplot).

The truth comes from gnuplot itself: after each plot it prints GPVAL_TERM_XMIN/XMAX/YMIN/YMAX,
the plot's border in terminal units; on both terminals a unit is a pixel, x from the left
pixel's middle and y from the bottom pixel's middle. The libgd terminal draws everything at
whole pixels, so its marks stand up to half a pixel off the map; the cairo one draws between
pixels (only its horizontal and vertical lines are moved onto whole pixels).
"""

import os
import subprocess
import tempfile

import numpy as np
from PIL import Image

from corpus_truth import affine_from, plot_truth

FONTS = {"pngcairo": ["DejaVu Sans", "DejaVu Serif", "Nimbus Sans", "Nimbus Roman", "URW Gothic", "C059"],
         "png": ["/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                 "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
                 "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", ""]}
WORDS = ["time", "voltage", "pressure", "depth", "signal", "rate", "flow", "load", "count", "energy"]
# Curves with values in [0, 1] over T in [0, 1]; T is the place along the X range.
FUNCTIONS = ["0.5+0.4*sin(%.3f*T+%.3f)", "0.1+0.8*exp(-%.3f*T)*cos(%.3f*T)**2", "0.1+0.8*T**(%.3f/(1+%.3f))"]


def _range(rng, log):
    if log:
        lo = int(rng.integers(-3, 4))
        return 10.0 ** lo, 10.0 ** (lo + int(rng.integers(1, 6)))
    span = float(rng.choice([1.0, 5.0, 10.0, 20.0, 100.0, 250.0, 1000.0, 0.5, 2e4]))
    start = float(rng.choice([0.0, 0.0, -span / 2, -span, 50.0, span * 2]))
    # gnuplot keeps the given range (no extension to tics): limits off the tics now and then.
    if rng.random() < 0.4:
        start += span * rng.uniform(-0.15, 0.15)
        return start, start + span * rng.uniform(0.7, 1.3)
    return start, start + span


def _plot_commands(rng, kind, index, terminal):
    """The commands of one plot, and its (x range, y range, x log, y log), ranges in the order
    the axes run (an inverted axis has its larger value first)."""
    xlog = kind == "log" and rng.random() < 0.7
    ylog = kind == "log" and (not xlog or rng.random() < 0.5)
    xr, yr = _range(rng, xlog), _range(rng, ylog)
    if kind == "inverted" or rng.random() < 0.08:
        if rng.random() < 0.5:
            xr = (xr[1], xr[0])
        else:
            yr = (yr[1], yr[0])
    lines = ["reset", "set %slogscale x" % ("" if xlog else "no"), "set %slogscale y" % ("" if ylog else "no"),
             "set xrange [%r:%r]" % xr, "set yrange [%r:%r]" % yr, "set autoscale noextend",
             "set samples 400"]
    border = 3 if kind == "open-frame" or rng.random() < 0.2 else 15
    lines.append("set border %d" % border)
    tics = "out" if kind == "open-frame" else str(rng.choice(["in", "in", "out"]))
    mirror = "nomirror" if border == 3 or rng.random() < 0.3 else "mirror"
    lines += ["set xtics %s %s" % (tics, mirror), "set ytics %s %s" % (tics, mirror)]
    if rng.random() < 0.3:
        lines += ["set mxtics", "set mytics"]
    if rng.random() < 0.4:
        lines.append("set grid" + (" lt 0" if rng.random() < 0.5 else ""))
    if rng.random() < 0.6:
        lines.append('set xlabel "%s"' % rng.choice(WORDS))
    if rng.random() < 0.6:
        lines.append('set ylabel "%s"' % rng.choice(WORDS))
    if rng.random() < 0.4:
        lines.append('set format y "%s"' % rng.choice(["%g", "%.1f", "%.1e", "10^{%L}" if ylog else "%.2f"]))
    title = rng.random()
    if title < 0.3:
        lines.append('set title "run %d" offset 0,-2.5' % rng.integers(1, 99))  # inside the border
    elif title < 0.5:
        lines.append('set title "%s against %s"' % (rng.choice(WORDS), rng.choice(WORDS)))
    key = rng.random()
    if key < 0.6:
        lines.append("set key inside %s %s" % (rng.choice(["left", "right", "center"]), rng.choice(["top", "bottom"])))
    else:
        lines.append("unset key")
    curves = []
    lo, hi = min(xr), max(xr)
    ylo, yhi = min(yr), max(yr)
    for i in range(int(rng.integers(1, 4))):
        a, b = rng.uniform(0.5, 8.0), rng.uniform(0.0, 3.0)
        t = "(log(x/%r)/log(%r))" % (lo, hi / lo) if xlog else "((x-(%r))/%r)" % (lo, hi - lo)
        f = (str(rng.choice(FUNCTIONS)) % (a, b)).replace("T", t)
        value = "(%r*(%r/%r)**(%s))" % (ylo, yhi, ylo, f) if ylog else "(%r+%r*(%s))" % (ylo, yhi - ylo, f)
        style = str(rng.choice(["lines", "lines", "linespoints pi 25"]))
        curves.append('%s with %s lw %.1f title "series %d"' % (value, style, rng.uniform(1, 2.5), i + 1))
    lines.append("plot " + ", ".join(curves))
    lines.append('print sprintf("PLOT %d %%.6f %%.6f %%.6f %%.6f", GPVAL_TERM_XMIN, GPVAL_TERM_XMAX, '
                 'GPVAL_TERM_YMIN, GPVAL_TERM_YMAX)' % index)
    return lines, (xr, yr, xlog, ylog)


def draw(rng, kind):
    """One gnuplot figure of a kind ("linear", "log", "inverted", "open-frame", "multiplot"), on
    the cairo or the libgd terminal: (picture, plots, description)."""
    terminal = "pngcairo" if rng.random() < 0.7 else "png"
    longer = int(rng.integers(400, 1601))
    w, h = longer, int(round(longer * rng.uniform(0.55, 0.95)))
    font = str(rng.choice(FONTS[terminal]))
    size = int(rng.integers(8, 15)) if terminal == "pngcairo" else int(rng.integers(8, 13))
    font_option = (' font "%s,%d"' % (font, size)) if font else ""
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "figure.png")
        script = ["set terminal %s size %d,%d%s%s" % (terminal, w, h, font_option,
                                                        " enhanced" if terminal == "pngcairo" else ""),
                  "set output '%s'" % out, 'set print "-"']
        plots = []
        if kind == "multiplot":
            side_by_side = rng.random() < 0.6
            script.append("set multiplot layout %s" % ("1,2" if side_by_side else "2,1"))
            kinds = [str(rng.choice(["linear", "log", "inverted"])) for _ in range(2)]
        else:
            kinds = [kind]
        for i, k in enumerate(kinds):
            commands, ranges = _plot_commands(rng, k, i, terminal)
            # reset inside a multiplot would forget the layout's place; keep it outside one.
            script += commands[1:] if kind == "multiplot" else commands
            plots.append(ranges)
        if kind == "multiplot":
            script.append("unset multiplot")
        script.append("set output")
        run = subprocess.run(["gnuplot"], input="\n".join(script) + "\n", capture_output=True, text=True,
                             timeout=60)
        borders = {}
        for line in run.stdout.splitlines():
            if line.startswith("PLOT "):
                parts = line.split()
                borders[int(parts[1])] = [float(v) for v in parts[2:6]]
        if run.returncode != 0 or len(borders) != len(plots):
            raise RuntimeError("gnuplot failed: " + run.stderr[-2000:])
        image = Image.open(out).convert("RGB")
        image.load()
    if image.size != (w, h):
        raise RuntimeError("gnuplot drew %s instead of %dx%d" % (image.size, w, h))
    records = []
    for i, (xr, yr, xlog, ylog) in enumerate(plots):
        xmin, xmax, ymin, ymax = borders[i]

        def to_pixel(x, y, xr=xr, yr=yr, xlog=xlog, ylog=ylog, b=(xmin, xmax, ymin, ymax)):
            fx = (np.log(x / xr[0]) / np.log(xr[1] / xr[0])) if xlog else (x - xr[0]) / (xr[1] - xr[0])
            fy = (np.log(y / yr[0]) / np.log(yr[1] / yr[0])) if ylog else (y - yr[0]) / (yr[1] - yr[0])
            return b[0] + fx * (b[1] - b[0]), (h - 1) - (b[2] + fy * (b[3] - b[2]))

        m = affine_from(to_pixel, xr, yr, xlog, ylog)
        records.append(plot_truth(m, xr, yr, xlog, ylog))
    description = {"program": "gnuplot", "terminal": terminal, "font": font or "(default)", "font_size": size}
    return image, records, description
