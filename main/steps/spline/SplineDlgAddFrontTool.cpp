#include "main/steps/spline/SplineDlgAddFrontTool.h"

#include "Dm/SplineCurve.h"
#include "main/steps/spline/SplineDialog.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

std::string CSplineDlgAddFrontTool::GetComment() const
{
    return CStringTable::Get(IDS_SPLINE_TOOL_ADD_FRONT);
}

void CSplineDlgAddFrontTool::OnButtonDown(const CPoint& point, bool /*bShift*/, bool /*bCtrl*/)
{
    if (!m_Curve.AddFront(point))
        ShowRefusal(IDS_SPLINE_CANNOT_ADD);
    DrawPreview(point);
}
