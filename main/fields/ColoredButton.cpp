#include "main/fields/ColoredButton.h"

#include <QPainter>

#include "Dm/ColorScale.h"

CColoredButton::CColoredButton(QWidget* pParent) : QPushButton(pParent)
{
    setAutoDefault(false);
}

void CColoredButton::SetColor(uint32_t color)
{
    m_Color = color | 0xFF000000u;
    update();
}

QColor CColoredButton::ToQColor(uint32_t color)
{
    return QColor(CColorScale::Red(color), CColorScale::Green(color), CColorScale::Blue(color));
}

void CColoredButton::paintEvent(QPaintEvent* pEvent)
{
    QPushButton::paintEvent(pEvent);
    QPainter painter(this);
    painter.fillRect(rect().adjusted(2, 2, -2, -2),
                     isEnabled() ? ToQColor(m_Color) : palette().button().color());
}
