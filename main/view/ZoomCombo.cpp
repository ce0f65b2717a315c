#include "main/view/ZoomCombo.h"

#include <algorithm>

#include <QLineEdit>

#include "main/fields/NumberFieldHint.h"

CZoomCombo::CZoomCombo(QWidget* pParent) : QComboBox(pParent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CZoomCombo::KeepDigits);
    connect(lineEdit(), &QLineEdit::returnPressed, this, &CZoomCombo::ApplyTyped);
}

void CZoomCombo::SetRange(int nMin, int nMax)
{
    m_nMin = nMin;
    m_nMax = nMax;
}

QString CZoomCombo::RangeMessage() const
{
    return CNumberFieldHint::RangeText(m_nMin, m_nMax);
}

void CZoomCombo::ApplyTyped()
{
    if (currentText().isEmpty())
        return;
    // Only digits are left in the field: a number too long for an int is beyond the range.
    bool bOk = false;
    const int nPercent = currentText().toInt(&bOk);
    if (bOk && nPercent >= m_nMin && nPercent <= m_nMax)
        emit ZoomTyped(nPercent);
    else
        CNumberFieldHint::ShowBelow(*this, RangeMessage());
}

void CZoomCombo::KeepDigits(const QString& strText)
{
    QString strDigits;
    QChar refused;
    for (QChar c : strText) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            strDigits += c;
        else if (refused.isNull())
            refused = c;
    }
    if (strDigits != strText) {
        CNumberFieldHint::Refuse(*this, refused, true);
        const int nCursor =
            lineEdit()->cursorPosition() - static_cast<int>(strText.size() - strDigits.size());
        lineEdit()->setText(strDigits);
        lineEdit()->setCursorPosition(std::max(0, nCursor));
    }
}
