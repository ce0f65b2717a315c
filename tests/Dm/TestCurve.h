#pragma once

#include "Dm/Curve.h"

// The smallest concrete curve: the base part only, drawn as a polyline of its points and
// hit on its points; its results are a CTestResults.
class CTestCurve : public CCurve {
    DECLARE_SERIAL(CTestCurve)
public:
    CTestCurve() = default;
    explicit CTestCurve(CCoordSyst* pCoordSyst) : CCurve(pCoordSyst) {}

    std::unique_ptr<CCurve> Clone() const override { return std::unique_ptr<CCurve>(new CTestCurve(*this)); }
    CResults* GetResults() override;
    bool HitTest(int x, int y) override;
    // The base part is all a test needs; it passes for the simplest kind.
    ECurveKind GetKind() const override { return ECurveKind::Discrete; }
    void Draw(CDrawContext& dc) override;
    void Serialize(CArchive& ar) override { SerializeBase(ar); }

private:
    CTestCurve(const CTestCurve& other) : CCurve(other) {}
};
