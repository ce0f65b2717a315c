#include "main/fields/ColorScaleButton.h"

#include <QPainter>

#include "Dm/ColorScale.h"
#include "main/fields/ColoredButton.h"

CColorScaleButton::CColorScaleButton(QWidget* pParent) : QPushButton(pParent)
{
    setAutoDefault(false);
}

void CColorScaleButton::SetTopColor(uint32_t color)
{
    m_TopColor = color;
    update();
}

void CColorScaleButton::SetBottomColor(uint32_t color)
{
    m_BottomColor = color;
    update();
}

uint32_t CColorScaleButton::RowColor(uint32_t top, uint32_t bottom, int nRow, int nRows)
{
    const double dPart = static_cast<double>(nRow) / nRows;
    const auto channel = [dPart](int nTop, int nBottom) {
        return static_cast<uint8_t>(nTop + static_cast<int>(dPart * (nBottom - nTop)));
    };
    return CColorScale::MakePixel(channel(CColorScale::Red(top), CColorScale::Red(bottom)),
                                  channel(CColorScale::Green(top), CColorScale::Green(bottom)),
                                  channel(CColorScale::Blue(top), CColorScale::Blue(bottom)));
}

void CColorScaleButton::paintEvent(QPaintEvent* pEvent)
{
    QPushButton::paintEvent(pEvent);
    const QRect face = rect().adjusted(2, 2, -2, -2);
    if (face.height() <= 0)
        return;
    QPainter painter(this);
    for (int nRow = 0; nRow < face.height(); ++nRow) {
        painter.setPen(CColoredButton::ToQColor(RowColor(m_TopColor, m_BottomColor, nRow, face.height())));
        painter.drawLine(face.left(), face.top() + nRow, face.right(), face.top() + nRow);
    }
}
