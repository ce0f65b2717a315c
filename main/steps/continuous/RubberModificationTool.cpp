#include "main/steps/continuous/RubberModificationTool.h"

#include "Dm/ContinuousCurve.h"

CRect CRubberModificationTool::Apply(const CPoint& from, const CPoint& to)
{
    if (from.x == to.x)
        return m_Curve.ErasePoint(to);
    return m_Curve.EraseRange(from, to);
}
