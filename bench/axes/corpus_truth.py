"""The truth of a corpus figure: for each plot, the map from data to the program's pixels.

Pixel coordinates are the program's: the middle of pixel (i, j) is at (i, j), x to the right,
y down. A plot's map is affine in (u, v), where u is X on a linear axis and log10(X) on a
logarithmic one (v the same for Y):

    [px, py] = M @ [u, v, 1]        M a 2 x 3 matrix

and its plot area is the rectangle of data between the axis limits (`x_limits`, `y_limits`,
in the order the axes run on the picture: an inverted axis has its larger value first).
"""

import math

import numpy as np


def scaled(value, log):
    return math.log10(value) if log else value


def affine_from(to_pixel, x_limits, y_limits, x_log, y_log):
    """The 2 x 3 matrix of a map from data to pixels known only as a function, from three of
    its points; checked against a fourth, so that a map that is not affine in (u, v) is not
    taken for one."""
    u0, u1 = scaled(x_limits[0], x_log), scaled(x_limits[1], x_log)
    v0, v1 = scaled(y_limits[0], y_log), scaled(y_limits[1], y_log)

    def at(u, v):
        x = 10 ** u if x_log else u
        y = 10 ** v if y_log else v
        return np.asarray(to_pixel(x, y), float)

    p00, p10, p01 = at(u0, v0), at(u1, v0), at(u0, v1)
    m = np.column_stack([(p10 - p00) / (u1 - u0), (p01 - p00) / (v1 - v0), np.zeros(2)])
    m[:, 2] = p00 - m[:, 0] * u0 - m[:, 1] * v0
    u, v = u0 + 0.37 * (u1 - u0), v0 + 0.61 * (v1 - v0)
    check = at(u, v)
    if np.max(np.abs(m @ [u, v, 1.0] - check)) > 1e-6 * max(1.0, np.max(np.abs(check))):
        raise ValueError("the map from data to pixels is not affine")
    return m


def rotation_about_middle(width, height, degrees):
    """The 3 x 3 matrix moving a pixel of a picture to where PIL's Image.rotate(degrees) (counter-
    clockwise, about the middle of the picture, same size) puts it."""
    cx, cy = width / 2 - 0.5, height / 2 - 0.5
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    # y runs down: a counter-clockwise turn on the screen.
    r = np.array([[c, s, 0.0], [-s, c, 0.0], [0.0, 0.0, 1.0]])
    t = np.array([[1.0, 0.0, cx], [0.0, 1.0, cy], [0.0, 0.0, 1.0]])
    back = np.array([[1.0, 0.0, -cx], [0.0, 1.0, -cy], [0.0, 0.0, 1.0]])
    return t @ r @ back


def plot_truth(m, x_limits, y_limits, x_log, y_log, extra=None):
    """One plot's record in a truth file."""
    corners = []
    for x, y in ((x_limits[0], y_limits[0]), (x_limits[1], y_limits[0]), (x_limits[1], y_limits[1]),
                 (x_limits[0], y_limits[1])):
        p = m @ [scaled(x, x_log), scaled(y, y_log), 1.0]
        corners.append([round(float(p[0]), 4), round(float(p[1]), 4)])
    record = {
        "x_log": bool(x_log),
        "y_log": bool(y_log),
        "x_limits": [float(x_limits[0]), float(x_limits[1])],
        "y_limits": [float(y_limits[0]), float(y_limits[1])],
        "to_pixel": [[float(v) for v in row] for row in m],
        "corners": corners,
    }
    if extra:
        record.update(extra)
    return record


def _turned_box(box, rotation):
    """The upright box around a box [left, top, right, bottom] once turned."""
    left, top, right, bottom = box
    corners = np.array([[left, top, 1.0], [right, top, 1.0], [right, bottom, 1.0], [left, bottom, 1.0]])
    moved = (rotation @ corners.T)[:2]
    return [round(float(v), 2) for v in (moved[0].min(), moved[1].min(), moved[0].max(), moved[1].max())]


def turned(plot, rotation):
    """A plot's record after its picture was turned by the 3 x 3 matrix rotation."""
    m = np.vstack([np.asarray(plot["to_pixel"], float), [0.0, 0.0, 1.0]])
    m = (rotation @ m)[:2]
    record = plot_truth(m, plot["x_limits"], plot["y_limits"], plot["x_log"], plot["y_log"])
    for key, value in plot.items():
        if key in record:
            continue
        if key in ("x_labels", "y_labels"):
            value = [dict(label, box=_turned_box(label["box"], rotation)) for label in value]
        elif key in ("x_offset", "y_offset"):
            value = dict(value, box=_turned_box(value["box"], rotation))
        record[key] = value
    return record


def truth_to_pixel(plot, x, y):
    """The true pixel of data point (x, y) of a plot."""
    m = np.asarray(plot["to_pixel"], float)
    return m @ [scaled(x, plot["x_log"]), scaled(y, plot["y_log"]), 1.0]
