#!/usr/bin/python3
"""Writes a 2000 x 1500 graph with six separate curves and a job that builds a document of
ten curves on it (six traced, two splines, one set of points, one density profile).
Used by bench/run-render-bench."""
import json
import math
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

out = sys.argv[1]
fig = plt.figure(figsize=(20, 15), dpi=100)
ax = fig.add_axes([0.05, 0.05, 0.9, 0.9])  # axes box: pixels 100..1900 x, 75..1425 y
xs = [i / 100 for i in range(0, 1001)]
for k in range(6):
    ax.plot(xs, [10 + 15 * k + 4 * math.sin(x * (1 + k / 3)) for x in xs], color="black", linewidth=2)
ax.set_xlim(0, 10)
ax.set_ylim(0, 100)
fig.savefig(f"{out}/graph.png")


def px(x, y):
    return [round(100 + x * 180), round(1425 - y * 13.5)]


curves = []
for k in range(6):
    x0 = 5.0
    curves.append({"kind": "continuous", "name": f"Line {k + 1}", "left": 0.2, "right": 9.8,
                   "genesis": [px(x0, 10 + 15 * k + 4 * math.sin(x0 * (1 + k / 3)))],
                   "first": 0.5, "period": 0.5})
curves.append({"kind": "discrete", "name": "Points",
               "points": [px(x, 50 + 3 * math.cos(x)) for x in range(1, 10)]})
for k in range(2):
    curves.append({"kind": "spline", "name": f"Spline {k + 1}", "nodes": [
        {"anchor": px(1, 20 + 40 * k), "front": [0, 0], "back": [200, -100], "smooth": True},
        {"anchor": px(5, 30 + 40 * k), "front": [-200, 50], "back": [200, -50], "smooth": True},
        {"anchor": px(9, 25 + 40 * k), "front": [-150, 80], "back": [0, 0], "smooth": True}]})
curves.append({"kind": "density", "name": "Profile", "segment": [px(2, 5), px(2, 95)],
               "display": "y", "first_y": 10, "y_period": 1})
job = {"image": "graph.png", "coordinate_systems": [{
    "x_axis": {"line": [px(0, 0), px(10, 0)], "point1": {"at": px(0, 0), "value": 0},
               "point2": {"at": px(10, 0), "value": 10}},
    "y_axis": {"line": [px(0, 0), px(0, 100)], "point1": {"at": px(0, 0), "value": 0},
               "point2": {"at": px(0, 100), "value": 100}},
    "curves": curves}], "save": "render.pvd"}
with open(f"{out}/job.json", "w") as f:
    json.dump(job, f, indent=1)
