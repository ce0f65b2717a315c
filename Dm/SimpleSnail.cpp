#include "Dm/SimpleSnail.h"

#include "Dm/BmpManager.h"

CSimpleSnail::CSimpleSnail(const CBmpManager& bmpManager, uint32_t threshold, bool bFollowTop)
    : CSnailAlgorithm(bmpManager, threshold, bFollowTop)
{
}

bool CSimpleSnail::Start(CPoint& point, bool bLeftwards)
{
    m_bLeftwards = bLeftwards;
    m_Current = point;
    const bool bFound = m_pBmpManager->SnapToEdge(m_Current, m_bFollowTop, m_Threshold);
    if (bFound)
        point = m_Current;
    return bFound;
}

bool CSimpleSnail::Next(CPoint& point)
{
    if (!m_pBmpManager->StepToNextColumn(m_Current, m_bLeftwards, m_bFollowTop, m_Threshold, m_bCornerJoins))
        return false;
    point = m_Current;
    return true;
}
