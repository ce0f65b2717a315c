#pragma once

#include <string>

#include "Dm/Results.h"

class CContinuousCurve;
class CCoordSyst;

// The results of a continuous curve: rows on a regular grid of abscissae (graph X units)
// starting at m_FirstValue with the step m_Period (in X units on a linear X axis, in decades
// on a logarithmic one), Y interpolated along the traced curve in the axes' own scale
// (logarithms on logarithmic axes). Each abscissa is the previous one plus the period (or
// times 10 to the period), so the grid accumulates rounding as the dialogs always did.
// Abscissae before the traced curve or in a gap of it give rows whose Y is undefined. A curve
// that refines its centre line is sampled along that line instead of its points.
//
// Holds the sampling settings, which documents store; the bound curve is not owned.
class CContinuousResults : public CResults {
    DECLARE_SERIAL(CContinuousResults)
public:
    CContinuousResults() = default;
    // For pCurve: the first value is the smaller of its two limits (0 for a limit without a
    // value); no period yet.
    explicit CContinuousResults(CContinuousCurve* pCurve);

    std::unique_ptr<CResults> Clone() const override;
    // The base rows, formatted straight into the line.
    void AppendRow(int nIndex, char cSeparator, std::string& strLine) const override
    {
        AppendPointRow(nIndex, cSeparator, strLine);
    }

    double GetFirstValue() const { return m_FirstValue; }
    // Returns the previous first value.
    double SetFirstValue(double dValue);
    double GetPeriod() const { return m_Period; }
    // Also marks the period as defined.
    void SetPeriod(double dPeriod);
    bool IsPeriodDefined() const { return m_bPeriodDefined; }
    // The largest abscissa the curve reaches: the larger limit (0 for a limit without a
    // value) or the graph X of the first or the last traced point. 0 without a curve.
    double GetLastValue();

    // Rows on the grid from the first value up to the last pair of traced points in adjacent
    // columns. Settings the period dialog refuses (no period, a period that is not a positive
    // finite number, a first value that is not finite or, on a logarithmic X axis, not
    // positive) give no rows. The grid also ends where the period no longer moves the
    // abscissa in double precision, and after kMaxComputedRows rows.
    void Compute() override;

    // The number of rows the period dialog announces for the current settings: the integer
    // part of q plus 1, with q = |last - first| / period (on a logarithmic X axis the
    // distance in decades, |log10|last| - log10|first||). 0, as the dialog shows, when no
    // positive period is defined, when the first value is not positive on a logarithmic X
    // axis, or when q is not below kMaxExportedRows.
    int GetExpectedRowCount() const;
    // The message the period dialog gives on OK for the current settings, in its order (first
    // value on a logarithmic X axis, period, number of rows); empty when it would accept
    // them. A period never defined counts as 0.
    std::string Validate() const;

    // Y at abscissa x on the straight line from a to b in the axes' own scale: natural
    // logarithms of X and of Y on logarithmic axes. b.y when a and b have the same X.
    static double Interpolate(double x, const CLogicPoint& a, const CLogicPoint& b, bool bLogX, bool bLogY);

    // First value, period flag, period.
    void Serialize(CArchive& ar) override;

private:
    CContinuousResults(const CContinuousResults& other);

    CContinuousCurve* GetContinuousCurve() const;
    const CCoordSyst* GetCoordSyst() const;
    bool IsLogX() const;
    double ComputeLastValue() const;
    // The rows from the pairs of points the walker hands out (see Compute).
    template <class Walker>
    void ComputeRows(Walker&& walker, bool bLogX, bool bLogY);
    // q of GetExpectedRowCount; NaN when the settings cannot give rows.
    double ComputeRowQuotient() const;

    double m_FirstValue = 0.0;
    bool m_bPeriodDefined = false;
    double m_Period = 0.0;
    double m_LastValue = 0.0;
};
