"""The map between pixels and values that the program builds from a job's coordinate system,
step for step as the model does it (Dm/CoordSyst.cpp, Dm/Axe.cpp, Dm/ScalePoint.cpp,
Dm/Geometry.cpp, cli/JobRunner.cpp): each axis line is set from its two whole-pixel ends, the
origin is where the lines meet, truncated toward zero; each scale point is the whole pixel
nearest to the perpendicular projection of its "at" on its axis line; the transform is affine
in the values, or in their natural logarithms on a logarithmic axis, with lines of equal X
parallel to the Y axis's scale points and lines of equal Y parallel to the X axis's.
"""

import math


class RefusedByProgram(ValueError):
    """The program would refuse this coordinate system (or could not build a transform)."""


def _round_half_away(v):
    return int(v + 0.5) if v > 0 else int(v - 0.5)


def _project_on_line(a, b, p):
    dx, dy = b[0] - a[0], b[1] - a[1]
    d2 = dx * dx + dy * dy
    if d2 == 0:
        return a
    t = ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / d2
    return (a[0] + _round_half_away(t * dx), a[1] + _round_half_away(t * dy))


def _point(value, what):
    if (not isinstance(value, (list, tuple)) or len(value) != 2
            or not all(isinstance(v, int) and not isinstance(v, bool) for v in value)):
        raise RefusedByProgram("%s: expected [x, y] in whole pixels" % what)
    return (value[0], value[1])


class ProgramMap:
    """The pixel <-> value map of one job coordinate system ({"x_axis", "y_axis"})."""

    def __init__(self, coordinate_system):
        axes = []
        for key in ("x_axis", "y_axis"):
            axis = coordinate_system[key]
            line = axis["line"]
            if not isinstance(line, (list, tuple)) or len(line) != 2:
                raise RefusedByProgram(key + ".line: expected two points")
            start, end = _point(line[0], key + ".line"), _point(line[1], key + ".line")
            if start == end or start == (0, 0) or end == (0, 0):
                raise RefusedByProgram(key + ".line: ends that coincide or lie at pixel [0, 0]")
            log = bool(axis.get("logarithmic", False))
            points = []
            for name in ("point1", "point2"):
                at = _point(axis[name]["at"], key + "." + name + ".at")
                value = float(axis[name]["value"])
                if log and value <= 0:
                    raise RefusedByProgram(key + ": logarithmic values must be greater than zero")
                points.append((_project_on_line(start, end, at), math.log(value) if log else value))
            if points[0][0] == points[1][0] or points[0][1] == points[1][1]:
                raise RefusedByProgram(key + ": scale points at one place or of one value")
            axes.append((start, end, log, points))
        (xs, xe, self.x_log, xp), (ys, ye, self.y_log, yp) = axes

        # The origin: where the lines meet, truncated toward zero.
        d_y = (ye[0] - ys[0], ye[1] - ys[1])
        d_x = (xe[0] - xs[0], xe[1] - xs[1])
        from_s = (xs[0] - ys[0], xs[1] - ys[1])
        denominator = d_y[0] * d_x[1] - d_y[1] * d_x[0]
        if denominator == 0:
            raise RefusedByProgram("the two axes can't be parallel")
        t = (from_s[0] * d_x[1] - from_s[1] * d_x[0]) / denominator
        ox, oy = float(int(ys[0] + t * d_y[0])), float(int(ys[1] + t * d_y[1]))

        (x1, x1v), (x2, x2v) = xp
        (y1, y1v), (y2, y2v) = yp
        dX = (x1[0] - x2[0], x1[1] - x2[1])
        dY = (y1[0] - y2[0], y1[1] - y2[1])
        dX2 = dX[0] ** 2 + dX[1] ** 2
        dY2 = dY[0] ** 2 + dY[1] ** 2
        tX = ((ox - x2[0]) * dX[0] + (oy - x2[1]) * dX[1]) / dX2
        tY = ((ox - y2[0]) * dY[0] + (oy - y2[1]) * dY[1]) / dY2
        deltaX, deltaY = x1v - x2v, y1v - y2v
        xo, yo = x2v + deltaX * tX, y2v + deltaY * tY
        k = dY[1] * dX[0] - dY[0] * dX[1]
        if k == 0:
            raise RefusedByProgram("no transform: the scale points of the two axes are parallel")
        self.ax = deltaX * dY[1] / k
        self.bx = -deltaX * dY[0] / k
        self.ay = -deltaY * dX[1] / k
        self.by = deltaY * dX[0] / k
        self.cx = xo - (ox * self.ax + oy * self.bx)
        self.cy = yo - (ox * self.ay + oy * self.by)
        self.pxX, self.pxY = dX[0] / deltaX, dY[0] / deltaY
        self.pyX, self.pyY = dX[1] / deltaX, dY[1] / deltaY

    def pixel_to_graph(self, px, py):
        x = self.ax * px + self.bx * py + self.cx
        y = self.ay * px + self.by * py + self.cy
        return (math.exp(x) if self.x_log else x, math.exp(y) if self.y_log else y)

    def graph_to_pixel(self, x, y):
        """The pixel of a value; None where the program cannot place it (a value <= 0 on a
        logarithmic axis)."""
        if (self.x_log and x <= 0) or (self.y_log and y <= 0):
            return None
        u = (math.log(x) if self.x_log else x) - self.cx
        v = (math.log(y) if self.y_log else y) - self.cy
        return (u * self.pxX + v * self.pxY, u * self.pyX + v * self.pyY)
