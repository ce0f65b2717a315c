#pragma once

#include <string>

#include "platform/Point.h"

class CSplineCurve;
class CSplineDialog;

// One tool of the spline dialog: it receives the view's mouse messages while it is the
// dialog's current tool and edits the spline curve with them. Every tool moves the active
// node while the mouse is dragged, drawing the preview of the two pieces next to it in
// inverted ink, and ends the move on release; what a press does is the tool's own. Neither
// the dialog nor the curve is owned.
class CSplineDlgAbstractTool {
public:
    CSplineDlgAbstractTool(CSplineDialog& dialog, CSplineCurve& curve);
    virtual ~CSplineDlgAbstractTool();
    CSplineDlgAbstractTool(const CSplineDlgAbstractTool&) = delete;
    CSplineDlgAbstractTool& operator=(const CSplineDlgAbstractTool&) = delete;

    // The comment line that explains the tool.
    virtual std::string GetComment() const = 0;
    // The tool's place in the row of buttons (0 to 4).
    virtual int GetToolIndex() const = 0;
    // Ends the move of the active node and forgets the preview.
    virtual void OnButtonUp(const CPoint& point, bool bShift, bool bCtrl);
    // Moves the active node and draws its preview.
    virtual void OnDrag(const CPoint& point, bool bShift, bool bCtrl);
    virtual void OnButtonDown(const CPoint& point, bool bShift, bool bCtrl) = 0;

protected:
    // Draws the preview of the active node on the view (nothing without one).
    void DrawPreview(const CPoint& point);
    // Says why the click did nothing.
    static void ShowRefusal(unsigned nMessageId);
    // The same, and the rest of the drag is ignored.
    void Refuse(unsigned nMessageId);

    CSplineDialog& m_Dialog;
    CSplineCurve& m_Curve;
};
