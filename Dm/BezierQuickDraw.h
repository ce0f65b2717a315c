#pragma once

#include <cstddef>
#include <memory>

#include "platform/Point.h"

class CBezierNode;
class CDrawContext;

// The preview of a Bezier node being dragged: the one or two Bezier pieces next to the node
// and the node's handles and markers, drawn in inverted ink so that drawing the same preview
// again erases it and the picture underneath needs no repaint during the drag. Points are
// bitmap pixels. The neighbours' points are taken when the preview is built; the node's own
// points are refreshed at every drawing. The dragged node is not owned; the copy of it that
// was last drawn (kept to erase exactly what is on the screen) is.
class CBezierQuickDraw {
public:
    static constexpr size_t kMaxPoints = 7;

    explicit CBezierQuickDraw(const CBezierNode* pNode);
    virtual ~CBezierQuickDraw();
    CBezierQuickDraw(const CBezierQuickDraw&) = delete;
    CBezierQuickDraw& operator=(const CBezierQuickDraw&) = delete;

    // Erases the preview if it is on the screen, refreshes it from the node and draws it; the
    // pen colour matters little, as the inverting operation ignores it.
    void Draw(CDrawContext& dc, COLORREF color);

    const CBezierNode* GetNode() const { return m_pNode; }
    bool IsOnScreen() const { return m_bOnScreen; }
    // The poly-Bezier: 1, 4 or 7 points from the back neighbour through the node to the front
    // neighbour.
    size_t GetPointCount() const { return m_nPointCount; }
    const CPoint* GetPoints() const { return m_Points; }

private:
    void Refresh();
    void Paint(CDrawContext& dc, COLORREF color) const;

    const CBezierNode* m_pNode;
    std::unique_ptr<CBezierNode> m_pNodeClone;
    CPoint m_Points[kMaxPoints];
    size_t m_nPointCount = 0;
    bool m_bBackSegment = false;
    bool m_bFrontSegment = false;
    bool m_bOnScreen = false;
};
