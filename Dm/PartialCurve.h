#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "Dm/CurveElement.h"

// The part of a continuous curve traced from one genesis point: the line is followed
// leftwards from the genesis point until the left neighbour element is reached (a limit, or
// the part traced from the previous genesis point, which loses its columns from here on),
// then rightwards until the right neighbour is reached. Holds one pixel point per column in
// consecutive ascending x (bitmap pixels, y down) and the genesis point exactly as clicked.
// Only the genesis point is stored in documents; the points are traced again by the next
// rebuild of the curve. Owns nothing; the owner curve and the neighbours are not owned.
class CPartialCurve : public CCurveElement {
    DECLARE_SERIAL(CPartialCurve)
public:
    CPartialCurve() = default;
    explicit CPartialCurve(CContinuousCurve* pCurve) : CCurveElement(pCurve) {}
    CPartialCurve(const CPartialCurve& other) = default;

    const CPoint& GetGenesis() const { return m_Genesis; }
    // The owner curve becomes modified.
    void SetGenesis(const CPoint& genesis);

    size_t GetPointCount() const { return m_Points.size(); }
    // (0, 0) for an index outside the points.
    CPoint GetPoint(size_t nIndex) const;
    const std::vector<CPoint>& GetPoints() const { return m_Points; }
    // Empties the points and releases their memory.
    void ClearPoints();

    // kOn in the genesis column (whatever y) and on the traced point of a column; kAbove or
    // kBelow the traced point of the column; kOutside in columns without a point.
    int Classify(const CPoint& p) const override;
    // keepRight false keeps the columns left of x, true those right of x. False when the
    // part has no point in column x.
    bool CutAt(int x, bool bKeepRight) override;
    bool IsPartialCurve() const override { return true; }
    // In the genesis column, or on a traced point.
    bool HitTest(int x, int y) const override;
    std::unique_ptr<CCurveElement> Clone(CContinuousCurve* pCurve) const override;

    // Traces the part with a new line follower of the owner curve, between the neighbour
    // elements. False, with no points, when the genesis point lies on the part to its left or
    // beyond the left limit (the genesis point is then redundant), or when the part is not in
    // a curve that can trace.
    bool Build();

    // The genesis point only.
    void Serialize(CArchive& ar) override;

private:
    // The index of column x in m_Points, or -1.
    std::ptrdiff_t IndexOfColumn(int x) const;

    std::vector<CPoint> m_Points;
    CPoint m_Genesis;
};
