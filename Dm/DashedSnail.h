#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Dm/SnailAlgorithm.h"
#include "Dm/SnailQueue.h"

// Follower of a dashed line. It walks along a dash like the solid follower; where the dash
// ends it searches ahead, within the maximum distance between dashes (pixels), for the next
// dash, bridges the gap with a straight run of points (one a column) and, when the new dash
// lies on the side of the followed edge, follows it backwards to replace the bridge by the
// dash's real ink where that leads back onto the points already found. Points are found
// ahead of the consumer and kept in a queue of at most about maxDist + 1 points, so that a
// bridge can still be corrected before its points are handed out.
// Pixel coordinates as in CSnailAlgorithm. Owns its two queues, no pixels.
class CDashedSnail : public CSnailAlgorithm {
public:
    CDashedSnail(const CBmpManager& bmpManager, uint32_t threshold, bool bFollowTop, int maxDist);

    // False once the search has failed and every queued point has been handed out.
    bool Next(CPoint& point) override;
    // When the start pixel is not ink the walk is over at once: Next answers false.
    bool Start(CPoint& point, bool bLeftwards) override;

    int GetMaxDist() const { return m_nMaxDist; }
    bool IsFinished() const { return m_bFinished; }
    // Points found but not yet handed out.
    size_t GetQueuedCount() const { return m_Queue.size(); }

    // Appends to path the straight run from its back point (w, a) to target, one point a
    // column from w + step up to and including target.x: (x, a + trunc(slope * (x - w))).
    // Nothing when path is empty or target lies in the back point's column.
    template <class Path>
    static void Bridge(Path& path, const CPoint& target);

protected:
    // Finds points ahead until the queue holds more than m_nQueueLimit points or the line
    // cannot be found any more.
    void Fill();
    // Follows the new dash at the back of the queue backwards and, when it leads back onto
    // the queued points within half the dash distance, replaces the straight bridge by it.
    void BackCheck();

    int m_nHalfMaxDist = 0;
    bool m_bFinished = false;
    CSnailQueue m_Queue;
    std::vector<CPoint> m_BackPath;
    int m_nQueueLimit = 0;
    int m_nMaxDist = 0;
};

template <class Path>
void CDashedSnail::Bridge(Path& path, const CPoint& target)
{
    if (path.empty())
        return;
    const CPoint from = path.back();
    if (target.x == from.x)
        return;
    const int step = target.x > from.x ? 1 : -1;
    // In doubles: the differences of two pixel coordinates may exceed the int range.
    const double slope = (static_cast<double>(target.y) - from.y) / (static_cast<double>(target.x) - from.x);
    for (int64_t x = static_cast<int64_t>(from.x) + step;; x += step) {
        const double dy = slope * static_cast<double>(x - from.x);
        path.push_back(
            CPoint(static_cast<int32_t>(x), static_cast<int32_t>(from.y + static_cast<int64_t>(dy))));
        if (x == target.x)
            break;
    }
}
