#pragma once

#include <QLineEdit>

// The number field of the dialogs. Only the characters of a decimal number can be typed
// (digits, "+", "-", the point and the decimal separator of the interface's language, "E",
// "e"), or, in a whole-number field, digits only; any other character is refused with a tip
// that says what the field takes. The text is read as the number it begins with, either
// separator taken as the decimal one, 0 when it begins with none. Tells when it gains or
// loses the keyboard focus.
class CValueEdit : public QLineEdit {
    Q_OBJECT
    // Set in the dialogs' forms for the fields of whole numbers (colour components, counts).
    Q_PROPERTY(bool wholeNumber READ IsWholeNumber WRITE SetWholeNumber)
public:
    explicit CValueEdit(QWidget* pParent = nullptr);

    double GetValue() const;
    // Writes the value as "%g" does.
    void SetValue(double dValue);
    bool IsEmpty() const { return text().isEmpty(); }
    // Reads the value, then empties the field.
    double TakeValue();

    bool IsWholeNumber() const { return m_bWholeNumber; }
    void SetWholeNumber(bool bWholeNumber) { m_bWholeNumber = bWholeNumber; }

    // Whether a typed character may reach a decimal field.
    static bool IsAccepted(QChar c);
    // The number a text begins with, 0 when none.
    static double ParseValue(const QString& strText);

signals:
    void FocusChanged(bool bHasFocus);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;

private:
    bool m_bWholeNumber = false;
};
