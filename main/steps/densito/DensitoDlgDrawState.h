#pragma once

#include "main/steps/densito/DensitoDlgAbstractState.h"
#include "main/view/RubberLine.h"

// The densitometry dialog draws its segment: button down starts it, moves stretch a rubber
// line (with Shift, exactly horizontal or vertical, whichever is nearer), button up stores
// it in the curve. "Draw segment " is pressed.
class CDensitoDlgDrawState : public CDensitoDlgAbstractState {
public:
    explicit CDensitoDlgDrawState(CDensitometryDialog& dialog);

    void Enter() override;
    // Pressed again: back to waiting.
    StatePtr OnDrawButton() override;
    StatePtr OnScrollStop(unsigned nFlags, CPoint point) override;
    StatePtr OnButtonUp(unsigned nFlags, CPoint point) override;
    StatePtr OnMouseMove(unsigned nFlags, CPoint point) override;
    StatePtr OnButtonDown(unsigned nFlags, CPoint point) override;
    void OnDialogHidden() override { m_Line.Erase(); }

private:
    CRubberLine m_Line;
};
