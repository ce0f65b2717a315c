#!/usr/bin/python3
"""Draws the figure the detector's time is measured on: 1000 x 750 pixels, one plot with
linear axes, a grid, a legend and three curves, as matplotlib draws it by default.

    bench/axes/detect-bench-figure.py OUT.png
"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt
import numpy as np

fig, ax = plt.subplots(figsize=(10, 7.5), dpi=100)
x = np.linspace(0, 20, 400)
for k, name in enumerate(("damped", "growing", "steady")):
    ax.plot(x, 40 * np.exp(-0.1 * k * x) * np.sin(x + k) + 10 * k, label=name)
ax.set_xlabel("Time (s)")
ax.set_ylabel("Signal (mV)")
ax.set_title("A figure of 1000 x 750 pixels")
ax.grid(True)
ax.legend(loc="upper right")
fig.savefig(sys.argv[1], dpi=100)
