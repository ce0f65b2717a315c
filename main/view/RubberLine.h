#pragma once

#include "platform/Point.h"

class CPlotvaneView;

// The line that follows a drag on the graph view while a construction dialog draws a
// segment: drawn by inverting the screen under it, so that drawing it again takes it away.
// Positions in bitmap pixels.
class CRubberLine {
public:
    explicit CRubberLine(CPlotvaneView& view) : m_View(view) {}

    // A new line from point, not shown yet; the previous one taken away.
    void Start(CPoint point);
    // The end moves to end; the line is shown unless it is a single point.
    void MoveTo(CPoint end);
    // Takes the line away from the view (the ends stay).
    void Erase();
    // The end without showing the line.
    void SetEnd(CPoint end) { m_End = end; }

    CPoint GetStart() const { return m_Start; }
    CPoint GetEnd() const { return m_End; }

    // With Shift held, the end of a line from start becomes horizontal or vertical,
    // whichever it is closer to (vertical at exactly 45 degrees).
    static CPoint Constrain(unsigned nFlags, CPoint start, CPoint point);

private:
    CPlotvaneView& m_View;
    CPoint m_Start;
    CPoint m_End;
    bool m_bShown = false;  // the line from m_Start to m_End is on the view
};
