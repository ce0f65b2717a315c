#pragma once

#include <memory>

#include "Dm/CurveElement.h"

// The left or the right limit of a continuous curve, in graph X units of the curve's
// coordinate system: line following stops at the first point beyond it. A pixel point is
// beyond the left limit when its graph X is smaller than the value and beyond the right limit
// when its X is not smaller (a reversed X axis turns both answers round). A limit without an
// entered value keeps the value 0.
class CLimit : public CCurveElement {
    DECLARE_SERIAL(CLimit)
public:
    CLimit() = default;
    CLimit(CContinuousCurve* pCurve, bool bLeft) : CCurveElement(pCurve), m_bLeft(bLeft) {}
    CLimit(const CLimit& other) = default;

    bool IsLeft() const { return m_bLeft; }
    bool IsValued() const { return m_bValued; }
    double GetValue() const { return m_dValue; }
    // Sets the value; the curve becomes modified.
    void SetValue(double dValue);
    // Forgets the value and returns the previous flag; the curve becomes modified.
    bool ClearValue();

    // kOn beyond the limit, kOutside elsewhere.
    int Classify(const CPoint& p) const override;
    bool CutAt(int x, bool bKeepRight) override;
    bool IsLimit() const override { return true; }
    // Beyond the limit. Never without a coordinate system to convert the pixel.
    bool HitTest(int x, int y) const override;
    std::unique_ptr<CCurveElement> Clone(CContinuousCurve* pCurve) const override;

    // Left flag, value flag, value.
    void Serialize(CArchive& ar) override;

private:
    void CurveChanged();

    bool m_bLeft = true;
    bool m_bValued = false;
    double m_dValue = 0.0;
};
