#pragma once

#include <memory>
#include <string>

#include "Dm/Results.h"

class CSplineCurve;

// The results of a spline curve: the curve sampled at a fixed number of points per segment
// (1 to 1000, 50 at creation), that is points per segment x (anchors - 1) + 1 rows in curve
// order, none with fewer than two anchors. Only that number is stored in documents.
class CSplineResults : public CResults {
    DECLARE_SERIAL(CSplineResults)
public:
    static constexpr int kDefaultPointsPerSegment = 50;
    static constexpr int kMinPointsPerSegment = 1;
    static constexpr int kMaxPointsPerSegment = 1000;

    CSplineResults() = default;

    std::unique_ptr<CResults> Clone() const override
    {
        return std::unique_ptr<CResults>(new CSplineResults(*this));
    }
    // The base rows, formatted straight into the line.
    void AppendRow(int nIndex, char cSeparator, std::string& strLine) const override
    {
        AppendPointRow(nIndex, cSeparator, strLine);
    }

    int GetPointsPerSegment() const { return m_PointsPerSegment; }
    // Values outside 1..1000 are brought to the nearer bound.
    void SetPointsPerSegment(int nCount);

    // Replaces the rows by the curve's sample points.
    void Compute() override;
    // The total the spline period dialog shows: points per segment x (anchors - 1) + 1, 0
    // with fewer than two anchors.
    int GetExpectedRowCount() const;
    // The message the spline period dialog gives for a typed count (the framework's range
    // message), empty for 1 to 1000.
    static std::string ValidatePointsPerSegment(long long nCount);

    // DWORD points per segment. A stored value outside 1..1000 (no dialog accepts one) is
    // replaced by the default, so that a damaged document can neither divide by zero nor ask
    // for an enormous number of rows.
    void Serialize(CArchive& ar) override;

private:
    CSplineResults(const CSplineResults& other)
        : CResults(other), m_PointsPerSegment(other.m_PointsPerSegment)
    {
    }

    CSplineCurve* GetSplineCurve() const;

    int m_PointsPerSegment = kDefaultPointsPerSegment;
};
