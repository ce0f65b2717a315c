"""A set of random plots with known centre lines, for measuring continuous curves on many
drawings rather than a fixed dozen.

Plot i of the set is drawn from its own seed, SEED_BASE + i, so that any plot can be drawn
again alone and the set does not change when it grows. The plots from HELD_OUT_FROM on are kept
aside: tuning looks at the others only (`--part tuning`), and the part kept aside
(`--part held-out`) tells whether the figures carry over.

Each plot mixes: a function (gentle, steep, oscillating, or with turns), a line width of 1 to
6 px, anti-aliased or not, solid or dashed (random dash and gap lengths), a random sub-pixel
placement of the axes, PNG or JPEG (random quality), straight or slightly turned, black or
coloured, and a picture 400 to 2000 px wide and high.
"""

import random

import numpy as np

SEED_BASE = 26000
COUNT = 300
# Plots 240 to 299 (seeds 26240 to 26299) are kept aside.
HELD_OUT_FROM = 240

KINDS = ("gentle", "steep", "oscillating", "turns")
# Colours of the coloured lines (matplotlib's tab10 but its grey and olive, too pale to trace)
# and the ink threshold a user would pick for each: halfway to the white background.
COLOURS = [(31, 119, 180), (255, 127, 14), (44, 160, 44), (214, 39, 40), (148, 103, 189), (140, 86, 75),
           (227, 119, 194), (23, 190, 207)]


def function(kind, rng, width):
    """A function of the kind over X in [0, 10], with random coefficients, for a plot width
    pixels wide: its oscillations and bumps no narrower than a picture of that width draws as a
    line rather than a column of ink (a period of 100 px, a bump of 40 px)."""
    pixels = 0.88 * width / 10  # pixels a unit of X
    if kind == "gentle":
        a, w, p, b, c = rng.uniform(0.5, 2), rng.uniform(0.15, 0.6), rng.uniform(0, 6.3), rng.uniform(-0.3, 0.3), \
            rng.uniform(-0.03, 0.03)
        return lambda x: a * np.sin(w * x + p) + b * x + c * x * x
    if kind == "steep":
        k, x0, s = rng.uniform(0.3, 0.8), rng.uniform(2, 8), rng.choice((-1.0, 1.0))
        return lambda x: s * np.exp(k * (x - x0))
    if kind == "oscillating":
        most = min(4.0, 2 * np.pi * pixels / 100)
        w1 = rng.uniform(min(1.5, most), most)
        w2, a2, p1, p2 = w1 * rng.uniform(1.5, 2.5), rng.uniform(0.1, 0.4), rng.uniform(0, 6.3), rng.uniform(0, 6.3)
        return lambda x: np.sin(w1 * x + p1) + a2 * np.sin(w2 * x + p2)
    # Turns: bumps up and down, some narrow, whose tops and troughs turn sharply.
    narrowest = max(0.25, 40 / pixels)
    bumps = [(rng.uniform(1, 9), rng.uniform(narrowest, max(1.2, 2 * narrowest)), rng.uniform(0.6, 1.5) * (-1) ** k)
             for k in range(rng.randint(2, 4))]
    return lambda x: sum(h * np.exp(-((x - m) / s) ** 2) for m, s, h in bumps)


def plot(i):
    """The description of plot i: (name, function, X range, Y range, width, anti-aliased,
    extra), the tuple the bench's fixed cases use, with the picture's own keys in extra."""
    rng = random.Random(SEED_BASE + i)
    kind = KINDS[i % len(KINDS)] if i < len(KINDS) else rng.choice(KINDS)
    # Between 400 and 2000 px each way, no more than twice as high as wide or wide as high.
    w = rng.randint(400, 2000)
    size = (w, min(2000, max(400, round(w * rng.uniform(0.5, 1.25)))))
    f = function(kind, rng, size[0])
    shift = rng.uniform(-5, 5)
    xr = (shift, shift + 10)
    xs = np.linspace(0, 10, 2000)
    ys = f(xs)
    lo, hi = float(ys.min()), float(ys.max())
    span = max(hi - lo, 1e-3)
    yr = (lo - rng.uniform(0.08, 0.25) * span, hi + rng.uniform(0.08, 0.25) * span)
    width = round(rng.uniform(1, 6) * 4) / 4
    aa = rng.random() < 0.5
    extra = {"size": size,
             "place": (rng.random(), rng.random()), "kind": kind}
    if rng.random() < 0.3:
        extra["dashes"] = (round(rng.uniform(3, 20), 1), round(rng.uniform(2, 10), 1))
    if rng.random() < 0.3:
        extra["jpeg"] = True
        extra["quality"] = rng.randint(40, 95)
    if rng.random() < 0.25:
        extra["rotate"] = round(rng.uniform(-3, 3), 2)
    if rng.random() < 0.35:
        extra["color"] = rng.choice(COLOURS)
    # The drawing shifted along X: the function is drawn at x - shift.
    return ("plot%03d" % i, lambda x: f(x - shift), xr, yr, width, aa, extra)


def labels(case):
    """The kinds a plot belongs to, for the figures by kind."""
    _, _, _, _, width, aa, extra = case
    return [extra["kind"], "anti-aliased" if aa else "aliased", "dashed" if "dashes" in extra else "solid",
            "jpeg" if extra.get("jpeg") else "png", "turned" if extra.get("rotate") else "straight",
            "coloured" if extra.get("color") else "black",
            "coloured jpeg" if extra.get("color") and extra.get("jpeg") else None,
            "width 1-2" if width < 2.5 else "width 2.5-4" if width < 4.25 else "width 4.25-6",
            "small (<1000 px wide)" if extra["size"][0] < 1000 else "large (>=1000 px wide)"]
