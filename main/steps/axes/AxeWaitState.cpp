#include "main/steps/axes/AxeWaitState.h"

#include "Dm/ScalePoint.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/steps/axes/AxeDrawingState.h"
#include "main/steps/axes/AxePointPickingState.h"
#include "main/view/GraphMessage.h"
#include "main/adapters/QtText.h"
#include "main/fields/ValueEdit.h"
#include "platform/StringIds.h"

void CAxeWaitState::Enter()
{
    m_Dialog.CheckDrawAxis(false);
    m_Dialog.CheckPickPosition(1, false);
    m_Dialog.CheckPickPosition(2, false);
    m_Dialog.SetCursorKind(CURSOR_ARROW);
    UpdatePrompt();
}

void CAxeWaitState::UpdatePrompt()
{
    const int nFocus = m_Dialog.GetFocusedValueEdit();
    const bool bEmpty1 = m_Dialog.GetValueEdit(1)->IsEmpty();
    const bool bEmpty2 = m_Dialog.GetValueEdit(2)->IsEmpty();
    if (nFocus == 1 && bEmpty1)
        m_Dialog.SetPrompt(Prompt(IDS_ENTER_SCALE_VALUE, 1));
    else if (nFocus == 2 && bEmpty2)
        m_Dialog.SetPrompt(Prompt(IDS_ENTER_SCALE_VALUE, 2));
    else if (!m_Dialog.GetScalePoint(1).IsPositioned())
        m_Dialog.SetPrompt(Prompt(IDS_DEFINE_SCALE_POSITION, 1));
    else if (!m_Dialog.GetScalePoint(2).IsPositioned())
        m_Dialog.SetPrompt(Prompt(IDS_DEFINE_SCALE_POSITION, 2));
    else if (bEmpty1)
        m_Dialog.SetPrompt(Prompt(IDS_ENTER_SCALE_VALUE, 1));
    else if (bEmpty2)
        m_Dialog.SetPrompt(Prompt(IDS_ENTER_SCALE_VALUE, 2));
    else
        m_Dialog.SetPrompt(CQtText::String(IDS_READY));
}

CAxeAbstractState::StatePtr CAxeWaitState::OnDrawAxis()
{
    return std::make_unique<CAxeDrawingState>(m_Dialog);
}

CAxeAbstractState::StatePtr CAxeWaitState::OnPickPosition(int nIndex)
{
    return std::make_unique<CAxePointPickingState>(m_Dialog, nIndex);
}
