#include "main/steps/continuous/PenModificationTool.h"

#include "Dm/ContinuousCurve.h"

CRect CPenModificationTool::Apply(const CPoint& from, const CPoint& to)
{
    if (from.x == to.x)
        return m_Curve.SetPoint(to.x, to.y);
    return m_Curve.DrawSegment(from, to);
}
