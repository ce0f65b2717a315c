#include "main/fields/DecimalSpinBox.h"

#include <QKeyEvent>

#include "main/fields/NumberFieldHint.h"

CDecimalSpinBox::CDecimalSpinBox(QWidget* pParent) : QDoubleSpinBox(pParent) {}

void CDecimalSpinBox::keyPressEvent(QKeyEvent* pEvent)
{
    const QChar c = CNumberFieldHint::TypedCharacter(*pEvent);
    const QChar separator = CNumberFieldHint::DecimalSeparator();
    if (c.isNull() || c.isDigit() || c == separator || (c == QLatin1Char('-') && minimum() < 0)) {
        QDoubleSpinBox::keyPressEvent(pEvent);
        return;
    }
    if (c == QLatin1Char('.')) {
        // The point is taken in every language, as the separator the field reads.
        QKeyEvent typed(pEvent->type(), pEvent->key(), pEvent->modifiers(), QString(separator));
        QDoubleSpinBox::keyPressEvent(&typed);
        pEvent->accept();
        return;
    }
    CNumberFieldHint::Refuse(*this, c, false);
    pEvent->accept();
}
