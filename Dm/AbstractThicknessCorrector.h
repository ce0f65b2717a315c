#pragma once

#include <algorithm>
#include <list>
#include <memory>

#include "platform/Object.h"
#include "platform/Point.h"

class CContinuousCurve;

// Thickness compensation of a continuous curve: line following yields the top or the bottom
// edge of the drawn line, and the corrector moves the assembled points (bitmap pixels, y
// down, ascending x, at most one per column) half the line thickness towards the middle of
// the stroke. The thickness is in pixels (1 at construction: no compensation). The owner
// curve is not owned; it is made modified when a parameter changes.
class CAbstractThicknessCorrector : public CObject {
    DECLARE_DYNAMIC(CAbstractThicknessCorrector)
public:
    using PointList = std::list<CPoint>;

    ~CAbstractThicknessCorrector() override = default;
    CAbstractThicknessCorrector& operator=(const CAbstractThicknessCorrector&) = delete;

    // A corrector of the same class and parameters, bound to pCurve.
    virtual std::unique_ptr<CAbstractThicknessCorrector> Clone(CContinuousCurve* pCurve) const = 0;
    // Corrects the list in place for a curve that follows the top (bFollowTop) or the bottom
    // edge. Returns half the thickness used, signed by the direction of the move for the flat
    // corrector; 0 when nothing changed.
    virtual int Correct(PointList& points, bool bFollowTop) = 0;

    int GetThickness() const { return m_nThickness; }
    // The curve becomes modified.
    void SetThickness(int nThickness);

    CContinuousCurve* GetCurve() const { return m_pCurve; }
    // Binding only; not a change.
    void SetCurve(CContinuousCurve* pCurve) { m_pCurve = pCurve; }

    // The thickness; subclasses add their own parameters after it.
    void Serialize(CArchive& ar) override;

protected:
    CAbstractThicknessCorrector() = default;
    explicit CAbstractThicknessCorrector(CContinuousCurve* pCurve) : m_pCurve(pCurve) {}
    CAbstractThicknessCorrector(const CAbstractThicknessCorrector& other) = default;

    // Thicker than any line a graph is drawn with. A larger value (only a damaged document
    // can hold one) is used as this one, which bounds the columns filled by the correction.
    static constexpr int kMaxThickness = 1000;

    // Half the thickness, what the points move by; 0 (no move) for thicknesses below 2.
    int HalfThickness() const { return std::clamp(m_nThickness, 0, kMaxThickness) / 2; }
    void CurveChanged();

    CContinuousCurve* m_pCurve = nullptr;
    int m_nThickness = 1;
};
