#include "main/steps/axes/AxePointPickingState.h"

#include "Dm/Axe.h"
#include "Dm/Geometry.h"
#include "Dm/ScalePoint.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/steps/axes/AxeDrawingState.h"
#include "main/steps/axes/AxeWaitState.h"
#include "main/view/GraphMessage.h"
#include "main/fields/ValueEdit.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"

namespace {

int Other(int nIndex)
{
    return nIndex == 1 ? 2 : 1;
}

}  // namespace

CAxePointPickingState::CAxePointPickingState(CAxeDialog& dialog, int nIndex)
    : CAxeAbstractState(dialog),
      m_Point(dialog.GetScalePoint(nIndex)),
      m_OtherPoint(dialog.GetScalePoint(Other(nIndex))),
      m_nIndex(nIndex)
{
}

void CAxePointPickingState::Enter()
{
    m_Dialog.CheckDrawAxis(false);
    m_Dialog.CheckPickPosition(m_nIndex, true);
    m_Dialog.CheckPickPosition(Other(m_nIndex), false);
    m_Dialog.SetCursorKind(CURSOR_CROSS);
    UpdatePrompt();
}

void CAxePointPickingState::UpdatePrompt()
{
    const int nOther = Other(m_nIndex);
    const int nFocus = m_Dialog.GetFocusedValueEdit();
    if (!m_Point.IsPositioned() && nFocus == nOther && m_Dialog.GetValueEdit(nOther)->IsEmpty())
        m_Dialog.SetPrompt(Prompt(IDS_ENTER_VALUE_AND_PICK, nOther, m_nIndex));
    else if (!m_Point.IsPositioned() && nFocus == m_nIndex && m_Dialog.GetValueEdit(m_nIndex)->IsEmpty())
        m_Dialog.SetPrompt(Prompt(IDS_PICK_AND_ENTER, m_nIndex));
    else
        m_Dialog.SetPrompt(Prompt(IDS_PICK_SCALE_POINT, m_nIndex));
}

CAxeAbstractState::StatePtr CAxePointPickingState::OnButtonUp(unsigned /*nFlags*/, CPoint point)
{
    if (const unsigned nRefusal = m_Dialog.GetAxe().CheckScalePoint(m_nIndex, point)) {
        AfxMessageBox(nRefusal, CMessageService::Icon::Information);
        return nullptr;
    }
    m_Point.SetPosition(point);
    m_Dialog.UpdateAllViews();
    m_Dialog.FocusValue(m_nIndex);
    m_Dialog.UpdateNextButton();
    if (m_OtherPoint.IsPositioned())
        return std::make_unique<CAxeWaitState>(m_Dialog);
    m_Dialog.EnablePoint(Other(m_nIndex), true);
    return std::make_unique<CAxePointPickingState>(m_Dialog, Other(m_nIndex));
}

CAxeAbstractState::StatePtr CAxePointPickingState::OnDrawAxis()
{
    return std::make_unique<CAxeDrawingState>(m_Dialog);
}

CAxeAbstractState::StatePtr CAxePointPickingState::OnPickPosition(int nIndex)
{
    if (nIndex == m_nIndex)
        return std::make_unique<CAxeWaitState>(m_Dialog);
    return std::make_unique<CAxePointPickingState>(m_Dialog, nIndex);
}
