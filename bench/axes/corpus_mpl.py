"""Figures drawn with matplotlib: its styles, fonts, linear, logarithmic and inverted axes,
grids, open and closed frames, ticks in and out, legends and titles inside, subplots, and
offset or multiplier texts; and the pictures without axes it can draw (a pie, axes without
numbers)."""

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib import ticker  # noqa: E402
from PIL import Image  # noqa: E402

from corpus_truth import affine_from, plot_truth  # noqa: E402

STYLES = ["default", "classic", "ggplot", "bmh", "seaborn-v0_8-whitegrid", "seaborn-v0_8-ticks",
          "seaborn-v0_8-darkgrid", "seaborn-v0_8-paper", "grayscale", "fivethirtyeight", "Solarize_Light2",
          "fast", "dark_background", "tableau-colorblind10"]
FONTS = ["DejaVu Sans", "DejaVu Serif", "Nimbus Sans", "Nimbus Roman", "C059", "URW Gothic", "P052",
         "DejaVu Sans Mono", "Nimbus Sans Narrow", "STIXGeneral"]
WORDS = ["Time", "Voltage", "Pressure", "Depth", "Signal", "Rate", "Flow", "Load", "Count", "Energy",
         "Temperature", "Strain", "Yield", "Distance", "Response"]
UNITS = ["(s)", "(V)", "(kPa)", "(m)", "(a.u.)", "(Hz)", "(mm)", "(%)", "(J)", "(°C)", "", ""]


def _size(rng, font_size):
    """Picture width and height in pixels (the longer side 400 to 1600) and a resolution that
    gives a figure of 4 to 10 inches across, as long as its text stays at least 10 pixels high
    (a smaller figure otherwise: text no reader could read is no test)."""
    longer = int(rng.integers(400, 1601))
    shorter = int(round(longer * rng.uniform(0.55, 0.95)))
    w, h = (longer, shorter) if rng.random() < 0.8 else (shorter, longer)
    widest = min(10.0, w * font_size / (72.0 * 10.0))
    dpi = w / rng.uniform(min(4.0, widest), widest)
    return w, h, dpi


def _figure(w, h, dpi):
    fig = plt.figure(figsize=(w / dpi, h / dpi), dpi=dpi)
    # The picture must have exactly w x h pixels, which the float figure size may miss.
    for _ in range(4):
        bw, bh = fig.bbox.size
        if int(bw) == w and int(bh) == h:
            break
        fig.set_size_inches((w + 0.25) / dpi, (h + 0.25) / dpi)
    return fig


def _range(rng, log):
    """Data limits of one axis: a start and a span of several magnitudes, or decades."""
    if log:
        lo = int(rng.integers(-4, 4))
        return 10.0 ** (lo + rng.uniform(-0.3, 0.3)), 10.0 ** (lo + int(rng.integers(1, 7)) + rng.uniform(-0.3, 0.3))
    span = float(rng.choice([1.0, 2.5, 8.0, 10.0, 60.0, 100.0, 450.0, 1000.0, 0.02, 0.5, 3e4]))
    start = float(rng.choice([0.0, 0.0, -span / 2, -span, 1990.0, 100.0, span * 3])) + rng.uniform(-0.2, 0.2) * span
    return start, start + span * rng.uniform(0.6, 1.4)


def _series(rng, xr, yr, xlog, ylog, n):
    """n curves across the X range with values inside the Y range."""
    out = []
    t = np.linspace(0, 1, 300)
    xs = xr[0] * (xr[1] / xr[0]) ** t if xlog else xr[0] + (xr[1] - xr[0]) * t
    for _ in range(n):
        kind = rng.integers(0, 4)
        if kind == 0:
            f = 0.5 + 0.4 * np.sin(2 * np.pi * (rng.uniform(0.5, 3) * t + rng.uniform(0, 1)))
        elif kind == 1:
            f = rng.uniform(0.05, 0.3) + rng.uniform(0.4, 0.7) * t ** rng.uniform(0.4, 3)
        elif kind == 2:
            f = 0.5 + np.cumsum(rng.normal(0, 0.03, t.size))
            f = 0.1 + 0.8 * (f - f.min()) / max(np.ptp(f), 1e-9)
        else:
            f = 0.9 * np.exp(-rng.uniform(1, 6) * t) + 0.05
        ys = yr[0] * (yr[1] / yr[0]) ** f if ylog else yr[0] + (yr[1] - yr[0]) * f
        out.append((xs, ys))
    return out


def _decorate_axes(rng, ax, opts):
    """Frame, ticks, grid and texts of one plot, as the options drawn for the figure say."""
    if opts["open_frame"]:
        ax.spines["top"].set_visible(False)
        ax.spines["right"].set_visible(False)
    direction = opts["ticks"]
    both_sides = not opts["open_frame"] and rng.random() < 0.4
    ax.tick_params(which="both", direction=direction, top=both_sides, right=both_sides)
    if opts["minor"]:
        ax.minorticks_on()
    if opts["grid"]:
        ax.grid(True, which="major", linestyle=rng.choice(["-", "--", ":"]), alpha=float(rng.uniform(0.4, 1.0)))
    if rng.random() < 0.7:
        ax.set_xlabel(rng.choice(WORDS) + " " + rng.choice(UNITS))
    if rng.random() < 0.7:
        ax.set_ylabel(rng.choice(WORDS) + " " + rng.choice(UNITS))
    title = rng.random()
    if title < 0.25:
        ax.set_title("Run %d" % rng.integers(1, 99), pad=-18)  # inside the plot
    elif title < 0.5:
        ax.set_title(rng.choice(WORDS) + " vs " + rng.choice(WORDS))


