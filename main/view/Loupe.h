#pragma once

#include <functional>

#include <QWidget>

#include "platform/Point.h"

// The magnifier that follows the pointer while a construction waits for a click on the
// picture: the bitmap pixels around the one under the pointer, each drawn as a square of
// kScale screen pixels with a thin grid, the pointed pixel outlined. A small window of its
// own, above the step dialogs, that takes neither the focus nor the mouse; it sits beside
// the pointer, on the side where it fits in the area it belongs to.
class CLoupe : public QWidget {
    Q_OBJECT
public:
    // Pixels shown on each side of the pointed one.
    static constexpr int kRadius = 7;
    static constexpr int kScale = 9;
    // Distance between the pointer and the loupe's nearest corner, in screen pixels.
    static constexpr int kOffset = 24;

    // What pixelColor answers for a pixel beyond the bitmap.
    static constexpr unsigned kOutside = 0xFFFFFFFFu;

    // pixelColor: the colour (0x00RRGGBB) of a bitmap pixel, kOutside beyond the bitmap.
    CLoupe(std::function<unsigned(CPoint)> pixelColor, QWidget* pParent);

    // Shows the pixels around pixel beside client, a position in area (the widget whose
    // part of the screen the loupe stays in).
    void ShowAt(const QWidget& area, QPoint client, CPoint pixel);
    CPoint GetPixel() const { return m_Pixel; }

    // The loupe's place beside client in a parent of the given size.
    static QPoint PlaceBeside(QPoint client, QSize loupe, QSize parent);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    std::function<unsigned(CPoint)> m_PixelColor;
    CPoint m_Pixel;
};
