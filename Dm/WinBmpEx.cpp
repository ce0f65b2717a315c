#include "Dm/WinBmpEx.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "imaging/TextException.h"

namespace {

constexpr uint32_t kCompressionNone = 0;  // BI_RGB
constexpr char kOutOfMemory[] = "Out of memory creating bitmap.";

uint16_t Word(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Dword(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

[[noreturn]] void Damaged(const char* what)
{
    throw PLTextException(PL_ERRBAD_FORMAT, std::string("Damaged device-independent bitmap: ") + what);
}

int DpiFromPixelsPerMeter(int32_t ppm)
{
    return ppm > 0 ? static_cast<int>(std::lround(ppm * 0.0254)) : 0;
}

}  // namespace

void CWinBmpEx::Draw(CDrawContext& dc, const CRect& clip, CDrawContext::RasterOp op) const
{
    if (IsEmpty())
        return;
    const CRect visible(std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, GetWidth()),
                        std::min(clip.bottom, GetHeight()));
    if (visible.IsEmpty())
        return;
    dc.Blit(View(), visible, op);
}

int CWinBmpEx::PackedDibBitsPerPixel(const uint8_t* data, size_t size)
{
    if (data == nullptr || size < kInfoHeaderSize)
        return 0;
    return Word(data + 14);
}

void CWinBmpEx::CreateFromPackedDib(const uint8_t* data, size_t size)
{
    if (data == nullptr || size < kInfoHeaderSize)
        Damaged("the header is incomplete.");
    const uint32_t headerSize = Dword(data);
    const auto width = static_cast<int32_t>(Dword(data + 4));
    const auto rawHeight = static_cast<int32_t>(Dword(data + 8));
    const int bpp = Word(data + 14);
    const uint32_t compression = Dword(data + 16);
    const uint32_t imageSize = Dword(data + 20);
    const auto ppmX = static_cast<int32_t>(Dword(data + 24));
    const auto ppmY = static_cast<int32_t>(Dword(data + 28));
    const uint32_t colorsUsed = Dword(data + 32);

    if (headerSize < kInfoHeaderSize || headerSize > size)
        Damaged("bad header size.");
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN)
        Damaged("bad dimensions.");
    if (bpp != 1 && bpp != 2 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        Damaged("bad depth.");
    if (compression != kCompressionNone)
        throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED,
                              "Compressed device-independent bitmaps are not supported.");
    const bool bBottomUp = rawHeight > 0;
    const int32_t height = bBottomUp ? rawHeight : -rawHeight;
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxPixels)
        throw PLTextException(PL_ERRNO_MEMORY, kOutOfMemory);

    // A full palette follows the header at 15 bits or less; a smaller one when the header
    // says how many colours are used, as some sources write.
    uint64_t paletteEntries = 0;
    if (bpp <= 15) {
        paletteEntries = uint64_t(1) << bpp;
        if (colorsUsed != 0 && colorsUsed < paletteEntries)
            paletteEntries = colorsUsed;
    }
    const uint64_t bitsOffset = static_cast<uint64_t>(headerSize) + 4 * paletteEntries;
    if (bitsOffset > size)
        Damaged("the palette runs past the end of the data.");

    // Within kMaxPixels, none of these products can overflow.
    const uint64_t stride = (static_cast<uint64_t>(width) * static_cast<uint64_t>(bpp) + 31) / 32 * 4;
    const uint64_t needed = stride * static_cast<uint64_t>(height);
    const uint64_t declared = imageSize != 0 ? imageSize : needed;
    if (declared < needed)
        Damaged("the image size is smaller than the rows need.");
    if (declared > size - bitsOffset)
        Damaged("the pixel bits run past the end of the data.");
    // A sound bitmap of a depth the working bitmap cannot hold (2, 4 or 16 bits).
    if (bpp != 1 && bpp != 8 && bpp != 24 && bpp != 32)
        throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported bitmap depth.");

    try {
        Create(width, height, bpp);
    } catch (const PLTextException& e) {
        if (e.GetCode() == PL_ERRNO_MEMORY)
            throw PLTextException(PL_ERRNO_MEMORY, kOutOfMemory);
        throw;
    } catch (const std::bad_alloc&) {
        throw PLTextException(PL_ERRNO_MEMORY, kOutOfMemory);
    }

    const uint8_t* palette = data + headerSize;
    for (uint64_t i = 0; i < paletteEntries; ++i) {
        const uint8_t* entry = palette + 4 * i;
        SetPaletteEntry(static_cast<int>(i), entry[2], entry[1], entry[0]);
    }

    const uint8_t* bits = data + bitsOffset;
    const size_t rowBytes = std::min(GetStride(), static_cast<size_t>(stride));
    for (int32_t y = 0; y < height; ++y) {
        const int32_t sourceRow = bBottomUp ? height - 1 - y : y;
        std::memcpy(GetRow(y), bits + static_cast<size_t>(sourceRow) * stride, rowBytes);
    }
    SetResolution(DpiFromPixelsPerMeter(ppmX), DpiFromPixelsPerMeter(ppmY));
}

void CWinBmpEx::CreateCopyAs32Bits(const PLBmp& source)
{
    const int bpp = source.GetBitsPerPixel();
    if (bpp != 24 && bpp != 32)
        throw PLTextException(PL_ERRINTERNAL, "Only 24-bit and 32-bit bitmaps are copied to 32 bits.");
    try {
        Create(source.GetWidth(), source.GetHeight(), 32);
    } catch (const std::bad_alloc&) {
        throw PLTextException(PL_ERRNO_MEMORY, kOutOfMemory);
    }
    const int32_t width = source.GetWidth();
    for (int32_t y = 0; y < source.GetHeight(); ++y) {
        const uint8_t* from = source.GetRow(y);
        uint8_t* to = GetRow(y);
        if (bpp == 32) {
            std::memcpy(to, from, static_cast<size_t>(width) * 4);
            continue;
        }
        for (int32_t x = 0; x < width; ++x, from += 3, to += 4) {
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
            to[3] = 0xFF;
        }
    }
    SetResolution(source.GetResolutionX(), source.GetResolutionY());
}
