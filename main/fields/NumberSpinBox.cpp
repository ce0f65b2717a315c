#include "main/fields/NumberSpinBox.h"

#include <QKeyEvent>
#include <QTimer>

#include "main/fields/NumberFieldHint.h"

CNumberSpinBox::CNumberSpinBox(QWidget* pParent) : QSpinBox(pParent) {}

QString CNumberSpinBox::RangeMessage() const
{
    return CNumberFieldHint::RangeText(minimum(), maximum());
}

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

QValidator::State CNumberSpinBox::validate(QString& strInput, int& nPos) const
{
    const QValidator::State state = QSpinBox::validate(strInput, nPos);
    // A refused keystroke: the user sees why.
    if (state == QValidator::Invalid)
        TellRangeIfOutside(strInput);
    return state;
}

void CNumberSpinBox::fixup(QString& strInput) const
{
    // Left with a number that cannot stay (0 in 1 … 32): the field takes back its value.
    TellRangeIfOutside(strInput);
    QSpinBox::fixup(strInput);
}

void CNumberSpinBox::TellRangeIfOutside(const QString& strInput) const
{
    QString strNumber = strInput;
    if (!prefix().isEmpty() && strNumber.startsWith(prefix()))
        strNumber.remove(0, prefix().size());
    if (!suffix().isEmpty() && strNumber.endsWith(suffix()))
        strNumber.chop(suffix().size());
    bool bOk = false;
    const qlonglong nValue = locale().toLongLong(strNumber.trimmed(), &bOk);
    if (!bOk || (nValue >= minimum() && nValue <= maximum()))
        return;
    // Once the keystroke or the change of focus is over: a change of focus hides the tips.
    auto* pThis = const_cast<CNumberSpinBox*>(this);
    QTimer::singleShot(0, pThis, [pThis] { CNumberFieldHint::ShowBelow(*pThis, pThis->RangeMessage()); });
}
