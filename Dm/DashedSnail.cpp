#include "Dm/DashedSnail.h"

#include "Dm/BmpManager.h"

CDashedSnail::CDashedSnail(const CBmpManager& bmpManager, uint32_t threshold, bool bFollowTop, int maxDist)
    : CSnailAlgorithm(bmpManager, threshold, bFollowTop),
      m_nHalfMaxDist(maxDist / 2),
      // Next takes a point and then fills from the back of the queue, so the queue must hold
      // two points at least: with a dash distance of 1 or less it would be empty there, and
      // there would be no point to go on from.
      m_nQueueLimit(maxDist > 2 ? maxDist : 2),
      m_nMaxDist(maxDist)
{
}

bool CDashedSnail::Start(CPoint& point, bool bLeftwards)
{
    m_Queue.clear();
    m_BackPath.clear();
    m_bLeftwards = bLeftwards;
    const bool bFound = m_pBmpManager->SnapToEdge(point, m_bFollowTop, m_Threshold);
    m_bFinished = !bFound;
    // The start point seeds the walk but is handed back through point, not through Next.
    m_Queue.push_front(point);
    Fill();
    m_Queue.pop_front();
    return bFound;
}

bool CDashedSnail::Next(CPoint& point)
{
    if (m_Queue.empty())
        return false;
    point = m_Queue.front();
    m_Queue.pop_front();
    Fill();
    return true;
}

void CDashedSnail::Fill()
{
    const CBmpManager& bmp = *m_pBmpManager;
    while (!m_bFinished && !m_Queue.empty() && m_Queue.size() <= static_cast<size_t>(m_nQueueLimit)) {
        CPoint last = m_Queue.back();
        if (bmp.StepToNextColumn(last, m_bLeftwards, m_bFollowTop, m_Threshold, m_bCornerJoins)) {
            m_Queue.push_back(last);
            continue;
        }
        // Only a dash at least one column ahead can continue the walk: ink found in the
        // column of the last point (straight above or below it) would bridge nothing, leave
        // the queue as it is and make the next pass repeat this very search for ever.
        CPoint dash = bmp.FindNextDash(last, m_bLeftwards, m_nMaxDist, m_Threshold, true);
        if (dash == last) {
            m_bFinished = true;
            break;
        }
        bmp.SnapToEdge(dash, m_bFollowTop, m_Threshold);
        Bridge(m_Queue, dash);
        // The new dash lies on the side of the followed edge: the bridge may have cut
        // across ink that the dash's own edge follows better.
        if ((dash.y >= last.y && !m_bFollowTop) || (dash.y < last.y && m_bFollowTop))
            BackCheck();
    }
}

void CDashedSnail::BackCheck()
{
    const CBmpManager& bmp = *m_pBmpManager;
    m_BackPath.clear();
    m_BackPath.push_back(m_Queue.back());
    if (m_nHalfMaxDist <= 0)
        return;
    for (int pass = 1; pass <= m_nHalfMaxDist; ++pass) {
        CPoint here = m_BackPath.back();
        if (bmp.StepToNextColumn(here, !m_bLeftwards, m_bFollowTop, m_Threshold)) {
            m_BackPath.push_back(here);
            continue;
        }
        // The new dash ends here going backwards: look back across its gap for the points
        // already queued.
        const CPoint back = bmp.FindNextDash(here, !m_bLeftwards, m_nMaxDist, m_Threshold);
        if (back == here)
            return;
        if (!((back.y > here.y && m_bFollowTop) || (back.y <= here.y && !m_bFollowTop)))
            return;
        const int64_t columns = static_cast<int64_t>(back.x) - m_Queue.back().x;
        const size_t gap = static_cast<size_t>(columns < 0 ? -columns : columns);
        const size_t n = m_Queue.size();
        if (gap > static_cast<size_t>(m_nHalfMaxDist) || gap >= n || back != m_Queue[n - 1 - gap])
            return;
        Bridge(m_BackPath, back);
        // The back path covers every column from the bridge end back to the queued point
        // met: it takes the place of as many queued points, in walk order.
        m_Queue.pop_back(m_BackPath.size());
        for (auto it = m_BackPath.rbegin(); it != m_BackPath.rend(); ++it)
            m_Queue.push_back(*it);
        return;
    }
}
