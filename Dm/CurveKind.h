#pragma once

// The kinds of curve the program builds, one per concrete curve class of the model: each
// class says its own (CCurve::GetKind). Each front keeps one table from a kind to what it
// needs (the window: main/wizard/WindowCurveKinds, the command line: cli/JobCurveKinds), and its
// tests check that every kind has its entry there.
enum class ECurveKind : int {
    Continuous,  // CContinuousCurve: a line followed on the picture
    Spline,      // CSplineCurve (CBezierCurve): a line drawn by hand
    Discrete,    // CDiscreteCurve: points picked one by one
    Density,     // CDensityCurve: the colour profile along a segment
    Count        // not a kind: the number of kinds, for the tables' checks
};
