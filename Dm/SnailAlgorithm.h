#pragma once

#include <cstdint>

#include "platform/Point.h"

class CBmpManager;

// A line follower: turns a drawn line of the working bitmap into pixel points, one a column,
// from a start pixel on the line walking column by column to the left or to the right. Every
// point lies on the followed edge of the line: its top (smallest y of the ink run in the
// column) or its bottom (largest y). Coordinates are bitmap pixels, (0, 0) top-left, y down.
// Pixels are read only through the bitmap manager's column primitives and ink test with the
// threshold colour (a pixel word 0xAARRGGBB). The manager is not owned and must outlive the
// follower; the follower holds no pixels, so the manager may change its bitmap between walks.
//
// Calling order: Start once, then Next until it returns false or the caller stops. Start may
// be called again at any time; it discards everything of the previous walk. Each point from
// Next lies exactly one column beyond the previous one in the direction of travel.
class CSnailAlgorithm {
public:
    CSnailAlgorithm(const CBmpManager& bmpManager, uint32_t threshold, bool bFollowTop);
    virtual ~CSnailAlgorithm();
    CSnailAlgorithm(const CSnailAlgorithm&) = delete;
    CSnailAlgorithm& operator=(const CSnailAlgorithm&) = delete;

    // The next point of the walk into point; false, point unchanged, when the walk has ended.
    virtual bool Next(CPoint& point) = 0;
    // Places the follower on the line at point (snapped onto the followed edge when the
    // pixel is ink) and sets the direction. True when the start pixel is ink. The base only
    // answers false.
    virtual bool Start(CPoint& point, bool bLeftwards);

    // Whether a step also crosses to a pixel of the next column that touches the current one
    // only at a corner, as lines drawn pixel by pixel one pixel thick join; off at
    // construction, and then the walks are exactly those of the edge primitives alone.
    void SetCornerJoins(bool bCornerJoins) { m_bCornerJoins = bCornerJoins; }
    bool IsCornerJoins() const { return m_bCornerJoins; }
    bool IsLeftwards() const { return m_bLeftwards; }
    bool IsFollowTop() const { return m_bFollowTop; }
    uint32_t GetThreshold() const { return m_Threshold; }
    const CBmpManager& GetBmpManager() const { return *m_pBmpManager; }

protected:
    bool m_bLeftwards = true;
    bool m_bFollowTop = true;
    bool m_bCornerJoins = false;
    uint32_t m_Threshold = 0;
    const CBmpManager* m_pBmpManager = nullptr;
};
