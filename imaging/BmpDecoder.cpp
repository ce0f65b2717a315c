#include "imaging/BmpDecoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/Bmp.h"
#include "imaging/DataSource.h"
#include "imaging/TextException.h"

namespace {

const char kName[] = "Bitmap decoder";

enum : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

// One colour channel of a 16- or 32-bit pixel, described by its mask.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(uint32_t m = 0) : mask(m)
    {
        if (m == 0) {
            return;
        }
        while (((m >> shift) & 1u) == 0) {
            ++shift;
        }
        int top = 31;
        while (((m >> top) & 1u) == 0) {
            --top;
        }
        bits = top - shift + 1;
    }

    uint8_t Extract(uint32_t pixel) const
    {
        if (bits == 0) {
            return 0;
        }
        const uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8) {
            return static_cast<uint8_t>(value >> (bits - 8));
        }
        // Stretch short fields so that their maximum becomes 255.
        return static_cast<uint8_t>(value * 255u / ((1u << bits) - 1u));
    }
};

struct Header {
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;  // always positive here; topDown tells the row order
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t colorsUsed = 0;
    int32_t ppmX = 0;
    int32_t ppmY = 0;
    uint32_t masks[3] = {0, 0, 0};
    bool hasMasks = false;
    int paletteEntrySize = 4;
};

int PpmToDpi(int32_t ppm)
{
    if (ppm <= 0) {
        return 0;
    }
    return static_cast<int>(ppm * 0.0254 + 0.5);
}

Header ReadInfoHeader(PLDataSource& src, uint32_t bitsOffset)
{
    Header h;
    const size_t start = src.GetPos();
    h.headerSize = src.ReadLE32();
    if (h.headerSize == 12) {
        // BITMAPCOREHEADER (Windows 2.x, OS/2 1.x): 16-bit sizes, 3-byte palette entries.
        h.width = src.ReadLE16();
        h.height = src.ReadLE16();
        src.ReadLE16();  // planes
        h.bitCount = src.ReadLE16();
        h.paletteEntrySize = 3;
        return h;
    }
    if (h.headerSize < 16 || h.headerSize > 1024) {
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported bitmap header size.");
    }
    src.Require(h.headerSize - 4);
    h.width = src.ReadLE32Signed();
    int32_t height = src.ReadLE32Signed();
    src.ReadLE16();  // planes
    h.bitCount = src.ReadLE16();
    // The OS/2 2.x header may stop after any field; missing fields are zero.
    const size_t end = start + h.headerSize;
    auto field = [&](uint32_t fallback) { return src.GetPos() + 4 <= end ? src.ReadLE32() : fallback; };
    h.compression = field(kRgb);
    field(0);  // image size: recomputed, since writers often leave it 0
    h.ppmX = static_cast<int32_t>(field(0));
    h.ppmY = static_cast<int32_t>(field(0));
    h.colorsUsed = field(0);
    field(0);  // important colours
    const bool os2 = h.headerSize != 40 && h.headerSize != 52 && h.headerSize != 56 && h.headerSize != 108 &&
                     h.headerSize != 124;
    if (os2 && h.compression != kRgb && h.compression != kRle8 && h.compression != kRle4) {
        // In OS/2 headers 3 and 4 mean Huffman 1D and RLE24, not bit fields.
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "OS/2 bitmap compression not supported.");
    }
    if (!os2 && h.headerSize >= 52) {
        for (uint32_t& mask : h.masks) {
            mask = src.ReadLE32();
        }
        h.hasMasks = h.compression == kBitFields || h.compression == kAlphaBitFields;
    }
    src.Seek(end);
    const uint32_t maskBytes = h.compression == kAlphaBitFields ? 16 : 12;
    // The masks follow a 40-byte header, unless the bits offset leaves no room for them:
    // some writers announce bit fields and omit the masks; the usual layout is meant then.
    if (!os2 && h.headerSize == 40 && (h.compression == kBitFields || h.compression == kAlphaBitFields) &&
        (bitsOffset == 0 || bitsOffset >= 14 + h.headerSize + maskBytes)) {
        for (uint32_t& mask : h.masks) {
            mask = src.ReadLE32();
        }
        src.Skip(maskBytes - 12);
        h.hasMasks = true;
    }
    if (height == INT32_MIN) {
        src.Fail(PL_ERRBAD_FORMAT, "Invalid bitmap height.");
    }
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    return h;
}

