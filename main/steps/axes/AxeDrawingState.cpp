#include "main/steps/axes/AxeDrawingState.h"

#include <cmath>

#include "Dm/Axe.h"
#include "Dm/CoordSyst.h"
#include "Dm/ScalePoint.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/steps/axes/AxePointPickingState.h"
#include "main/steps/axes/AxeWaitState.h"
#include "main/view/GraphMessage.h"
#include "main/adapters/QtText.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

CAxeDrawingState::CAxeDrawingState(CAxeDialog& dialog)
    : CAxeAbstractState(dialog), m_Line(dialog.GetView()), m_Axe(dialog.GetAxe())
{
}

void CAxeDrawingState::Enter()
{
    m_Dialog.CheckDrawAxis(true);
    m_Dialog.CheckPickPosition(1, false);
    m_Dialog.CheckPickPosition(2, false);
    m_Dialog.SetCursorKind(CURSOR_CROSS);
    UpdatePrompt();
}

void CAxeDrawingState::UpdatePrompt()
{
    const std::string strAxis = CStringTable::Get(m_Dialog.IsXAxis() ? IDS_AXIS_X : IDS_AXIS_Y);
    m_Dialog.SetPrompt(
        CQtText::ToQString(FormatWithString(CStringTable::Get(IDS_DRAW_AXIS_PROMPT), strAxis)));
}

CAxeAbstractState::StatePtr CAxeDrawingState::OnButtonDown(unsigned /*nFlags*/, CPoint point)
{
    m_Line.Start(point);
    return nullptr;
}

CAxeAbstractState::StatePtr CAxeDrawingState::OnDrag(unsigned nFlags, CPoint point)
{
    m_Line.MoveTo(Constrain(nFlags, m_Line.GetStart(), point));
    return nullptr;
}

CAxeAbstractState::StatePtr CAxeDrawingState::OnScrollStop(unsigned /*nFlags*/, CPoint point)
{
    // The view keeps the rubber line over its repaints while it scrolls: the line moves to
    // the point the drag has reached.
    m_Line.MoveTo(point);
    return nullptr;
}

CAxeAbstractState::StatePtr CAxeDrawingState::OnButtonUp(unsigned nFlags, CPoint point)
{
    m_Line.Erase();
    const CPoint start = m_Line.GetStart();
    const CPoint end = Constrain(nFlags, start, point);
    m_Line.SetEnd(end);
    m_Dialog.activateWindow();
    if (end == start)
        return nullptr;

    if (const unsigned nRefusal = CAxe::CheckLine(start, end, m_Dialog.GetOtherAxe())) {
        AfxMessageBox(nRefusal, CMessageService::Icon::Information);
        return nullptr;
    }
    m_Axe.SetLine(start, end);
    if (CCoordSyst* pCoordSyst = m_Axe.GetCoordSyst())
        pCoordSyst->ComputeOrigin();
    m_Dialog.UpdateNextButton();
    m_Dialog.UpdateAllViews();
    return NextAfterLine();
}

CAxeAbstractState::StatePtr CAxeDrawingState::NextAfterLine()
{
    const CScalePoint& point1 = m_Axe.GetScalePoint1();
    const CScalePoint& point2 = m_Axe.GetScalePoint2();
    if (!point1.IsPositioned()) {
        m_Dialog.EnablePoint(1, true);
        m_Dialog.FocusValue(1);
        return std::make_unique<CAxePointPickingState>(m_Dialog, 1);
    }
    if (point2.IsPositioned()) {
        if (!point1.IsValued())
            m_Dialog.FocusValue(1);
        else if (!point2.IsValued())
            m_Dialog.FocusValue(2);
        return std::make_unique<CAxeWaitState>(m_Dialog);
    }
    m_Dialog.EnablePoint(2, true);
    m_Dialog.FocusValue(2);
    return std::make_unique<CAxePointPickingState>(m_Dialog, 2);
}

CAxeAbstractState::StatePtr CAxeDrawingState::OnDrawAxis()
{
    // The button toggles only once there is a line to keep.
    if (m_Axe.IsDefined())
        return std::make_unique<CAxeWaitState>(m_Dialog);
    m_Dialog.CheckDrawAxis(true);
    return nullptr;
}

CAxeAbstractState::StatePtr CAxeDrawingState::OnPickPosition(int nIndex)
{
    return std::make_unique<CAxePointPickingState>(m_Dialog, nIndex);
}
