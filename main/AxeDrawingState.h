#pragma once

#include "main/AxeAbstractState.h"

class CAxe;

// The axis dialog while the user draws the axis line: a rubber line follows the drag (with
// Shift, horizontal or vertical), and the release sets the axis line unless it is a mere
// click or runs parallel to the other axis.
class CAxeDrawingState : public CAxeAbstractState {
public:
    explicit CAxeDrawingState(CAxeDialog& dialog);

    void Enter() override;
    void UpdatePrompt() override;
    StatePtr OnScrollStop(unsigned nFlags, CPoint point) override;
    StatePtr OnButtonUp(unsigned nFlags, CPoint point) override;
    StatePtr OnDrag(unsigned nFlags, CPoint point) override;
    StatePtr OnButtonDown(unsigned nFlags, CPoint point) override;
    StatePtr OnDrawAxis() override;
    StatePtr OnPickPosition(int nIndex) override;
    void OnDialogHidden() override { EraseRubberLine(); }

    // With Shift held, the end of a line from start becomes horizontal or vertical,
    // whichever it is closer to (vertical at exactly 45 degrees).
    static CPoint Constrain(unsigned nFlags, CPoint start, CPoint point);

private:
    // Moves the end of the rubber line, taking the previous one away.
    void MoveRubberLine(CPoint end);
    void EraseRubberLine();
    // Where the dialog goes once the line is set: to the first scale point still to place.
    StatePtr NextAfterLine();

    CPoint m_Start;
    CPoint m_End;
    // The rubber line from m_Start to m_End is on the view.
    bool m_bShown = false;
    CAxe& m_Axe;
};
