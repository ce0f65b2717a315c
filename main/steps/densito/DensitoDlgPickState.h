#pragma once

#include "main/steps/densito/DensitoDlgAbstractState.h"

// The densitometry dialog waits for a click on the picture that gives the colour of the
// top or the bottom of its scale; its pick button is pressed.
class CDensitoDlgPickState : public CDensitoDlgAbstractState {
public:
    CDensitoDlgPickState(CDensitometryDialog& dialog, bool bTop)
        : CDensitoDlgAbstractState(dialog), m_bTop(bTop)
    {
    }

    void Enter() override;
    // The same pick button again leaves the pick.
    StatePtr OnPickButton(bool bTop) override;
    // The colour of the pixel under the point for this end, then the pick ends.
    StatePtr OnButtonUp(unsigned nFlags, CPoint point) override;

    bool IsTop() const { return m_bTop; }

private:
    bool m_bTop;
};