void CheckHeader(const PLDataSource& src, const Header& h)
{
    if (h.width <= 0 || h.height <= 0) {
        src.Fail(PL_ERRBAD_FORMAT, "Invalid bitmap dimensions.");
    }
    if (static_cast<uint64_t>(h.width) * static_cast<uint64_t>(h.height) > PLBmp::kMaxPixels) {
        src.Fail(PL_ERRNO_MEMORY, "Bitmap too large.");
    }
    const int bpp = h.bitCount;
    bool ok = false;
    switch (h.compression) {
        case kRgb:
            ok = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
            break;
        case kRle8:
            ok = bpp == 8;
            break;
        case kRle4:
            ok = bpp == 4;
            break;
        case kBitFields:
        case kAlphaBitFields:
            ok = bpp == 16 || bpp == 32;
            break;
        default:
            src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Compression type not supported.");
    }
    if (!ok) {
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported combination of depth and compression.");
    }
    if (h.topDown && (h.compression == kRle8 || h.compression == kRle4)) {
        src.Fail(PL_ERRBAD_FORMAT, "A compressed bitmap cannot be top-down.");
    }
}

// Returns the palette as red, green, blue triples.
std::vector<uint8_t> ReadPalette(PLDataSource& src, const Header& h)
{
    const uint32_t maxEntries = 1u << h.bitCount;
    const uint32_t entries = h.colorsUsed == 0 || h.colorsUsed > maxEntries ? maxEntries : h.colorsUsed;
    std::vector<uint8_t> rgb;
    for (uint32_t i = 0; i < entries; ++i) {
        const uint8_t* p = src.ReadBytes(static_cast<size_t>(h.paletteEntrySize));
        rgb.insert(rgb.end(), {p[2], p[1], p[0]});
    }
    return rgb;
}

