#include "Dm/SnailAlgorithm.h"

CSnailAlgorithm::CSnailAlgorithm(const CBmpManager& bmpManager, uint32_t threshold, bool bFollowTop)
    : m_bFollowTop(bFollowTop), m_Threshold(threshold), m_pBmpManager(&bmpManager)
{
}

CSnailAlgorithm::~CSnailAlgorithm() = default;

bool CSnailAlgorithm::Start(CPoint& /*point*/, bool /*bLeftwards*/)
{
    return false;
}
