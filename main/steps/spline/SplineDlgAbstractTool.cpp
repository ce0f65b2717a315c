#include "main/steps/spline/SplineDlgAbstractTool.h"

#include "Dm/SplineCurve.h"
#include "main/view/PlotvaneView.h"
#include "main/steps/spline/SplineDialog.h"
#include "platform/MessageService.h"

CSplineDlgAbstractTool::CSplineDlgAbstractTool(CSplineDialog& dialog, CSplineCurve& curve)
    : m_Dialog(dialog), m_Curve(curve)
{
}

CSplineDlgAbstractTool::~CSplineDlgAbstractTool() = default;

void CSplineDlgAbstractTool::OnButtonUp(const CPoint& /*point*/, bool /*bShift*/, bool /*bCtrl*/)
{
    m_Curve.EndMove();
    m_Curve.ReleaseQuickDraw();
    // The preview leaves the view; the dialog's full repaint shows the final curve.
    m_Dialog.GetView().ClearInverted();
}

void CSplineDlgAbstractTool::OnDrag(const CPoint& point, bool bShift, bool bCtrl)
{
    m_Curve.MoveActiveNode(point, bShift, bCtrl);
    DrawPreview(point);
}

void CSplineDlgAbstractTool::DrawPreview(const CPoint& point)
{
    m_Dialog.GetView().DrawInverted([this, &point](CDrawContext& dc) { m_Curve.QuickDraw(dc, point); });
}

void CSplineDlgAbstractTool::ShowRefusal(unsigned nMessageId)
{
    AfxMessageBox(nMessageId, CMessageService::Icon::Information);
}

void CSplineDlgAbstractTool::Refuse(unsigned nMessageId)
{
    ShowRefusal(nMessageId);
    m_Dialog.GetView().ResetMouseState();
}
