#include "imaging/BmpEncoder.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "imaging/Bmp.h"
#include "imaging/TextException.h"
#include "platform/FileReplacer.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

// Appends to a buffer of fixed capacity; running past it is an error of the encoder,
// never a write beyond the buffer.
class BoundedWriter {
public:
    explicit BoundedWriter(size_t capacity) { m_Buffer.reserve(capacity); }

    void Bytes(const uint8_t* p, size_t count)
    {
        if (count > m_Buffer.capacity() - m_Buffer.size()) {
            throw PLTextException(PL_ERRINTERNAL, "Buffer overflow while encoding.\n");
        }
        m_Buffer.insert(m_Buffer.end(), p, p + count);
    }
    void U16(uint32_t v)
    {
        const uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
        Bytes(b, 2);
    }
    void U32(uint32_t v)
    {
        const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                              static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
        Bytes(b, 4);
    }
    std::vector<uint8_t> Take() { return std::move(m_Buffer); }

private:
    std::vector<uint8_t> m_Buffer;
};

uint32_t DpiToPpm(int dpi)
{
    return dpi <= 0 ? 0 : static_cast<uint32_t>(dpi * 39.37 + 0.5);
}

}  // namespace

std::vector<uint8_t> PLBmpEncoder::Encode(const PLBmp& bmp)
{
    const int inBpp = bmp.GetBitsPerPixel();
    if (bmp.IsEmpty() || (inBpp != 1 && inBpp != 8 && inBpp != 24 && inBpp != 32)) {
        throw PLTextException(PL_ERRINTERNAL, "Cannot encode this bitmap.");
    }
    const int outBpp = inBpp == 32 ? 24 : inBpp;
    const uint32_t width = static_cast<uint32_t>(bmp.GetWidth());
    const uint32_t height = static_cast<uint32_t>(bmp.GetHeight());
    // The stride of the file's rows, not of the bitmap's: a 32-bit bitmap is written with
    // three bytes a pixel.
    const uint64_t stride = (static_cast<uint64_t>(width) * outBpp + 31) / 32 * 4;
    const uint64_t imageSize = stride * height;
    const uint32_t paletteSize = outBpp <= 15 ? 4u << outBpp : 0u;
    const uint64_t fileSize = 14 + 40 + paletteSize + imageSize;
    if (fileSize > UINT32_MAX) {
        throw PLTextException(PL_ERRNO_MEMORY, "Bitmap too large for a BMP file.");
    }

    BoundedWriter out(static_cast<size_t>(imageSize + 40 + paletteSize + 56));
    out.Bytes(reinterpret_cast<const uint8_t*>("BM"), 2);
    out.U32(static_cast<uint32_t>(fileSize));
    out.U32(0);
    out.U32(14 + 40 + paletteSize);

    out.U32(40);
    out.U32(width);
    out.U32(height);  // positive: rows bottom-up
    out.U16(1);
    out.U16(static_cast<uint32_t>(outBpp));
    out.U32(0);  // uncompressed
    out.U32(static_cast<uint32_t>(imageSize));
    out.U32(DpiToPpm(bmp.GetResolutionX()));
    out.U32(DpiToPpm(bmp.GetResolutionY()));
    out.U32(0);  // every palette entry used
    out.U32(0);

    if (paletteSize > 0) {
        std::vector<uint8_t> palette(paletteSize, 0);
        std::memcpy(palette.data(), bmp.GetPalette(),
                    std::min<size_t>(paletteSize, static_cast<size_t>(bmp.GetPaletteEntries()) * 4));
        out.Bytes(palette.data(), palette.size());
    }

    std::vector<uint8_t> row(static_cast<size_t>(stride), 0);
    for (uint32_t fileRow = 0; fileRow < height; ++fileRow) {
        const uint8_t* in = bmp.GetRow(static_cast<int32_t>(height - 1 - fileRow));
        if (inBpp == 32) {
            for (uint32_t x = 0; x < width; ++x) {
                row[x * 3] = in[x * 4];
                row[x * 3 + 1] = in[x * 4 + 1];
                row[x * 3 + 2] = in[x * 4 + 2];
            }
        } else {
            std::memcpy(row.data(), in, static_cast<size_t>(stride));
        }
        out.Bytes(row.data(), row.size());
    }
    return out.Take();
}

void PLBmpEncoder::MakeFileFromBmp(const std::string& path, const PLBmp& bmp)
{
    const std::vector<uint8_t> bytes = Encode(bmp);

    CFileReplacer file(path);
    if (!file.Open() || !file.Write(bytes.data(), bytes.size()) || !file.Commit()) {
        throw PLTextException(
            PL_ERRACCESS_DENIED,
            FormatWithString(CStringTable::Get(IDS_CANNOT_WRITE_FILE), path) + "\n" + file.GetReason());
    }
}