def _draw_plot(rng, ax, kind, opts):
    """Draws one plot and returns its truth, with the values its tick labels show."""
    xlog = kind == "log" and rng.random() < 0.7
    ylog = kind == "log" and (not xlog or rng.random() < 0.5)
    xr, yr = _range(rng, xlog), _range(rng, ylog)
    if kind == "multiplier":
        # Values that make matplotlib write an offset or a multiplier beside the axis.
        pick = rng.integers(0, 3)
        if pick == 0:  # small values: a multiplier "1e-5" or "×10⁻⁵"
            scale = 10.0 ** int(rng.integers(-10, -7))
            lo = float(rng.uniform(-5.0, 2.0))
            yr = (lo * scale, (lo + float(rng.uniform(2.0, 9.0))) * scale)
        elif pick == 1:  # large values: "1e6"
            base = float(rng.choice([2e8, 3e9, 4.5e10]))
            yr = (base, base * float(rng.uniform(1.5, 4.0)))
        else:  # a narrow range far from zero: an offset "+1.99e3"
            base = float(rng.choice([1000.0, 5e4, 12.0]))
            yr = (base + 0.001, base + 0.0042)
        if rng.random() < 0.5:
            xr = (xr[0] * 1e4, xr[1] * 1e4)
    n = int(rng.integers(1, 4))
    for i, (xs, ys) in enumerate(_series(rng, xr, yr, xlog, ylog, n)):
        style = {"linewidth": float(rng.uniform(0.8, 2.5)), "label": "series %d" % (i + 1)}
        if rng.random() < 0.3:
            style["marker"] = str(rng.choice(["o", "s", "^", "x", "+"]))
            style["markevery"] = int(rng.integers(15, 40))
        ax.plot(xs, ys, **style)
    if xlog:
        ax.set_xscale("log")
    if ylog:
        ax.set_yscale("log")
    if rng.random() < 0.4:
        ax.set_xlim(*xr)
        ax.set_ylim(*yr)
    if kind == "multiplier" or rng.random() < 0.2:
        formatter = ax.yaxis.get_major_formatter()
        if isinstance(formatter, ticker.ScalarFormatter):
            formatter.set_useMathText(bool(rng.random() < 0.5))
    if kind == "inverted" or rng.random() < 0.08:
        if rng.random() < 0.5:
            ax.invert_xaxis()
        else:
            ax.invert_yaxis()
    _decorate_axes(rng, ax, opts)
    if n > 1 or rng.random() < 0.3:
        ax.legend(loc=str(rng.choice(["best", "upper right", "lower left", "center right", "upper center"])),
                  frameon=bool(rng.random() < 0.7))
    return xlog, ylog


def _options(rng, kind):
    return {
        "open_frame": kind == "open-frame" or rng.random() < 0.15,
        "ticks": str(rng.choice(["out", "out", "in", "inout"])) if kind != "open-frame" else "out",
        "minor": rng.random() < 0.25,
        "grid": rng.random() < 0.4,
    }


def _render(fig, w, h, dpi):
    """The picture as savefig would write it at the figure's resolution (taken from the canvas,
    which draws the same), and the function from display coordinates to the program's pixels."""
    fig.canvas.draw()
    image = Image.fromarray(np.asarray(fig.canvas.buffer_rgba())).convert("RGB")
    if image.size != (w, h):
        raise RuntimeError("matplotlib drew %s instead of %dx%d" % (image.size, w, h))
    height = fig.bbox.height
    return image, lambda d: (d[0] - 0.5, height - d[1] - 0.5)


def _truth(ax, display_to_pixel, xlog, ylog, extra):
    xl, yl = ax.get_xlim(), ax.get_ylim()
    transform = ax.transData

    def to_pixel(x, y):
        return display_to_pixel(transform.transform([[x, y]])[0])

    m = affine_from(to_pixel, xl, yl, xlog, ylog)
    return plot_truth(m, xl, yl, xlog, ylog, extra)


def _plain_text(text):
    """A label's text without matplotlib's mathtext markup: "$\\mathdefault{10^{3}}$" is "10^3",
    "\\times" a times sign, "\\minus" or "-" a minus sign as matplotlib draws it."""
    t = text.replace("$", "").replace("\\mathdefault", "").replace("\\mathregular", "")
    t = t.replace("\\times", "\u00d7").replace("\\minus", "\u2212").replace("\\cdot", "\u00b7")
    return t.replace("{", "").replace("}", "").replace("\\", "").strip()


