#include "imaging/PictPixmap.h"

#include <algorithm>

#include "imaging/Bmp.h"
#include "imaging/DataSource.h"
#include "imaging/PackBits.h"
#include "imaging/TextException.h"

namespace {

enum : uint16_t {
    kBitsRect = 0x0090,
    kBitsRgn = 0x0091,
    kPackBitsRgn = 0x0099,
    kDirectBitsRect = 0x009A,
    kDirectBitsRgn = 0x009B,
};

// QuickDraw's default 1-bit colours: 0 is white, 1 is black.
const uint32_t kWhite = 0x00FFFFFF;

uint8_t Expand5(unsigned v)
{
    return static_cast<uint8_t>((v << 3) | (v >> 2));
}

void SkipRegion(PLDataSource& src)
{
    const uint16_t size = src.ReadBE16();  // counts itself
    if (size < 2) {
        src.Fail(PL_ERRBAD_FORMAT, "Invalid region.");
    }
    src.Skip(size - 2u);
}

}  // namespace

PLPictPixmap::Rect PLPictPixmap::ReadRect(PLDataSource& src)
{
    Rect r;
    r.top = src.ReadBE16Signed();
    r.left = src.ReadBE16Signed();
    r.bottom = src.ReadBE16Signed();
    r.right = src.ReadBE16Signed();
    return r;
}

void PLPictPixmap::ReadBitsOpcode(PLDataSource& src, uint16_t opcode)
{
    const bool direct = opcode == kDirectBitsRect || opcode == kDirectBitsRgn;
    if (direct) {
        src.Skip(4);  // base address, meaningless in a file
    }
    ReadHeader(src, direct, false);
    m_SrcRect = ReadRect(src);
    m_DstRect = ReadRect(src);
    src.Skip(2);  // transfer mode
    if (opcode == kBitsRgn || opcode == kPackBitsRgn || opcode == kDirectBitsRgn) {
        // The mask region: we draw the whole rectangle.
        SkipRegion(src);
    }
    ReadPixels(src, opcode != kBitsRect && opcode != kBitsRgn);
}

void PLPictPixmap::SkipPixPat(PLDataSource& src)
{
    const uint16_t type = src.ReadBE16();
    src.Skip(8);  // the 1-bit pattern
    if (type == 1) {
        PLPictPixmap pattern;
        pattern.ReadHeader(src, false, true);
        pattern.ReadPixels(src, true);
    } else if (type == 2) {
        src.Skip(6);  // the colour to dither
    } else if (type != 0) {
        src.Fail(PL_ERRBAD_FORMAT, "Unknown pattern type.");
    }
}

void PLPictPixmap::ReadHeader(PLDataSource& src, bool direct, bool pattern)
{
    const uint16_t rowBytes = src.ReadBE16();
    m_nRowBytes = rowBytes & 0x3FFF;
    m_Bounds = ReadRect(src);
    m_Palette.assign(256, 0);
    const bool isPixMap = (rowBytes & 0x8000) != 0;
    if (!isPixMap) {
        if (direct || pattern) {
            src.Fail(PL_ERRBAD_FORMAT, "Pixel map expected.");
        }
        m_bIndexed = true;
        m_nPixelSize = 1;
        m_Palette[0] = kWhite;
        m_nColors = 2;
    } else {
        src.Skip(2);  // pmVersion
        m_nPackType = src.ReadBE16();
        src.Skip(4);  // packSize
        const uint32_t hRes = src.ReadBE32();
        src.Skip(4 + 2);  // vRes, pixelType
        m_nPixelSize = src.ReadBE16();
        m_nComponents = src.ReadBE16();
        src.Skip(2 + 4 + 4 + 4);  // cmpSize, planeBytes, pmTable, pmReserved
        m_nDpi = static_cast<int>((static_cast<uint64_t>(hRes) + 0x8000u) >> 16);
        m_bIndexed = !direct;
        if (m_bIndexed) {
            if (m_nPixelSize != 1 && m_nPixelSize != 2 && m_nPixelSize != 4 && m_nPixelSize != 8) {
                src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported pixel size.");
            }
            ReadColorTable(src);
        } else {
            if (m_nPixelSize != 16 && m_nPixelSize != 32) {
                src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported pixel size.");
            }
            if (m_nPixelSize == 32 && m_nComponents != 3 && m_nComponents != 4) {
                src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported component count.");
            }
        }
    }
    if (m_Bounds.IsEmpty()) {
        src.Fail(PL_ERRBAD_FORMAT, "Empty pixel map.");
    }
    const uint64_t minRowBytes = (static_cast<uint64_t>(m_Bounds.Width()) * m_nPixelSize + 7) / 8;
    if (m_nRowBytes < minRowBytes) {
        src.Fail(PL_ERRBAD_FORMAT, "Row length too short for the pixel map.");
    }
}

