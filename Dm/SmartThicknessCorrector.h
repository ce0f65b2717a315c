#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "Dm/AbstractThicknessCorrector.h"

// Smart thickness compensation: every point moves by half the thickness perpendicular to the
// local direction of the curve, estimated from a chord over up to m_nRange points on each
// side that stops, on each side, where y stops moving in the same direction. The result stays
// ascending in x with one point per column: where two moved points fall into one column the
// one further inside the stroke wins, and a gap opened only by the sideways moves is filled
// column by column. In its own column a moved point always lies at least half a thickness
// beyond the traced edge.
class CSmartThicknessCorrector : public CAbstractThicknessCorrector {
    DECLARE_SERIAL(CSmartThicknessCorrector)
public:
    static constexpr int kDefaultRange = 2;
    // The ranges the user may choose, in the curve's dialog, the options and a job.
    static constexpr int kMinRange = 1;
    static constexpr int kMaxRange = 32;

    CSmartThicknessCorrector() = default;
    explicit CSmartThicknessCorrector(CContinuousCurve* pCurve, int nRange = kDefaultRange)
        : CAbstractThicknessCorrector(pCurve), m_nRange(nRange)
    {
    }

    int GetRange() const { return m_nRange; }
    // The curve becomes modified.
    void SetRange(int nRange);

    std::unique_ptr<CAbstractThicknessCorrector> Clone(CContinuousCurve* pCurve) const override;
    int Correct(PointList& points, bool bFollowTop) override;

    // The thickness, then the range.
    void Serialize(CArchive& ar) override;

private:
    // The direction of the curve at m_Work[i] as the sine and cosine of its angle (pixel
    // coordinates, y down).
    struct Direction {
        double dSin = 0.0;
        double dCos = 1.0;
    };

    CSmartThicknessCorrector(const CSmartThicknessCorrector& other);

    Direction SlopeAngle(size_t i) const;
    // Appends e to m_Output, keeping it ascending in x; fills the columns between the last
    // output point and e when the input had no gap there.
    void Insert(const CPoint& e, bool bAdjacent);
    // The input point in column x, looked for from the current index; false when none.
    bool FindInputColumn(int x, CPoint& found) const;

    int m_nRange = kDefaultRange;
    // Working state of Correct.
    std::vector<CPoint> m_Work;
    std::vector<CPoint> m_Output;
    size_t m_nCurrent = 0;
    int m_nSign = 1;
    int m_nHalf = 0;
};
