#pragma once

#include <memory>

#include "Dm/AbstractThicknessCorrector.h"

// Flat thickness compensation: every point moves vertically by half the thickness, down when
// the top edge was followed and up when the bottom edge was.
class CFlatThicknessCorrector : public CAbstractThicknessCorrector {
    DECLARE_SERIAL(CFlatThicknessCorrector)
public:
    CFlatThicknessCorrector() = default;
    explicit CFlatThicknessCorrector(CContinuousCurve* pCurve) : CAbstractThicknessCorrector(pCurve) {}

    std::unique_ptr<CAbstractThicknessCorrector> Clone(CContinuousCurve* pCurve) const override;
    int Correct(PointList& points, bool bFollowTop) override;

private:
    CFlatThicknessCorrector(const CFlatThicknessCorrector& other) = default;
};
