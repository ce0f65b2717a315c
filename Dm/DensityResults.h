#pragma once

#include <vector>

#include "Dm/LogicPoint.h"
#include "Dm/Results.h"

// The results object of a densitometry curve: rows placed at a regular step along the
// curve's segment, each with its position in graph units and the density read there. The
// step is given on one coordinate, the master (X or Y), as a first value and a period; on a
// logarithmic axis the period is in decades. A negative period runs the rows towards smaller
// values. Display mode: 0 X column, 1 Y column, 2 both.
//
// Only the parameters are stored in documents; the rows are computed again on demand. Bound
// to the density curve that owns it.
class CDensityResults : public CResults {
    DECLARE_SERIAL(CDensityResults)
public:
    enum { kDisplayX = 0, kDisplayY = 1, kDisplayBoth = 2 };

    CDensityResults() = default;
    CDensityResults& operator=(const CDensityResults&) = delete;

    // The parameters, without the rows.
    CResults* Clone() const override { return new CDensityResults(*this); }
    // Display mode, period flag, master flag, X period, Y period, first X, first Y. A display
    // mode other than 0, 1 or 2 is refused as a damaged document.
    void Serialize(CArchive& ar) override;

    const std::vector<CLogicPoint>& GetRowPoints() const { return m_RowPoints; }
    const std::vector<double>& GetRowValues() const { return m_RowValues; }

private:
    CDensityResults(const CDensityResults& other);

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
