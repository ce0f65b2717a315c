#pragma once

#include <memory>

#include <QString>

#include "platform/Point.h"

class CAxeDialog;

// What the mouse and the buttons of the axis dialog do in one state of the dialog. A
// handler returns the state to go to, or null to stay; the dialog then replaces the current
// state, so that no handler outlives its own state object.
class CAxeAbstractState {
public:
    using StatePtr = std::unique_ptr<CAxeAbstractState>;

    explicit CAxeAbstractState(CAxeDialog& dialog) : m_Dialog(dialog) {}
    virtual ~CAxeAbstractState() = default;
    CAxeAbstractState(const CAxeAbstractState&) = delete;
    CAxeAbstractState& operator=(const CAxeAbstractState&) = delete;

    // Called once the state has become the dialog's current one: the buttons checked, the
    // cursor and the prompt.
    virtual void Enter() = 0;
    // Writes what the user should do next into the prompt line.
    virtual void UpdatePrompt() = 0;

    virtual StatePtr OnScrollStop(unsigned /*nFlags*/, CPoint /*point*/) { return nullptr; }
    // The value of scale point nIndex was typed: stored (or cleared when the field is
    // empty), then the prompt, the Next button and the views follow.
    void OnValueChanged(int nIndex);
    virtual StatePtr OnButtonUp(unsigned /*nFlags*/, CPoint /*point*/) { return nullptr; }
    virtual StatePtr OnDrag(unsigned /*nFlags*/, CPoint /*point*/) { return nullptr; }
    virtual StatePtr OnButtonDown(unsigned /*nFlags*/, CPoint /*point*/) { return nullptr; }
    virtual StatePtr OnDrawAxis() = 0;
    virtual StatePtr OnPickPosition(int nIndex) = 0;
    // The dialog goes (a button pressed in the middle of a drag): what the state drew over
    // the view is taken away.
    virtual void OnDialogHidden() {}

protected:
    // A numbered text with "%d" (or "%d" twice) filled in.
    static QString Prompt(unsigned nId, int nFirst, int nSecond = 0);

    CAxeDialog& m_Dialog;
};
