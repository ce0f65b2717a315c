#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "Dm/ColorScale.h"
#include "Dm/Curve.h"

// A densitometry curve: a straight segment drawn across the bitmap (two pixel points,
// y down) whose pixel colours are turned into values by a two-colour scale. Sample walks the
// segment one pixel per step along its major direction and reads each pixel from the
// document's bitmap (white outside it), giving parallel arrays of pixel positions and
// values; they are never stored and are rebuilt by every Sample.
//
// Owns its colour scale (never null) and its results object (a CDensityResults). The
// segment is absent until the user draws it; both ends are set at once. The base curve's
// point list is not used.
class CDensityCurve : public CCurve {
    DECLARE_SERIAL(CDensityCurve)
public:
    // A projected point within this many pixels in x and in y hits the segment.
    static constexpr int kHitDistance = 3;
    // Sample refuses longer segments: the bitmap is far smaller, and a segment read from a
    // damaged document must not make it allocate gigabytes.
    static constexpr long long kMaxSamples = 1LL << 22;

    // A default scale and no segment (what loading starts from).
    CDensityCurve();
    // Takes ownership of pScale; a default scale when null. No segment.
    CDensityCurve(CCoordSyst* pCoordSyst, std::unique_ptr<CColorScale> pScale);
    ~CDensityCurve() override;

    std::unique_ptr<CCurve> Clone() const override
    {
        return std::unique_ptr<CCurve>(new CDensityCurve(*this));
    }
    CResults* GetResults() override;
    // Within the segment's bounding rectangle (edges included) and at most 3 pixels in x and
    // in y from the point's projection on the segment's line.
    bool HitTest(int x, int y) override;
    ECurveKind GetKind() const override { return ECurveKind::Density; }
    // The segment as a line in the curve's colour, 2 pixels wide when selected.
    void Draw(CDrawContext& dc) override;
    // Base curve, start, end, colour scale. A curve without a segment is stored with both
    // ends at (0, 0); ends that coincide read back as no segment, as the drawing tool never
    // makes such a segment. Loading raises CArchiveException when the scale is missing.
    void Serialize(CArchive& ar) override;

    const CColorScale& GetColorScale() const { return *m_pColorScale; }
    CColorScale& GetColorScale() { return *m_pColorScale; }
    // Takes ownership; a null scale is ignored.
    void SetColorScale(std::unique_ptr<CColorScale> pScale);

    // Replaces both ends; the curve becomes modified.
    void SetSegment(const CPoint& start, const CPoint& end);
    bool HasSegment() const { return m_pStart.has_value() || m_pEnd.has_value(); }
    CPoint GetStart() const { return m_pStart.value_or(CPoint()); }
    CPoint GetEnd() const { return m_pEnd.value_or(CPoint()); }

    // Fills the sample arrays from the start of the segment to its end, max(|dx|, |dy|) + 1
    // pixels. False, and the arrays unchanged, without a segment, with an invalid scale or
    // with a segment longer than kMaxSamples pixels.
    bool Sample();
    const std::vector<double>& GetValues() const { return m_Values; }
    // The sampled pixel positions, parallel to GetValues (not the base curve's point list,
    // which a density curve leaves empty).
    const std::vector<CPoint>& GetPoints() const { return m_Points; }

private:
    // The base part, both ends and a clone of the scale; no samples.
    CDensityCurve(const CDensityCurve& other);

    std::unique_ptr<CColorScale> m_pColorScale;
    std::optional<CPoint> m_pStart;
    std::optional<CPoint> m_pEnd;
    std::vector<double> m_Values;
    std::vector<CPoint> m_Points;
};
