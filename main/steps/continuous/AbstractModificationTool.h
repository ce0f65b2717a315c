#pragma once

#include "platform/Point.h"

class CContinuousCurve;

// A tool of hand modification: it changes a continuous curve's points along one step of a
// stroke, from the previous mouse position to the new one. The curve is not owned.
class CAbstractModificationTool {
public:
    explicit CAbstractModificationTool(CContinuousCurve& curve) : m_Curve(curve) {}
    virtual ~CAbstractModificationTool() = default;
    CAbstractModificationTool(const CAbstractModificationTool&) = delete;
    CAbstractModificationTool& operator=(const CAbstractModificationTool&) = delete;

    // Applies the tool between two bitmap pixels; returns the bitmap rectangle to repaint.
    virtual CRect Apply(const CPoint& from, const CPoint& to) = 0;

protected:
    CContinuousCurve& m_Curve;
};
