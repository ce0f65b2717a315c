#include "qtdraw/ShrunkPicture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QRect>
#include <QTransform>

namespace {

// One row of shrunk pixels: out[i] takes source pixel columns[i] of row, as RGB32.
template <int BitsPerPixel>
void SampleRow(const uint8_t* row, const std::vector<int>& columns, const QRgb* palette, QRgb* out)
{
    for (const int x : columns) {
        if constexpr (BitsPerPixel == 1)
            *out++ = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
        else if constexpr (BitsPerPixel == 8)
            *out++ = palette[row[x]];
        else if constexpr (BitsPerPixel == 24)
            *out++ = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        else
            *out++ = reinterpret_cast<const uint32_t*>(row)[x] | 0xFF000000u;
    }
}

}  // namespace

QImage CShrunkPicture::Sample(const CPixelBufferView& bitmap, const QRect& area, const QTransform& toDevice,
                              const QRect& device)
{
    QRgb palette[256] = {};
    for (int i = 0; i < std::min(256, bitmap.paletteEntries); ++i) {
        const uint8_t* entry = bitmap.palette + 4 * i;
        palette[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    const QTransform toSource = toDevice.inverted();
    QImage image(device.size(), QImage::Format_RGB32);
    std::vector<int> columns(static_cast<size_t>(device.width()));
    for (int dx = 0; dx < device.width(); ++dx) {
        const double sx = toSource.map(QPointF(device.left() + dx + 0.5, 0)).x();
        columns[static_cast<size_t>(dx)] =
            std::clamp(static_cast<int>(std::floor(sx)), area.left(), area.right());
    }
    auto* pSampleRow = &SampleRow<32>;
    if (bitmap.bitsPerPixel == 1)
        pSampleRow = &SampleRow<1>;
    else if (bitmap.bitsPerPixel == 8)
        pSampleRow = &SampleRow<8>;
    else if (bitmap.bitsPerPixel == 24)
        pSampleRow = &SampleRow<24>;
    for (int dy = 0; dy < device.height(); ++dy) {
        const double sy = toSource.map(QPointF(0, device.top() + dy + 0.5)).y();
        const uint8_t* row =
            bitmap.Row(std::clamp(static_cast<int>(std::floor(sy)), area.top(), area.bottom()));
        pSampleRow(row, columns, palette, reinterpret_cast<QRgb*>(image.scanLine(dy)));
    }
    return image;
}

const QImage& CShrunkPicture::Get(const CPixelBufferView& bitmap, double scaleX, double scaleY)
{
    if (!m_Image.isNull() && m_Source.bits == bitmap.bits && m_Source.width == bitmap.width &&
        m_Source.height == bitmap.height && m_Source.stride == bitmap.stride &&
        m_Source.bitsPerPixel == bitmap.bitsPerPixel && m_Source.palette == bitmap.palette &&
        m_ScaleX == scaleX && m_ScaleY == scaleY)
        return m_Image;
    m_Image = QImage();
    const QTransform shrink = QTransform::fromScale(scaleX, scaleY);
    const QRect area(0, 0, bitmap.width, bitmap.height);
    const QRect device = shrink.mapRect(QRectF(area)).toAlignedRect();
    if (device.isEmpty() || static_cast<int64_t>(device.width()) * device.height() > kMaxKeptPixels)
        return m_Image;
    m_Image = Sample(bitmap, area, shrink, device);
    m_Source = bitmap;
    m_ScaleX = scaleX;
    m_ScaleY = scaleY;
    return m_Image;
}
