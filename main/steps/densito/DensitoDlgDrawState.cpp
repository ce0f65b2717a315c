#include "main/steps/densito/DensitoDlgDrawState.h"

#include "Dm/DensityCurve.h"
#include "main/steps/densito/DensitoDlgWaitState.h"
#include "main/steps/densito/DensitometryDialog.h"
#include "main/view/GraphMessage.h"

CDensitoDlgDrawState::CDensitoDlgDrawState(CDensitometryDialog& dialog)
    : CDensitoDlgAbstractState(dialog), m_Line(dialog.GetView())
{
}

void CDensitoDlgDrawState::Enter()
{
    m_Dialog.CheckButtons(true, false, false);
    m_Dialog.SetCursorKind(CURSOR_CROSS);
}

CDensitoDlgAbstractState::StatePtr CDensitoDlgDrawState::OnDrawButton()
{
    m_Line.Erase();
    return std::make_unique<CDensitoDlgWaitState>(m_Dialog);
}

CDensitoDlgAbstractState::StatePtr CDensitoDlgDrawState::OnButtonDown(unsigned /*nFlags*/, CPoint point)
{
    m_Line.Start(point);
    return nullptr;
}

CDensitoDlgAbstractState::StatePtr CDensitoDlgDrawState::OnMouseMove(unsigned nFlags, CPoint point)
{
    m_Line.MoveTo(CRubberLine::Constrain(nFlags, m_Line.GetStart(), point));
    return nullptr;
}

CDensitoDlgAbstractState::StatePtr CDensitoDlgDrawState::OnScrollStop(unsigned /*nFlags*/, CPoint point)
{
    m_Line.MoveTo(point);
    return nullptr;
}

CDensitoDlgAbstractState::StatePtr CDensitoDlgDrawState::OnButtonUp(unsigned nFlags, CPoint point)
{
    m_Line.Erase();
    const CPoint start = m_Line.GetStart();
    const CPoint end = CRubberLine::Constrain(nFlags, start, point);
    if (end == start)
        return nullptr;
    m_Dialog.GetCurve().SetSegment(start, end);
    m_Dialog.OnSegmentDrawn();
    return std::make_unique<CDensitoDlgWaitState>(m_Dialog);
}
