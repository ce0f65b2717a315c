#pragma once

#include <QLineEdit>

// The numeric field of the construction dialogs. Only the characters of a decimal number
// can be typed (digits, "+", "-", ".", "E", "e", backspace and delete); the text is read as
// the number it begins with, 0 when it begins with none. Tells when it gains or loses the
// keyboard focus.
class CValueEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CValueEdit(QWidget* pParent = nullptr);

    double GetValue() const;
    // Writes the value as "%g" does.
    void SetValue(double dValue);
    bool IsEmpty() const { return text().isEmpty(); }
    // Reads the value, then empties the field.
    double TakeValue();

    // Whether a typed character may reach the field.
    static bool IsAccepted(QChar c);
    // The number a text begins with, 0 when none.
    static double ParseValue(const QString& strText);

signals:
    void FocusChanged(bool bHasFocus);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
};
