#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Dm/CoordSyst.h"
#include "Dm/Results.h"

// Building blocks of the results tests.
namespace resultstest {

struct AxisScale {
    double v1;
    double v2;
    bool bLog = false;
};

// X axis along pixel row 110 from x = 10 to x = 110, x.v1 at pixel x 10 and x.v2 at 110;
// Y axis along pixel column 10 from y = 110 up to y = 10, y.v1 at pixel y 110 and y.v2 at 10.
// Named "X" and "Y" unless told.
inline void BuildAxes(CCoordSyst& cs, AxisScale x, AxisScale y, const std::string& strXName = "X",
                      const std::string& strYName = "Y")
{
    cs.GetXAxe().SetLine({10, 110}, {110, 110});
    cs.GetYAxe().SetLine({10, 110}, {10, 10});
    cs.ComputeOrigin();
    cs.GetXAxe().SetLogarithmic(x.bLog);
    cs.GetYAxe().SetLogarithmic(y.bLog);
    cs.GetXAxe().SetName(strXName);
    cs.GetYAxe().SetName(strYName);
    cs.GetXAxe().GetScalePoint1().SetPosition({10, 110});
    cs.GetXAxe().GetScalePoint1().SetValue(x.v1);
    cs.GetXAxe().GetScalePoint2().SetPosition({110, 110});
    cs.GetXAxe().GetScalePoint2().SetValue(x.v2);
    cs.GetYAxe().GetScalePoint1().SetPosition({10, 110});
    cs.GetYAxe().GetScalePoint1().SetValue(y.v1);
    cs.GetYAxe().GetScalePoint2().SetPosition({10, 10});
    cs.GetYAxe().GetScalePoint2().SetValue(y.v2);
    cs.ComputeTransform();
}

// Graph X = pixel x (or 120 - pixel x when reversed), graph Y = 110 - pixel y.
inline void BuildPixelAxes(CCoordSyst& cs, bool bReversedX = false)
{
    BuildAxes(cs, bReversedX ? AxisScale{110, 10} : AxisScale{10, 110}, {0, 100});
}

// Every title line from index nFrom to nTo, each as one list of cells.
inline std::vector<CResults::CellList> TitleLines(const CResults& results, int nFrom, int nTo)
{
    std::vector<CResults::CellList> lines;
    for (int i = nFrom; i <= nTo; ++i) {
        lines.emplace_back();
        results.GetTitleLine(i, lines.back());
    }
    return lines;
}

inline CResults::CellList Row(const CResults& results, int nIndex)
{
    CResults::CellList cells;
    results.GetRow(nIndex, cells);
    return cells;
}

}  // namespace resultstest
