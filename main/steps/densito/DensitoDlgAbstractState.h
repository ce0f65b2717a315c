#pragma once

#include <memory>

#include "platform/Point.h"

class CDensitometryDialog;

// What the mouse and the three check buttons of the densitometry dialog do in one state:
// waiting, drawing the segment, or picking the colour of one end of the scale. A handler
// returns the state to go to, or null to stay; the dialog then replaces the current state,
// which sets the check buttons and the cursor as it starts.
class CDensitoDlgAbstractState {
public:
    using StatePtr = std::unique_ptr<CDensitoDlgAbstractState>;

    explicit CDensitoDlgAbstractState(CDensitometryDialog& dialog) : m_Dialog(dialog) {}
    virtual ~CDensitoDlgAbstractState() = default;
    CDensitoDlgAbstractState(const CDensitoDlgAbstractState&) = delete;
    CDensitoDlgAbstractState& operator=(const CDensitoDlgAbstractState&) = delete;

    // Called once the state is the dialog's current one: the check buttons and the cursor.
    virtual void Enter() = 0;

    // A pick button pressed: bTop for the top colour.
    virtual StatePtr OnPickButton(bool bTop);
    // "Draw segment " pressed.
    virtual StatePtr OnDrawButton();
    virtual StatePtr OnScrollStop(unsigned /*nFlags*/, CPoint /*point*/) { return nullptr; }
    virtual StatePtr OnButtonUp(unsigned /*nFlags*/, CPoint /*point*/) { return nullptr; }
    virtual StatePtr OnMouseMove(unsigned /*nFlags*/, CPoint /*point*/) { return nullptr; }
    virtual StatePtr OnButtonDown(unsigned /*nFlags*/, CPoint /*point*/) { return nullptr; }
    // The dialog goes in the middle of a drag: what the state drew over the view goes too.
    virtual void OnDialogHidden() {}

protected:
    // Where a finished pick goes: waiting once the curve has a segment, else drawing it.
    StatePtr Resting() const;

    CDensitometryDialog& m_Dialog;
};
