#include "main/steps/densito/DensitoDlgPickState.h"

#include "main/steps/densito/DensitometryDialog.h"
#include "main/view/GraphMessage.h"
#include "main/view/PlotvaneView.h"

void CDensitoDlgPickState::Enter()
{
    m_Dialog.CheckButtons(false, m_bTop, !m_bTop);
    m_Dialog.SetCursorKind(CURSOR_PIPETTE);
}

CDensitoDlgAbstractState::StatePtr CDensitoDlgPickState::OnPickButton(bool bTop)
{
    if (bTop == m_bTop)
        return Resting();
    return CDensitoDlgAbstractState::OnPickButton(bTop);
}

CDensitoDlgAbstractState::StatePtr CDensitoDlgPickState::OnButtonUp(unsigned /*nFlags*/, CPoint point)
{
    m_Dialog.SetScaleColor(m_bTop, m_Dialog.GetView().GetPixelColor(point));
    return Resting();
}
