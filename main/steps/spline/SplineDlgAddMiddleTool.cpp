#include "main/steps/spline/SplineDlgAddMiddleTool.h"

#include "Dm/SplineCurve.h"
#include "main/steps/spline/SplineDialog.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "main/steps/spline/SplineDlgModifyTool.h"

std::string CSplineDlgAddMiddleTool::GetComment() const
{
    return CStringTable::Get(IDS_SPLINE_TOOL_ADD_MIDDLE);
}

void CSplineDlgAddMiddleTool::OnButtonDown(const CPoint& point, bool /*bShift*/, bool /*bCtrl*/)
{
    if (m_Curve.InsertNodeAt(point))
        m_Dialog.RequestTool(CSplineDlgModifyTool::kIndex);
    else
        Refuse(IDS_SPLINE_CANNOT_INSERT);
}
