#pragma once

#include "Dm/Results.h"

class CContinuousCurve;

// The results of a continuous curve: rows on a regular grid of abscissae (graph X units)
// starting at m_FirstValue with the step m_Period (in X units on a linear X axis, in decades
// on a logarithmic one), Y interpolated along the traced curve. Holds the sampling settings,
// which documents store; the bound curve is not owned.
class CContinuousResults : public CResults {
    DECLARE_SERIAL(CContinuousResults)
public:
    CContinuousResults() = default;
    // For pCurve: the first value is the smaller of its two limits (0 for a limit without a
    // value); no period yet.
    explicit CContinuousResults(CContinuousCurve* pCurve);

    CResults* Clone() const override;

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

    // First value, period flag, period.
    void Serialize(CArchive& ar) override;

private:
    CContinuousResults(const CContinuousResults& other);

    CContinuousCurve* GetContinuousCurve() const;

    double m_FirstValue = 0.0;
    bool m_bPeriodDefined = false;
    double m_Period = 0.0;
    double m_LastValue = 0.0;
};
