#pragma once

#include <QDoubleSpinBox>

// The decimal field with arrows of the dialogs (the scan area's millimetres): it takes the
// interface language's decimal separator and the point alike, and refuses any other
// character visibly, as every number field does.
class CDecimalSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit CDecimalSpinBox(QWidget* pParent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
};
