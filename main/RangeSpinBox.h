#pragma once

#include <QSpinBox>

// A whole-number field with a range that says why it refuses a number: typing a number
// outside the range, or leaving the field with one, shows "Please enter an integer between
// <minimum> and <maximum>." beside the field, and the field keeps a number of its range.
class CRangeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

    // The message that tells the range.
    QString RangeMessage() const;

protected:
    QValidator::State validate(QString& strInput, int& nPos) const override;
    void fixup(QString& strInput) const override;

private:
    // Shows the range message when strInput holds a number outside the range.
    void TellRangeIfOutside(const QString& strInput) const;
};
