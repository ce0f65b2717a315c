#include "main/steps/spline/SplineDlgModifyTool.h"

#include "Dm/SplineCurve.h"
#include "main/steps/spline/SplineDialog.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

std::string CSplineDlgModifyTool::GetComment() const
{
    return CStringTable::Get(IDS_SPLINE_TOOL_MODIFY);
}

void CSplineDlgModifyTool::OnButtonDown(const CPoint& point, bool bShift, bool /*bCtrl*/)
{
    // A press on an anchor moves the node; with Shift it pulls smooth handles out of it.
    const bool bFound = bShift ? m_Curve.SelectHandleOutOfAnchorAt(point) || m_Curve.SelectNodeAt(point)
                               : m_Curve.SelectNodeAt(point);
    if (!bFound)
        Refuse(IDS_SPLINE_CANNOT_MODIFY);
}
