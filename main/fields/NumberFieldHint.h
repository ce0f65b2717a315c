#pragma once

#include <QChar>
#include <QString>

class QKeyEvent;
class QWidget;

// What the number fields of the dialogs share: the decimal separator of the interface's
// language, and the visible refusal of a typed character a field cannot take (a tip under
// the field saying what may be typed, and the bell), so that nothing typed is dropped in
// silence.
class CNumberFieldHint {
public:
    // The decimal separator of the interface's language ("," in French); the point is
    // always taken as well.
    static QChar DecimalSeparator();
    // The character a key event would type, or a null QChar for keys that type none
    // (arrows, shortcuts, Enter).
    static QChar TypedCharacter(const QKeyEvent& event);
    // Tells the user at field that c was refused, and what the field takes.
    static void Refuse(QWidget& field, QChar c, bool bWholeNumber);
    // Shows strText in a tip under field.
    static void ShowBelow(QWidget& field, const QString& strText);
    // The text of that tip.
    static QString RefusalText(QChar c, bool bWholeNumber);
    // The tip of a whole number beyond nMin ... nMax: "Please enter an integer between ...".
    static QString RangeText(int nMin, int nMax);
};
