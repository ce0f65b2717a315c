#!/usr/bin/python3
"""Renders the bundled sample graph (sample-graph.png) with matplotlib.

Run once by hand; the PNG is checked in. A damped oscillation as a solid line, a
dashed exponential and a few measured points, on plain linear axes."""
import math

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

xs = [i / 10 for i in range(0, 101)]
fig, ax = plt.subplots(figsize=(8, 6), dpi=100)
ax.plot(xs, [50 + 40 * math.exp(-x / 4) * math.cos(x * 1.3) for x in xs], color="black", linewidth=2)
ax.plot(xs, [90 * math.exp(-x / 3) for x in xs], color="black", linewidth=1.5, linestyle="--")
ax.plot([1, 3, 5, 7, 9], [20, 35, 55, 62, 70], "ko", markersize=4)
ax.set_xlim(0, 10)
ax.set_ylim(0, 100)
ax.set_xlabel("Time (s)")
ax.set_ylabel("Signal")
ax.set_title("Sample graph")
fig.savefig("sample-graph.png")
