#pragma once

// A point in graph units: x and y are the values the axes give (not their logarithms).
// The validity flag is set unless a result row has no value. The same type carries pixel
// positions as doubles where a conversion must not round (CCoordSyst::GraphToPixel).
class CLogicPoint {
public:
    CLogicPoint() = default;
    CLogicPoint(double dX, double dY) : y(dY), x(dX) {}
    CLogicPoint(const CLogicPoint&) = default;
    CLogicPoint& operator=(const CLogicPoint&) = default;
    virtual ~CLogicPoint() = default;

    bool IsValid() const { return m_bValid; }
    // Returns the previous value.
    bool SetValid(bool bValid)
    {
        const bool bPrevious = m_bValid;
        m_bValid = bValid;
        return bPrevious;
    }

    double y = 0.0;
    double x = 0.0;
    bool m_bValid = true;
};
