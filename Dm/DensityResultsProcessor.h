#pragma once

#include <vector>

#include "Dm/LogicPoint.h"

class CCoordSyst;
class CDensityCurve;
class CDensityResults;

// One computation of density results, made on the stack by CDensityResults::Compute. The
// targets are the points of the segment's line at exact steps of the period on the master
// coordinate, counted from the first point (not accumulated); each is converted to
// fractional pixels and its density interpolated linearly, along the segment's major pixel
// axis, between the two curve samples around it. The samples are walked from the start of
// the segment when the rows run towards its end, from its end otherwise; the rows stop at the
// first target past the last sample.
//
// Holds references only: the results (parameters, line), the curve (samples), its
// coordinate system and the two row arrays it fills. The caller has checked the parameters
// (a usable segment, a finite non-zero master period, a first value > 0 on a logarithmic
// master axis).
class CDensityResultsProcessor {
public:
    CDensityResultsProcessor(const CDensityResults& results, CDensityCurve& curve,
                             const CCoordSyst& coordSyst, std::vector<CLogicPoint>& rowPoints,
                             std::vector<double>& rowValues);
    CDensityResultsProcessor(const CDensityResultsProcessor&) = delete;
    CDensityResultsProcessor& operator=(const CDensityResultsProcessor&) = delete;

    // Samples the curve and appends the rows. Besides the end of the samples, the rows also
    // end where a step no longer moves the target in double precision or the target is not a
    // finite point, and after CResults::kMaxComputedRows rows.
    void Run();

private:
    // The target of step k on the segment's line, in graph units.
    CLogicPoint Target(long long k, const CLogicPoint& first) const;

    const CDensityResults& m_Results;
    CDensityCurve& m_Curve;
    const CCoordSyst& m_CoordSyst;
    std::vector<CLogicPoint>& m_RowPoints;
    std::vector<double>& m_RowValues;

    bool m_bXMaster = true;
    bool m_bXMajor = true;
    bool m_bLogX = false;
    bool m_bLogY = false;
    double m_XPeriod = 0.0;
    double m_YPeriod = 0.0;
    int m_nDirection = 1;  // h: +1 when the rows run from the start towards the end
    int m_nSx = 1;
    int m_nSy = 1;
};
