#pragma once

#include <cstdint>

#include <QImage>

#include "platform/PixelBuffer.h"

class QRect;
class QTransform;

// A picture shown smaller than it is. Each device pixel takes the source pixel under its
// centre, so that the work follows the pixels drawn, not the (possibly huge) area they
// cover. A view keeps one for its zoom: the whole picture shrunk once, kept while the
// picture and the zoom stay, so that painting a strongly shrunk scan no longer reads a
// memory line of the scan for every pixel on the screen.
class CShrunkPicture {
public:
    // Pictures shrunk to more pixels than this are not kept; they are sampled per paint.
    static constexpr int64_t kMaxKeptPixels = 32LL * 1024 * 1024;

    // The part device (device pixels) of the source area of bitmap, as the transform
    // toDevice (a scale and a translation) shows it.
    static QImage Sample(const CPixelBufferView& bitmap, const QRect& area, const QTransform& toDevice,
                         const QRect& device);

    // The whole of bitmap shrunk by scale (below 1), pixel i of the result taking source
    // pixel floor((i + 0.5) / scale). Made on first use; a null image when it would be
    // larger than kMaxKeptPixels.
    const QImage& Get(const CPixelBufferView& bitmap, double scaleX, double scaleY);
    void Clear() { m_Image = QImage(); }

private:
    QImage m_Image;
    CPixelBufferView m_Source;
    double m_ScaleX = 0;
    double m_ScaleY = 0;
};