void PLPictPixmap::ReadColorTable(PLDataSource& src)
{
    src.Skip(4);  // seed
    const uint16_t flags = src.ReadBE16();
    const uint16_t last = src.ReadBE16();
    if (last > 255) {
        src.Fail(PL_ERRBAD_FORMAT, "Colour table too large.");
    }
    m_nColors = last + 1;
    for (int i = 0; i <= last; ++i) {
        const uint16_t value = src.ReadBE16();
        const uint8_t* rgb = src.ReadBytes(6);  // 16-bit components: the high bytes count
        // A device table (flag 0x8000) is in order; otherwise each entry names its index.
        const unsigned index = (flags & 0x8000) ? static_cast<unsigned>(i) : value;
        if (index < 256) {
            m_Palette[index] = (uint32_t(rgb[0]) << 16) | (uint32_t(rgb[2]) << 8) | rgb[4];
        }
    }
}

void PLPictPixmap::ReadPixels(PLDataSource& src, bool packed)
{
    const int32_t width = m_Bounds.Width();
    const int32_t height = m_Bounds.Height();
    const uint64_t pixels = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
    if (pixels > PLBmp::kMaxPixels) {
        src.Fail(PL_ERRNO_MEMORY, "Pixel map too large.");
    }
    // Small rows are never packed. Direct pixels choose their packing by packType:
    // 1 none, 2 the pad byte dropped, 3 PackBits of 16-bit words, 4 PackBits of component
    // planes (0 means the pixel size's usual one).
    int packType = 0;
    if (m_nRowBytes < 8) {
        packed = false;
    }
    if (!m_bIndexed) {
        packType = m_nPackType == 0 ? (m_nPixelSize == 16 ? 3 : 4) : m_nPackType;
        if (packType == 1 || m_nRowBytes < 8) {
            packType = 1;
        } else if ((m_nPixelSize == 16 && packType != 3) ||
                   (m_nPixelSize == 32 && packType != 2 && packType != 4)) {
            src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported packing.");
        }
        packed = packType == 3 || packType == 4;
    }
    m_nPackType = packType;

    size_t rowLength = m_nRowBytes;
    if (packType == 2) {
        rowLength = static_cast<size_t>(width) * 3;
    } else if (packType == 4) {
        rowLength = static_cast<size_t>(width) * static_cast<size_t>(m_nComponents);
    }
    if (packed) {
        // Two packed bytes make at most 128 bytes, of at least one pixel each; 1-bit
        // pixels go eight to the byte.
        src.CheckCompressedPixels(pixels, m_nPixelSize == 1 ? 512 : 64);
    } else {
        src.Require(static_cast<uint64_t>(rowLength) * static_cast<uint64_t>(height));
    }

    if (m_bIndexed) {
        m_Indices.assign(static_cast<size_t>(pixels), 0);
    } else {
        m_Colors.assign(static_cast<size_t>(pixels), 0);
    }
    std::vector<uint8_t> row(rowLength, 0);
    for (int32_t y = 0; y < height; ++y) {
        if (!packed) {
            const uint8_t* in = src.ReadBytes(rowLength);
            row.assign(in, in + rowLength);
        } else {
            const size_t count = m_nRowBytes > 250 ? src.ReadBE16() : src.ReadByte();
            const uint8_t* in = src.ReadBytes(count);
            std::fill(row.begin(), row.end(), 0);
            PLPackBits::Unpack(in, count, row.data(), row.size(), packType == 3 ? 2 : 1);
        }
        StoreRow(y, row);
    }
}

void PLPictPixmap::StoreRow(int32_t y, const std::vector<uint8_t>& row)
{
    const int32_t width = m_Bounds.Width();
    const size_t base = Offset(0, y);
    if (m_bIndexed) {
        const int bits = m_nPixelSize;
        const int perByte = 8 / bits;
        const int mask = (1 << bits) - 1;
        for (int32_t x = 0; x < width; ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            m_Indices[base + x] = static_cast<uint8_t>((row[x / perByte] >> shift) & mask);
        }
    } else if (m_nPixelSize == 16) {
        for (int32_t x = 0; x < width; ++x) {
            const unsigned v = (row[2 * x] << 8) | row[2 * x + 1];  // x R5 G5 B5
            m_Colors[base + x] = (uint32_t(Expand5((v >> 10) & 0x1F)) << 16) |
                                 (uint32_t(Expand5((v >> 5) & 0x1F)) << 8) | Expand5(v & 0x1F);
        }
    } else if (m_nPackType == 2) {
        for (int32_t x = 0; x < width; ++x) {
            m_Colors[base + x] =
                (uint32_t(row[3 * x]) << 16) | (uint32_t(row[3 * x + 1]) << 8) | row[3 * x + 2];
        }
    } else if (m_nPackType == 4) {
        // Component planes: red, green, blue, after alpha when there are four.
        const size_t first = m_nComponents == 4 ? static_cast<size_t>(width) : 0;
        const uint8_t* r = row.data() + first;
        const uint8_t* g = r + width;
        const uint8_t* b = g + width;
        for (int32_t x = 0; x < width; ++x) {
            m_Colors[base + x] = (uint32_t(r[x]) << 16) | (uint32_t(g[x]) << 8) | b[x];
        }
    } else {
        // Unpacked 32-bit pixels: pad (or alpha), red, green, blue.
        for (int32_t x = 0; x < width; ++x) {
            m_Colors[base + x] =
                (uint32_t(row[4 * x + 1]) << 16) | (uint32_t(row[4 * x + 2]) << 8) | row[4 * x + 3];
        }
    }
}
