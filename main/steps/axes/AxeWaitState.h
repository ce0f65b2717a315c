#pragma once

#include "main/steps/axes/AxeAbstractState.h"

// The axis dialog with nothing to do by mouse: the buttons start drawing or picking, the
// prompt says what is still missing.
class CAxeWaitState : public CAxeAbstractState {
public:
    explicit CAxeWaitState(CAxeDialog& dialog) : CAxeAbstractState(dialog) {}

    void Enter() override;
    void UpdatePrompt() override;
    StatePtr OnDrawAxis() override;
    StatePtr OnPickPosition(int nIndex) override;
};
