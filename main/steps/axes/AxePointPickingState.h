#pragma once

#include "main/steps/axes/AxeAbstractState.h"

class CScalePoint;

// The axis dialog while the user places one scale point: a click puts it on the axis line
// (projected onto it), unless it would land on the other scale point.
class CAxePointPickingState : public CAxeAbstractState {
public:
    // nIndex: the scale point to place, 1 or 2.
    CAxePointPickingState(CAxeDialog& dialog, int nIndex);

    int GetIndex() const { return m_nIndex; }

    void Enter() override;
    void UpdatePrompt() override;
    StatePtr OnButtonUp(unsigned nFlags, CPoint point) override;
    StatePtr OnDrawAxis() override;
    StatePtr OnPickPosition(int nIndex) override;

private:
    CScalePoint& m_Point;
    CScalePoint& m_OtherPoint;
    int m_nIndex;
};
