#pragma once

#include <QSpinBox>

// The whole-number field with arrows of the dialogs (thicknesses, ranges, distances,
// pages, resolutions). Nothing typed is refused in silence: a character that is not a digit
// (nor a minus sign where the range goes below 0) is refused with a tip saying what the
// field takes, and a number outside the range, typed or left in the field, with "Please
// enter an integer between <minimum> and <maximum>."; the field keeps a number of its range.
class CNumberSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit CNumberSpinBox(QWidget* pParent = nullptr);

    // The message that tells the range.
    QString RangeMessage() const;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    QValidator::State validate(QString& strInput, int& nPos) const override;
    void fixup(QString& strInput) const override;

private:
    // Shows the range message when strInput holds a number outside the range.
    void TellRangeIfOutside(const QString& strInput) const;
};
