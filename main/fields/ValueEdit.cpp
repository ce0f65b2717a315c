#include "main/fields/ValueEdit.h"

#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>

#include "main/fields/NumberFieldHint.h"
#include "platform/NumberFormat.h"

CValueEdit::CValueEdit(QWidget* pParent) : QLineEdit(pParent) {}

bool CValueEdit::IsAccepted(QChar c)
{
    return c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('.') ||
           c == CNumberFieldHint::DecimalSeparator() || c == QLatin1Char('E') || c == QLatin1Char('e') ||
           c == QChar(0x08) || c == QChar(0x7F);
}

double CValueEdit::ParseValue(const QString& strText)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    QString strNumber = strText;
    // "10,5" typed in French is ten and a half, as "10.5" is.
    strNumber.replace(CNumberFieldHint::DecimalSeparator(), QLatin1Char('.'));
    const QRegularExpressionMatch match = number.match(strNumber);
    if (!match.hasMatch())
        return 0.0;
    bool bOk = false;
    const double dValue = QLocale::c().toDouble(match.captured(0).trimmed(), &bOk);
    return bOk ? dValue : 0.0;
}

double CValueEdit::GetValue() const
{
    return ParseValue(text());
}

void CValueEdit::SetValue(double dValue)
{
    setText(QString::fromStdString(FormatG(dValue)));
}

double CValueEdit::TakeValue()
{
    const double dValue = GetValue();
    clear();
    return dValue;
}

void CValueEdit::keyPressEvent(QKeyEvent* pEvent)
{
    // Keys without a character (arrows, Home, shortcuts) go through; of the characters only
    // those of a number do, and the others are refused where the user sees it.
    const QChar c = CNumberFieldHint::TypedCharacter(*pEvent);
    if (!c.isNull() && !(m_bWholeNumber ? c.isDigit() : IsAccepted(c))) {
        CNumberFieldHint::Refuse(*this, c, m_bWholeNumber);
        pEvent->accept();
        return;
    }
    QLineEdit::keyPressEvent(pEvent);
}

void CValueEdit::focusInEvent(QFocusEvent* pEvent)
{
    QLineEdit::focusInEvent(pEvent);
    emit FocusChanged(true);
}

void CValueEdit::focusOutEvent(QFocusEvent* pEvent)
{
    QLineEdit::focusOutEvent(pEvent);
    emit FocusChanged(false);
}
