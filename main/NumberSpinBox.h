#pragma once

#include <QSpinBox>

// The whole-number field with arrows of the dialogs (thicknesses, ranges, distances,
// pages, resolutions): a character that is not a digit (nor a minus sign where the range
// goes below 0) is refused visibly, as in every number field.
class CNumberSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit CNumberSpinBox(QWidget* pParent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
};
