#include "main/steps/spline/SplineDlgAddBackTool.h"

#include "Dm/SplineCurve.h"
#include "main/steps/spline/SplineDialog.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

std::string CSplineDlgAddBackTool::GetComment() const
{
    return CStringTable::Get(IDS_SPLINE_TOOL_ADD_BACK);
}

void CSplineDlgAddBackTool::OnButtonDown(const CPoint& point, bool /*bShift*/, bool /*bCtrl*/)
{
    if (!m_Curve.AddBack(point))
        ShowRefusal(IDS_SPLINE_CANNOT_ADD);
    DrawPreview(point);
}
