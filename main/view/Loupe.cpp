#include "main/view/Loupe.h"

#include <algorithm>
#include <utility>

#include <QPainter>

CLoupe::CLoupe(std::function<unsigned(CPoint)> pixelColor, QWidget* pParent)
    : QWidget(pParent, Qt::ToolTip | Qt::FramelessWindowHint), m_PixelColor(std::move(pixelColor))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    const int nSide = (2 * kRadius + 1) * kScale + 2;
    setFixedSize(nSide, nSide);
    hide();
}

QPoint CLoupe::PlaceBeside(QPoint client, QSize loupe, QSize parent)
{
    // Below and to the right of the pointer where it fits, else above or to the left; in a
    // window too small for either, on the side where more of it shows. Never over the
    // pointer.
    const auto place = [](int nPointer, int nSide, int nParent) {
        const int nAfter = nPointer + kOffset;
        const int nBefore = nPointer - kOffset - nSide;
        if (nAfter + nSide <= nParent || (nBefore < 0 && nParent - nAfter >= nPointer - kOffset))
            return nAfter;
        return nBefore;
    };
    return QPoint(place(client.x(), loupe.width(), parent.width()),
                  place(client.y(), loupe.height(), parent.height()));
}

void CLoupe::ShowAt(const QWidget& area, QPoint client, CPoint pixel)
{
    // Called on every move of the pointer: the window is raised only when it appears, and
    // painted again only when it shows other pixels.
    move(area.mapToGlobal(PlaceBeside(client, size(), area.size())));
    if (!isVisible()) {
        show();
        raise();
    }
    if (pixel != m_Pixel) {
        m_Pixel = pixel;
        update();
    }
}

void CLoupe::paintEvent(QPaintEvent* /*pEvent*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::darkGray);
    for (int dy = -kRadius; dy <= kRadius; ++dy) {
        for (int dx = -kRadius; dx <= kRadius; ++dx) {
            const unsigned word = m_PixelColor(CPoint(m_Pixel.x + dx, m_Pixel.y + dy));
            // Beyond the bitmap: the window's background, hatched.
            const bool bOutside = word == kOutside;
            const QRect square(1 + (dx + kRadius) * kScale, 1 + (dy + kRadius) * kScale, kScale - 1,
                               kScale - 1);
            if (bOutside)
                painter.fillRect(square, QBrush(Qt::lightGray, Qt::BDiagPattern));
            else
                painter.fillRect(square, QColor::fromRgb(word | 0xFF000000u));
        }
    }
    // The pointed pixel: outlined in black and white, visible on any colour.
    const QRect centre(1 + kRadius * kScale - 1, 1 + kRadius * kScale - 1, kScale, kScale);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(centre);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(centre.adjusted(-1, -1, 1, 1));
}
