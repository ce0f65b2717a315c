#include "main/frame/ClipboardPicture.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr size_t kHeaderSize = 40;
// Pictures of more pixels than this are refused: the program's pictures stay below 2 GiB.
constexpr int64_t kMaxPixels = 500LL * 1000 * 1000;

void Put(std::vector<uint8_t>& v, size_t at, uint32_t value, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        v[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<uint8_t> CClipboardPicture::ToPackedDib(const QImage& image)
{
    if (image.isNull() || static_cast<int64_t>(image.width()) * image.height() > kMaxPixels)
        return {};
    // Transparent parts show as on a white page.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    const size_t nRowBytes = (static_cast<size_t>(image.width()) * 3 + 3) & ~size_t{3};
    std::vector<uint8_t> dib(kHeaderSize + nRowBytes * static_cast<size_t>(image.height()));
    Put(dib, 0, kHeaderSize, 4);
    Put(dib, 4, static_cast<uint32_t>(image.width()), 4);
    Put(dib, 8, static_cast<uint32_t>(image.height()), 4);
    Put(dib, 12, 1, 2);
    Put(dib, 14, 24, 2);
    Put(dib, 20, static_cast<uint32_t>(nRowBytes * static_cast<size_t>(image.height())), 4);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        uint8_t* out = dib.data() + kHeaderSize + nRowBytes * static_cast<size_t>(image.height() - 1 - y);
        for (int x = 0; x < image.width(); ++x) {
            *out++ = static_cast<uint8_t>(qBlue(in[x]));
            *out++ = static_cast<uint8_t>(qGreen(in[x]));
            *out++ = static_cast<uint8_t>(qRed(in[x]));
        }
    }
    return dib;
}
