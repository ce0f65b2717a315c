#pragma once

#include <QString>

class QWidget;

// The help popups of a dialog's controls. Every control that carries its number in the
// property "controlId" and has a text of that number in the string table shows the text
// as its tool tip, pale yellow (255, 255, 208), when the pointer rests on it. The keys of
// help (F1, Shift+F1) open the dialog's topic instead (CHelpWindow).
class CControlHelp {
public:
    static constexpr const char* kControlIdProperty = "controlId";

    // Gives the controls of pDialog their help texts.
    static void Install(QWidget* pDialog);
    // The help text of a control: its numbered string, empty without one.
    static QString TextOf(const QWidget* pControl);
};
