#pragma once

#include <QString>

class QWidget;

// The help popups of a dialog's controls. Every control that carries its number in the
// property "controlId" and has a text of that number in the string table shows the text
// when the user asks for help on it: F1 on the focused control, or the title bar's help
// button ("What's This?") and a click on the control. The popup sits at the pointer, pale
// yellow (255, 255, 208).
class CControlHelp {
public:
    static constexpr const char* kControlIdProperty = "controlId";

    // Gives the controls of pDialog their help texts and makes F1 show them.
    static void Install(QWidget* pDialog);
    // The help text of a control: its numbered string, empty without one.
    static QString TextOf(const QWidget* pControl);
};