def _labels(ax, renderer, display_to_pixel):
    """The labelled ticks of each axis within the limits, with the label's text and its box in
    pixels ([left, top, right, bottom], edges of pixels: pixel i spans i - 0.5 to i + 0.5), and
    the offset or multiplier text with its box."""
    def box(artist):
        e = artist.get_window_extent(renderer)
        left, bottom = display_to_pixel((e.x0, e.y0))
        right, top = display_to_pixel((e.x1, e.y1))
        return [round(float(v), 2) for v in (left, top, right, bottom)]

    def ticks(axis, limits):
        lo, hi = min(limits), max(limits)
        out = []
        for tick in axis.get_major_ticks():
            loc = tick.get_loc()
            for label in (tick.label1, tick.label2):
                if lo <= loc <= hi and label.get_visible() and label.get_text():
                    out.append({"value": float(loc), "text": _plain_text(label.get_text()), "box": box(label)})
        return out

    record = {"x_labels": ticks(ax.xaxis, ax.get_xlim()), "y_labels": ticks(ax.yaxis, ax.get_ylim())}
    for name, axis in (("x_offset", ax.xaxis), ("y_offset", ax.yaxis)):
        text = axis.get_offset_text()
        if text.get_visible() and text.get_text():
            record[name] = {"text": _plain_text(text.get_text()), "box": box(text)}
    return record


def draw(rng, kind):
    """One matplotlib figure of a kind ("linear", "log", "inverted", "open-frame", "subplots",
    "multiplier"): (picture, plots, description)."""
    style = str(rng.choice(STYLES))
    font = str(rng.choice(FONTS))
    size = float(rng.uniform(7.5, 14.0))
    w, h, dpi = _size(rng, size)
    plt.close("all")
    with plt.style.context(style), plt.rc_context({"font.family": font, "font.size": size,
                                                   "axes.unicode_minus": bool(rng.random() < 0.7)}):
        fig = _figure(w, h, dpi)
        opts = _options(rng, kind)
        if kind == "subplots":
            rows, cols = (1, 2) if w >= h else (2, 1)
            axes = fig.subplots(rows, cols).ravel().tolist()
            kinds = [str(rng.choice(["linear", "linear", "log", "inverted"])) for _ in axes]
        else:
            axes = [fig.add_subplot(1, 1, 1)]
            kinds = [kind]
        logs = [_draw_plot(rng, ax, k, opts) for ax, k in zip(axes, kinds)]
        # Laid out so that titles, labels and offset texts stay on the picture.
        fig.tight_layout()
        image, display_to_pixel = _render(fig, w, h, dpi)
        renderer = fig.canvas.get_renderer()
        plots = [_truth(ax, display_to_pixel, xl, yl, _labels(ax, renderer, display_to_pixel))
                 for ax, (xl, yl) in zip(axes, logs)]
        plt.close(fig)
    description = {"program": "matplotlib", "style": style, "font": font, "font_size": round(size, 1),
                   "dpi": round(dpi, 2), "ticks": opts["ticks"], "grid": opts["grid"],
                   "open_frame": opts["open_frame"]}
    return image, plots, description


def draw_without_axes(rng, kind):
    """A matplotlib picture with no axes to read: "pie" (a pie chart with percentages) or
    "unnumbered" (a frame and ticks whose labels are words or absent)."""
    style = str(rng.choice(STYLES))
    font = str(rng.choice(FONTS))
    size = float(rng.uniform(8, 14))
    w, h, dpi = _size(rng, size)
    plt.close("all")
    with plt.style.context(style), plt.rc_context({"font.family": font, "font.size": size}):
        fig = _figure(w, h, dpi)
        ax = fig.add_subplot(1, 1, 1)
        variant = ""
        if kind == "pie":
            n = int(rng.integers(3, 8))
            shares = rng.uniform(1, 10, n)
            ax.pie(shares, labels=["%s %d" % (rng.choice(WORDS), i + 1) for i in range(n)], autopct="%1.1f%%",
                   startangle=float(rng.uniform(0, 360)))
            ax.set_title("Share of %s" % rng.choice(WORDS))
        else:
            variant = str(rng.choice(["no-labels", "no-ticks", "categories"]))
            xr, yr = _range(rng, False), _range(rng, False)
            if variant == "categories":
                names = [str(rng.choice(WORDS)) for _ in range(int(rng.integers(3, 8)))]
                ax.bar(range(len(names)), rng.uniform(1, 10, len(names)))
                ax.set_xticks(range(len(names)), names)
                ax.tick_params(labelleft=False)
            else:
                for xs, ys in _series(rng, xr, yr, False, False, int(rng.integers(1, 3))):
                    ax.plot(xs, ys)
                if variant == "no-ticks":
                    ax.set_xticks([])
                    ax.set_yticks([])
                else:
                    ax.tick_params(labelbottom=False, labelleft=False)
            ax.set_xlabel(rng.choice(WORDS))
            ax.set_ylabel(rng.choice(WORDS))
        image, _ = _render(fig, w, h, dpi)
        plt.close(fig)
    return image, {"program": "matplotlib", "style": style, "font": font, "variant": variant or "pie"}
