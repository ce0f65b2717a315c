#include "main/NumberSpinBox.h"

#include <QKeyEvent>

#include "main/NumberFieldHint.h"

CNumberSpinBox::CNumberSpinBox(QWidget* pParent) : QSpinBox(pParent) {}

void CNumberSpinBox::keyPressEvent(QKeyEvent* pEvent)
{
    const QChar c = CNumberFieldHint::TypedCharacter(*pEvent);
    const bool bTakes = c.isNull() || c.isDigit() || (c == QLatin1Char('-') && minimum() < 0);
    if (!bTakes) {
        CNumberFieldHint::Refuse(*this, c, true);
        pEvent->accept();
        return;
    }
    QSpinBox::keyPressEvent(pEvent);
}
