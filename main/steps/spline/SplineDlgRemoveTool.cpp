#include "main/steps/spline/SplineDlgRemoveTool.h"

#include "Dm/SplineCurve.h"
#include "main/steps/spline/SplineDialog.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "main/steps/spline/SplineDlgAddBackTool.h"

std::string CSplineDlgRemoveTool::GetComment() const
{
    return CStringTable::Get(IDS_SPLINE_TOOL_REMOVE);
}

void CSplineDlgRemoveTool::OnButtonDown(const CPoint& point, bool /*bShift*/, bool /*bCtrl*/)
{
    if (!m_Curve.RemoveNodeAt(point))
        Refuse(IDS_SPLINE_CANNOT_REMOVE);
    if (m_Curve.GetNodeCount() == 0)
        m_Dialog.RequestTool(CSplineDlgAddBackTool::kIndex);
}
