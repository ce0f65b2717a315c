#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Dm/LogicPoint.h"
#include "Dm/Results.h"

class CCoordSyst;
class CDensityCurve;

// The results object of a densitometry curve: rows placed at a regular step along the
// curve's segment, each with its position in graph units and the density read there (linear
// interpolation between the two pixel samples around it). The step is given on one
// coordinate, the master (X or Y), as a first value and a period; the other coordinate
// follows from the straight line through the segment's ends, straight in the axes' own
// scale (log10 on logarithmic axes). On a logarithmic axis the period is in decades. A
// negative period runs the rows towards smaller values.
//
// Display mode: 0 X column, 1 Y column, 2 both. A segment parallel to the Y axis (X constant
// along it) can only use Y: mode 1, Y master, everything on X ignored; one parallel to the X
// axis can only use X (mode 0, X master). A segment whose ends coincide, or a curve without
// a segment or coordinate system, can use neither and gives no rows.
//
// Only the parameters are stored in documents; the rows are computed again on demand and
// kept in two parallel arrays (the base rows are not used). Bound to the density curve that
// owns it, which is not owned.
class CDensityResults : public CResults {
    DECLARE_SERIAL(CDensityResults)
public:
    enum { kDisplayX = 0, kDisplayY = 1, kDisplayBoth = 2 };

    CDensityResults() = default;
    // For pCurve, from its segment: first X the smaller X of the two ends; first Y the
    // smaller Y of the ends for a segment parallel to an axis, else the Y of the line at first
    // X; the display mode forced for parallel segments, else both. Without a segment both
    // first values are 0. No period.
    explicit CDensityResults(CDensityCurve* pCurve);
    CDensityResults& operator=(const CDensityResults&) = delete;

    // The parameters, without the rows.
    std::unique_ptr<CResults> Clone() const override
    {
        return std::unique_ptr<CResults>(new CDensityResults(*this));
    }
    // Takes back every parameter of other (the density period dialog's Cancel).
    void RestoreParameters(const CDensityResults& other);

    // The effective mode: 1 for a segment parallel to the Y axis, 0 for one parallel to the
    // X axis, else the stored one.
    int GetDisplayMode() const;
    // Stores the effective mode of nMode; a mode other than 0, 1 or 2 is ignored.
    void SetDisplayMode(int nMode);
    // X varies along the segment (it is not parallel to the Y axis).
    bool CanUseX() const;
    // Y varies along the segment (it is not parallel to the X axis).
    bool CanUseY() const;
    // (min, max) of the graph X (Y) of the segment's two ends; (0, 0) without a segment.
    std::pair<double, double> GetXRange() const;
    std::pair<double, double> GetYRange() const;

    double GetFirstX() const { return m_FirstX; }
    double GetFirstY() const { return m_FirstY; }
    // Ignored when X cannot be used; also moves first Y onto the segment's line when Y can be
    // used.
    void SetFirstX(double x);
    // Ignored when Y cannot be used; also moves first X onto the line when X can be used.
    void SetFirstY(double y);
    // The period, 0 when none is defined.
    double GetXPeriod() const;
    double GetYPeriod() const;
    // Ignored when X cannot be used or for 0; else X becomes the master with period p and,
    // when Y can be used, the Y period follows from the line's slope.
    void SetXPeriod(double p);
    // The same on Y.
    void SetYPeriod(double p);
    void ClearPeriod() { m_bPeriodDefined = false; }
    bool IsPeriodDefined() const { return m_bPeriodDefined; }
    // The coordinate the rows step on: Y for a segment parallel to the Y axis, X for one
    // parallel to the X axis, else X when the period was last given on X and the display
    // mode is not Y alone.
    bool IsXMaster() const;

    // The other coordinate of the point of the segment's line; the start's Y (X) for a
    // segment parallel to an axis.
    double XToY(double x) const;
    double YToX(double y) const;

    // The number of rows Compute makes: 0 without a period; -1 when the parameters cannot be
    // used (the dialog shows "Error !" and refuses them): a first value <= 0 on a
    // logarithmic master axis, more than kMaxExportedRows rows, and also a curve without a
    // usable segment or values that are not finite numbers.
    int GetExpectedRowCount() const;
    // The message the density period dialog gives on OK, in its order, empty when it would
    // accept the parameters: "The value is outside the range !" for a first value outside
    // the segment's range on the master coordinate, "Nb of points to export is too high!"
    // when GetExpectedRowCount is -1. The dialog cannot be confirmed without a period and
    // has no message for it: "Error !" (its count field's text) is returned then.
    std::string Validate() const;

    // Samples the curve and makes the rows (CDensityResultsProcessor). Parameters that
    // GetExpectedRowCount refuses, and a missing period, give no rows.
    void Compute() override;
    int GetRowCount() const override { return static_cast<int>(m_RowPoints.size()); }
    // One, two or three cells per line following the display mode: the curve's name and the
    // axes' names, then x and/or y and the density value.
    void GetTitleLine(int nIndex, CellList& cells) const override;
    void GetRow(int nIndex, CellList& cells) const override;

    // Display mode, period flag, master flag, X period, Y period, first X, first Y. A display
    // mode other than 0, 1 or 2 is refused as a damaged document.
    void Serialize(CArchive& ar) override;

    const std::vector<CLogicPoint>& GetRowPoints() const { return m_RowPoints; }
    const std::vector<double>& GetRowValues() const { return m_RowValues; }

private:
    CDensityResults(const CDensityResults& other);

    // The segment's line in the axes' own scale: v(y) = a u(x) + b.
    struct Line {
        double a = 0.0;
        double b = 0.0;
    };

    CDensityCurve* GetDensityCurve() const;
    const CCoordSyst* GetCoordSyst() const;
    // Graph points of the segment's ends; false without a curve, segment or coordinate system.
    bool GetEnds(CLogicPoint& start, CLogicPoint& end) const;
    // Parallel to the Y (X) axis; true without a usable segment, which neither coordinate can
    // follow.
    bool IsParallelToY() const;
    bool IsParallelToX() const;
    Line GetLine() const;
    // Everything GetExpectedRowCount needs before counting: a usable segment and finite
    // parameters with a non-zero master period.
    bool AreParametersUsable() const;

    int m_DisplayMode = kDisplayBoth;
    bool m_bPeriodDefined = false;
    bool m_bXMaster = true;
    double m_FirstX = 0.0;
    double m_FirstY = 0.0;
    double m_XPeriod = 0.0;
    double m_YPeriod = 0.0;
    std::vector<CLogicPoint> m_RowPoints;
    std::vector<double> m_RowValues;
};
