#pragma once

#include <cstdint>

#include "platform/Point.h"

// Plane geometry on pixel points shared by the coordinate systems, the curves and the
// construction dialogs. Points are bitmap pixels (y down); computations run in doubles so
// that coordinates read from a document cannot overflow the integer arithmetic.

// Position of p along the line from a to b: ((b - a).(p - a)) / |b - a|^2. 0 at a, 1 at b.
// Not a number when a == b.
double LineParameter(const CPoint& a, const CPoint& b, const CPoint& p);

// The pixel nearest to the perpendicular projection of p on the line through a and b:
// a + RoundHalfAway(t * (b - a)) per coordinate, with t = LineParameter(a, b, p).
// a itself when a == b.
CPoint ProjectOnLine(const CPoint& a, const CPoint& b, const CPoint& p);

// The coordinates a document may give a curve's points: beyond any picture (at most 2^30
// pixels), and near enough to zero that the difference of two never leaves the 32-bit range.
constexpr int32_t kMaxDocumentCoordinate = (1 << 30) - 1;

// p with each coordinate brought within +/-kMaxDocumentCoordinate.
CPoint ClampDocumentPoint(const CPoint& p);

// v + 0.5 for v > 0, else v - 0.5, truncated toward zero. Saturates at the limits of a
// pixel coordinate; not-a-number gives 0.
int32_t RoundHalfAway(double v);

// p rotated by angle radians about (0, 0), each coordinate rounded half away from zero.
CPoint RotatePoint(const CPoint& p, double angle);

// a.x * b.y - a.y * b.x, exact for any pixel coordinates up to 2^26.
double Cross(const CPoint& a, const CPoint& b);
