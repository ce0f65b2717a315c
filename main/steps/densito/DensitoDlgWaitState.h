#pragma once

#include "main/steps/densito/DensitoDlgAbstractState.h"

// The densitometry dialog waits: the check buttons released, the mouse ignored.
class CDensitoDlgWaitState : public CDensitoDlgAbstractState {
public:
    using CDensitoDlgAbstractState::CDensitoDlgAbstractState;

    void Enter() override;
};
