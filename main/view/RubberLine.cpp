#include "main/view/RubberLine.h"

#include <cstdlib>

#include "main/view/GraphMessage.h"
#include "main/view/PlotvaneView.h"

void CRubberLine::Start(CPoint point)
{
    Erase();
    m_Start = point;
    m_End = point;
}

void CRubberLine::MoveTo(CPoint end)
{
    Erase();
    m_End = end;
    if (m_End != m_Start) {
        m_View.InvertLine(m_Start, m_End);
        m_bShown = true;
    }
}

void CRubberLine::Erase()
{
    if (m_bShown)
        m_View.InvertLine(m_Start, m_End);
    m_bShown = false;
}

CPoint CRubberLine::Constrain(unsigned nFlags, CPoint start, CPoint point)
{
    if (nFlags & MK_SHIFT) {
        if (std::abs(point.y - start.y) < std::abs(point.x - start.x))
            point.y = start.y;
        else
            point.x = start.x;
    }
    return point;
}
