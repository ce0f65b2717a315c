#pragma once

#include "Dm/Results.h"

// The results of a spline curve: the curve sampled at a fixed number of points per segment
// (1 to 1000, 50 at creation). Only that number is stored in documents.
class CSplineResults : public CResults {
    DECLARE_SERIAL(CSplineResults)
public:
    static constexpr int kDefaultPointsPerSegment = 50;
    static constexpr int kMinPointsPerSegment = 1;
    static constexpr int kMaxPointsPerSegment = 1000;

    CSplineResults() = default;

    CResults* Clone() const override { return new CSplineResults(*this); }

    int GetPointsPerSegment() const { return m_PointsPerSegment; }
    // Values outside 1..1000 are brought to the nearer bound.
    void SetPointsPerSegment(int nCount);

    // DWORD points per segment. A stored value outside 1..1000 (no dialog accepts one) is
    // replaced by the default, so that a damaged document can neither divide by zero nor ask
    // for an enormous number of rows.
    void Serialize(CArchive& ar) override;

private:
    CSplineResults(const CSplineResults& other)
        : CResults(other), m_PointsPerSegment(other.m_PointsPerSegment)
    {
    }

    int m_PointsPerSegment = kDefaultPointsPerSegment;
};
