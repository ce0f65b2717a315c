#include "main/RangeSpinBox.h"

#include <QTimer>
#include <QToolTip>

#include "main/QtText.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

QString CRangeSpinBox::RangeMessage() const
{
    return CQtText::ToQString(FormatWithStrings(CStringTable::Get(IDS_CLI_INTEGER_FIELD_RANGE),
                                                {std::to_string(minimum()), std::to_string(maximum())}));
}

QValidator::State CRangeSpinBox::validate(QString& strInput, int& nPos) const
{
    const QValidator::State state = QSpinBox::validate(strInput, nPos);
    // A refused keystroke: the user sees why.
    if (state == QValidator::Invalid)
        TellRangeIfOutside(strInput);
    return state;
}

void CRangeSpinBox::fixup(QString& strInput) const
{
    // Left with a number that cannot stay (0 in 1 … 32): the field takes back its value.
    TellRangeIfOutside(strInput);
    QSpinBox::fixup(strInput);
}

void CRangeSpinBox::TellRangeIfOutside(const QString& strInput) const
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
    auto* pThis = const_cast<CRangeSpinBox*>(this);
    QTimer::singleShot(0, pThis, [pThis] {
        QToolTip::showText(pThis->mapToGlobal(QPoint(0, pThis->height())), pThis->RangeMessage(), pThis);
    });
}
