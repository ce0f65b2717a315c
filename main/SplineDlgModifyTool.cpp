#include "main/SplineDlgModifyTool.h"

#include "Dm/SplineCurve.h"
#include "main/SplineDialog.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

std::string CSplineDlgModifyTool::GetComment() const
{
    return CStringTable::Get(IDS_SPLINE_TOOL_MODIFY);
}

void CSplineDlgModifyTool::OnButtonDown(const CPoint& point, bool /*bShift*/, bool /*bCtrl*/)
{
    if (!m_Curve.SelectNodeAt(point))
        Refuse(IDS_SPLINE_CANNOT_MODIFY);
}
