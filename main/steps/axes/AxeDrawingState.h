#pragma once

#include "main/steps/axes/AxeAbstractState.h"
#include "main/view/RubberLine.h"

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
    void OnDialogHidden() override { m_Line.Erase(); }

    static CPoint Constrain(unsigned nFlags, CPoint start, CPoint point)
    {
        return CRubberLine::Constrain(nFlags, start, point);
    }

private:
    // Where the dialog goes once the line is set: to the first scale point still to place.
    StatePtr NextAfterLine();

    CRubberLine m_Line;
    CAxe& m_Axe;
};
