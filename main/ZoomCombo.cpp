#include "main/ZoomCombo.h"

#include <algorithm>

#include <QLineEdit>

#include "main/NumberFieldHint.h"

CZoomCombo::CZoomCombo(QWidget* pParent) : QComboBox(pParent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CZoomCombo::KeepDigits);
    connect(lineEdit(), &QLineEdit::returnPressed, this, [this] {
        bool bOk = false;
        const int nPercent = currentText().toInt(&bOk);
        if (bOk && nPercent > 0)
            emit ZoomTyped(nPercent);
    });
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
