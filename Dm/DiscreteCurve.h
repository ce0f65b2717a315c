#pragma once

#include <memory>

#include "Dm/Curve.h"

// A curve made of points clicked one by one on the bitmap. Its points are the base curve's
// pixel points (bitmap pixels, y down), in picking order until the user sorts them by graph
// X; it has no data of its own and is stored as the base curve record alone. Shown as a
// cross on every point. Owns its results object (a CDiscreteResults).
class CDiscreteCurve : public CCurve {
    DECLARE_SERIAL(CDiscreteCurve)
public:
    // Half the length of a cross's strokes, pixels.
    static constexpr int kCrossHalfSize = 5;

    CDiscreteCurve() = default;
    explicit CDiscreteCurve(CCoordSyst* pCoordSyst) : CCurve(pCoordSyst) {}

    std::unique_ptr<CCurve> Clone() const override
    {
        return std::unique_ptr<CCurve>(new CDiscreteCurve(*this));
    }
    CResults* GetResults() override;
    // Within one pixel of a point in both directions.
    bool HitTest(int x, int y) override;
    ECurveKind GetKind() const override { return ECurveKind::Discrete; }
    void Draw(CDrawContext& dc) override { DrawCrosses(dc); }
    // The crosses in the curve's colour, 2 pixels wide when selected; false, and nothing
    // drawn, without points.
    bool DrawCrosses(CDrawContext& dc) const;
    void Serialize(CArchive& ar) override { SerializeBase(ar); }

    // Appends a picked point; the curve becomes modified. Returns its position.
    PointList::iterator AppendPoint(int x, int y);
    // Removes the point at pos; the curve becomes modified.
    void RemovePoint(PointList::iterator pos);

private:
    CDiscreteCurve(const CDiscreteCurve& other) : CCurve(other) {}
};
