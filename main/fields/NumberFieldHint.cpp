#include "main/fields/NumberFieldHint.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QToolTip>
#include <QWidget>
#include <string>

#include "main/adapters/QtText.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

QChar CNumberFieldHint::DecimalSeparator()
{
    // The interface's language sets the default locale when its resource loads.
    const QString strPoint = QLocale().decimalPoint();
    return strPoint.size() == 1 ? strPoint.at(0) : QLatin1Char('.');
}

QChar CNumberFieldHint::TypedCharacter(const QKeyEvent& event)
{
    const QString strText = event.text();
    if (strText.isEmpty() || !strText.at(0).isPrint() ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return QChar();
    return strText.at(0);
}

QString CNumberFieldHint::RefusalText(QChar c, bool bWholeNumber)
{
    QString strTakes;
    if (bWholeNumber)
        strTakes = QCoreApplication::translate("CNumberFieldHint",
                                               "This field takes a whole number, written with digits only.");
    else if (DecimalSeparator() == QLatin1Char('.'))
        strTakes = QCoreApplication::translate(
            "CNumberFieldHint",
            "A number is written with digits, a sign, the point \".\" and an exponent (e).");
    else
        strTakes =
            QCoreApplication::translate("CNumberFieldHint",
                                        "A number is written with digits, a sign, the decimal separator "
                                        "\"%1\" or the point, and an exponent (e).")
                .arg(DecimalSeparator());
    return QCoreApplication::translate("CNumberFieldHint", "\"%1\" cannot be typed here.").arg(c) +
           QLatin1Char('\n') + strTakes;
}

QString CNumberFieldHint::RangeText(int nMin, int nMax)
{
    return CQtText::ToQString(FormatWithStrings(CStringTable::Get(IDS_CLI_INTEGER_FIELD_RANGE),
                                                {std::to_string(nMin), std::to_string(nMax)}));
}

void CNumberFieldHint::Refuse(QWidget& field, QChar c, bool bWholeNumber)
{
    QApplication::beep();
    ShowBelow(field, RefusalText(c, bWholeNumber));
}

void CNumberFieldHint::ShowBelow(QWidget& field, const QString& strText)
{
    QToolTip::showText(field.mapToGlobal(QPoint(0, field.height())), strText, &field);
}