uint64_t FileStride(const Header& h)
{
    return (static_cast<uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
}

uint64_t RowBytes(const Header& h)
{
    return (static_cast<uint64_t>(h.width) * h.bitCount + 7) / 8;
}

// Called before the bitmap is allocated, so that a lying header costs nothing.
void CheckDataSize(const PLDataSource& src, const Header& h)
{
    if (h.compression == kRle8 || h.compression == kRle4) {
        // A run of two bytes can cover a whole row, and end-of-line skips the rest of it,
        // so a sound file may be very small; still, a handful of bytes cannot hold a gigapixel.
        src.CheckCompressedPixels(static_cast<uint64_t>(h.width) * static_cast<uint64_t>(h.height), 4096);
    } else {
        // The padding of the last row is often missing; everything else must be there.
        src.Require(FileStride(h) * static_cast<uint64_t>(h.height - 1) + RowBytes(h));
    }
}

void DecodeUncompressed(PLDataSource& src, const Header& h, PLBmp& bmp)
{
    const uint64_t fileStride = FileStride(h);
    const uint64_t lastRow = RowBytes(h);

    Channel red, green, blue;
    if (h.bitCount == 16 || h.bitCount == 32) {
        if (h.hasMasks && (h.masks[0] | h.masks[1] | h.masks[2]) != 0) {
            red = Channel(h.masks[0]);
            green = Channel(h.masks[1]);
            blue = Channel(h.masks[2]);
        } else if (h.bitCount == 16) {
            red = Channel(0x7C00);
            green = Channel(0x03E0);
            blue = Channel(0x001F);
        } else {
            red = Channel(0x00FF0000);
            green = Channel(0x0000FF00);
            blue = Channel(0x000000FF);
        }
    }

    const size_t base = src.GetPos();
    const uint8_t* data = src.GetData();
    for (int32_t fileRow = 0; fileRow < h.height; ++fileRow) {
        const int32_t y = h.topDown ? fileRow : h.height - 1 - fileRow;
        const uint8_t* in = data + base + static_cast<size_t>(fileRow) * static_cast<size_t>(fileStride);
        uint8_t* out = bmp.GetRow(y);
        switch (h.bitCount) {
            case 1:
                std::memcpy(out, in, static_cast<size_t>(lastRow));
                break;
            case 4:
                for (int32_t x = 0; x < h.width; ++x) {
                    out[x] = (x & 1) ? (in[x / 2] & 0x0F) : (in[x / 2] >> 4);
                }
                break;
            case 8:
                std::memcpy(out, in, static_cast<size_t>(h.width));
                break;
            case 24:
                for (int32_t x = 0; x < h.width; ++x, in += 3, out += 4) {
                    out[0] = in[0];
                    out[1] = in[1];
                    out[2] = in[2];
                    out[3] = 0xFF;
                }
                break;
            default: {  // 16 and 32 bits through the channel masks
                const int bytes = h.bitCount / 8;
                for (int32_t x = 0; x < h.width; ++x, in += bytes, out += 4) {
                    uint32_t pixel = in[0] | (uint32_t(in[1]) << 8);
                    if (bytes == 4) {
                        pixel |= (uint32_t(in[2]) << 16) | (uint32_t(in[3]) << 24);
                    }
                    out[0] = blue.Extract(pixel);
                    out[1] = green.Extract(pixel);
                    out[2] = red.Extract(pixel);
                    out[3] = 0xFF;
                }
            }
        }
    }
}

// RLE8 and RLE4: runs and absolute stretches of palette indices, with escapes for end of
// line, end of bitmap and a jump. Rows are counted from the bottom. Nothing is written
// outside the bitmap, whatever the data says; pixels that no code reaches stay index 0.
void DecodeRle(PLDataSource& src, const Header& h, PLBmp& bmp)
{
    const bool rle4 = h.compression == kRle4;
    int64_t x = 0;
    int64_t row = 0;  // from the bottom
    auto put = [&](uint8_t index) {
        if (x < h.width && row < h.height) {
            bmp.GetRow(static_cast<int32_t>(h.height - 1 - row))[x] = index;
        }
        ++x;
    };
    while (row < h.height) {
        const uint8_t count = src.ReadByte();
        const uint8_t value = src.ReadByte();
        if (count > 0) {
            for (int i = 0; i < count && x < h.width; ++i) {
                put(rle4 ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
            }
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // jump right and up
            x += src.ReadByte();
            row += src.ReadByte();
        } else {  // absolute stretch of `value` pixels, padded to a 16-bit boundary
            const size_t bytes = rle4 ? (value + 1u) / 2u : value;
            const uint8_t* p = src.ReadBytes(bytes);
            for (int i = 0; i < value; ++i) {
                put(rle4 ? ((i & 1) ? (p[i / 2] & 0x0F) : (p[i / 2] >> 4)) : p[i]);
            }
            if (bytes & 1) {
                src.Skip(1);
            }
        }
    }
}

}  // namespace

void PLBmpDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    PLDataSource src(data, size, kName);
    if (size < 2) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "Bitmap decoder: This isn't a bitmap.");
    }
    size_t fileStart = 0;
    if (data[0] == 'B' && data[1] == 'A') {
        // An OS/2 bitmap array: a 14-byte array header in front of the first bitmap's
        // own file header. We take the first bitmap, as viewers do.
        fileStart = 14;
        src.Seek(fileStart);
        src.Require(2);
    }
    const uint8_t* sig = data + fileStart;
    if ((sig[0] == 'I' && sig[1] == 'C') || (sig[0] == 'C' && sig[1] == 'I') ||
        (sig[0] == 'C' && sig[1] == 'P') || (sig[0] == 'P' && sig[1] == 'T')) {
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "OS/2 icons and pointers are not supported.");
    }
    if (sig[0] != 'B' || sig[1] != 'M') {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "Bitmap decoder: This isn't a bitmap.");
    }
    src.Skip(10);  // signature, file size, reserved words
    const uint32_t bitsOffset = src.ReadLE32();
    const Header h = ReadInfoHeader(src, bitsOffset);
    CheckHeader(src, h);

    std::vector<uint8_t> palette;
    if (h.bitCount <= 8) {
        palette = ReadPalette(src, h);
    }
    // In OS/2 bitmap arrays too the bits offset counts from the start of the file. A
    // missing or bogus offset (some writers leave 0) means the bits follow the palette.
    if (bitsOffset != 0 && bitsOffset >= src.GetPos() && bitsOffset <= size) {
        src.Seek(bitsOffset);
    }
    CheckDataSize(src, h);

    const int outBpp = h.bitCount == 1 ? 1 : (h.bitCount <= 8 ? 8 : 32);
    bmp.Create(h.width, h.height, outBpp);
    for (size_t i = 0; i < palette.size() / 3; ++i) {
        bmp.SetPaletteEntry(static_cast<int>(i), palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]);
    }
    if (h.compression == kRle8 || h.compression == kRle4) {
        DecodeRle(src, h, bmp);
    } else {
        DecodeUncompressed(src, h, bmp);
    }
    bmp.SetResolution(PpmToDpi(h.ppmX), PpmToDpi(h.ppmY));
}
