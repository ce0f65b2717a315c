#include "imaging/PictDecoder.h"

#include <algorithm>
#include <cstring>

#include "imaging/Bmp.h"
#include "imaging/DataSource.h"
#include "imaging/PictPixmap.h"
#include "imaging/TextException.h"

namespace {

const char kName[] = "Error decoding pict";
const size_t kFileHeader = 512;

enum : uint16_t {
    kNop = 0x0000,
    kVersion = 0x0011,
    kHeaderOp = 0x0C00,
    kEndPic = 0x00FF,
};

bool IsBitsOpcode(uint16_t op)
{
    return op == 0x0090 || op == 0x0091 || op == 0x0098 || op == 0x0099 || op == 0x009A || op == 0x009B;
}

bool IsPixPatOpcode(uint16_t op)
{
    return op >= 0x0012 && op <= 0x0014;
}

// Where the picture starts: after the 512-byte header of a file, or at once for
// picture data saved without it. Returns the version, 0 when there is none.
int FindVersion(const uint8_t* data, size_t size, size_t& start)
{
    for (size_t candidate : {kFileHeader, size_t(0)}) {
        const uint8_t* p = data + candidate + 10;  // after the size and the frame
        if (size >= candidate + 14 && p[0] == 0x00 && p[1] == 0x11 && p[2] == 0x02 && p[3] == 0xFF) {
            start = candidate;
            return 2;
        }
        if (size >= candidate + 12 && p[0] == 0x11 && p[1] == 0x01) {
            start = candidate;
            return 1;
        }
    }
    return 0;
}

void SkipLength16(PLDataSource& src)
{
    src.Skip(src.ReadBE16());
}

void SkipSizedRecord(PLDataSource& src)
{
    // Regions and polygons start with their own size, which counts itself.
    const uint16_t size = src.ReadBE16();
    if (size < 2) {
        src.Fail(PL_ERRBAD_FORMAT, "Invalid record size.");
    }
    src.Skip(size - 2u);
}

}  // namespace

void PLPictDecoder::SkipOpcode(PLDataSource& src, uint16_t op) const
{
    // Fixed lengths of the opcodes 0x00 to 0x2F.
    static const int8_t kShort[0x30] = {
        0, -1, 8,  2,  1,  2,  4,  4,  2,  8,  8,  4,  4,  2,  4,  4,   // 0x00
        8, -1, -1, -1, -1, 2,  2,  0,  0,  0,  6,  6,  0,  6,  0,  6,   // 0x10
        8, 4,  6,  2,  -2, -2, -2, -2, -3, -4, -4, -5, -2, -2, -2, -2,  // 0x20
    };
    // In version 1, only the opcodes QuickDraw had then exist.
    const bool v2Only = (op >= 0x12 && op <= 0x1F) || (op >= 0x24 && op <= 0x27) ||
                        (op >= 0x2C && op <= 0x2F) || (op >= 0x92 && op <= 0x97) ||
                        (op >= 0x9A && op <= 0x9F) || (op >= 0xA2 && op <= 0xFE);
    if (m_bVersion1 && v2Only) {
        src.Fail(PL_ERRFORMAT_UNKNOWN, "Unknown opcode.");
    }
    if (op < 0x30) {
        const int length = kShort[op];
        if (length >= 0) {
            src.Skip(static_cast<size_t>(length));
        } else if (op == kVersion) {
            src.Skip(m_bVersion1 ? 1 : 2);
        } else if (op == 0x0001) {
            SkipSizedRecord(src);  // clip region
        } else if (IsPixPatOpcode(op)) {
            PLPictPixmap::SkipPixPat(src);
        } else if (length == -2) {
            SkipLength16(src);
        } else {
            // Text: a point or offsets (4, 1 or 2 bytes), then a counted string.
            src.Skip(length == -3 ? 4 : (length == -4 ? 1 : 2));
            src.Skip(src.ReadByte());
        }
        return;
    }
    if (op < 0x0070) {
        // Rectangles, rounded rectangles, ovals, arcs, each with a "same shape" variant.
        static const int kShapes[8] = {8, 0, 8, 0, 8, 0, 12, 4};
        src.Skip(static_cast<size_t>(kShapes[(op - 0x30) / 8]));
    } else if (op < 0x0090) {
        if ((op & 0x08) == 0) {
            SkipSizedRecord(src);  // polygon or region
        }
    } else if (op < 0x00A0) {
        SkipLength16(src);  // reserved; the bits opcodes never come here
    } else if (op == 0x00A0) {
        src.Skip(2);  // short comment
    } else if (op == 0x00A1) {
        src.Skip(2);  // long comment: kind, then counted data
        SkipLength16(src);
    } else if (op < 0x00B0) {
        SkipLength16(src);
    } else if (op < 0x00D0) {
        // reserved, no data
    } else if (op < 0x0100) {
        src.Skip(src.ReadBE32());
    } else if (op < 0x8000) {
        src.Skip(static_cast<size_t>(op >> 8) * 2);
    } else if (op >= 0x8100) {
        src.Skip(src.ReadBE32());  // QuickTime and reserved records
    }
}

void PLPictDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    size_t start = 0;
    const int version = data ? FindVersion(data, size, start) : 0;
    if (version == 0) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "Error decoding pict: Version number missing.");
    }
    m_bVersion1 = version == 1;
    m_Palette.clear();
    m_nPixelsDrawn = 0;

    PLDataSource src(data, size, kName);
    src.Seek(start + 2);  // the picture size word is unreliable beyond 32 KB
    PLPictPixmap::Rect frame = PLPictPixmap::ReadRect(src);
    src.Skip(m_bVersion1 ? 2 : 4);
    int dpi = 0;

    bmp.Clear();
    for (;;) {
        uint16_t op = 0;
        if (m_bVersion1) {
            op = src.ReadByte();
        } else {
            if ((src.GetPos() - start) & 1) {
                src.Skip(1);  // version 2 opcodes are word-aligned
            }
            op = src.ReadBE16();
        }
        if (op == kEndPic) {
            break;
        }
        if (op == kHeaderOp && !m_bVersion1) {
            const int16_t headerVersion = src.ReadBE16Signed();
            src.Skip(2);
            if (headerVersion == -2) {
                // Extended version 2: the native resolution and the frame at that resolution.
                const uint32_t hRes = src.ReadBE32();
                src.Skip(4);
                const PLPictPixmap::Rect native = PLPictPixmap::ReadRect(src);
                src.Skip(4);
                dpi = static_cast<int>((static_cast<uint64_t>(hRes) + 0x8000u) >> 16);
                if (!native.IsEmpty()) {
                    frame = native;
                }
            } else {
                src.Skip(20);
            }
            continue;
        }
        if (!IsBitsOpcode(op)) {
            SkipOpcode(src, op);
            continue;
        }
        PLPictPixmap pixmap;
        pixmap.ReadBitsOpcode(src, op);
        if (bmp.IsEmpty()) {
            if (frame.IsEmpty()) {
                frame = pixmap.GetDstRect();
            }
            if (frame.IsEmpty()) {
                src.Fail(PL_ERRBAD_FORMAT, "Empty picture frame.");
            }
            const uint64_t pixels =
                static_cast<uint64_t>(frame.Width()) * static_cast<uint64_t>(frame.Height());
            if (pixels > PLBmp::kMaxPixels) {
                src.Fail(PL_ERRNO_MEMORY, "Picture too large.");
            }
            // A picture may stretch a small image over its frame, but not a few bytes
            // over a gigapixel.
            PLDataSource whole(data + start, size - start, kName);
            whole.CheckCompressedPixels(pixels, 512);
            m_nFrameTop = frame.top;
            m_nFrameLeft = frame.left;
            if (!pixmap.IsIndexed()) {
                bmp.Create(frame.Width(), frame.Height(), 32);
                std::memset(bmp.GetBits(), 0xFF, bmp.GetStride() * static_cast<size_t>(bmp.GetHeight()));
            } else {
                const bool oneBit = pixmap.GetPixelSize() == 1 && pixmap.GetColorCount() <= 2;
                bmp.Create(frame.Width(), frame.Height(), oneBit ? 1 : 8);
                m_Palette.assign(pixmap.GetPalette().begin(),
                                 pixmap.GetPalette().begin() + (oneBit ? 2 : 256));
                for (size_t i = 0; i < m_Palette.size(); ++i) {
                    const uint32_t c = m_Palette[i];
                    bmp.SetPaletteEntry(static_cast<int>(i), static_cast<uint8_t>(c >> 16),
                                        static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c));
                }
            }
            if (dpi == 0) {
                dpi = pixmap.GetResolution();
            }
        }
        DrawPixmap(pixmap, bmp);
    }
    if (bmp.IsEmpty()) {
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "The picture holds no bitmap.");
    }
    bmp.SetResolution(dpi, dpi);
}

void PLPictDecoder::DrawPixmap(const PLPictPixmap& pixmap, PLBmp& bmp)
{
    const PLPictPixmap::Rect& s = pixmap.GetSrcRect();
    const PLPictPixmap::Rect& d = pixmap.GetDstRect();
    const PLPictPixmap::Rect& b = pixmap.GetBounds();
    if (s.IsEmpty() || d.IsEmpty()) {
        return;
    }
    // Stay indexed while the images share one colour table; otherwise go to true colour.
    bool indexed = bmp.GetBitsPerPixel() != 32;
    if (indexed) {
        const bool same =
            pixmap.IsIndexed() &&
            (bmp.GetBitsPerPixel() == 8 || (pixmap.GetPixelSize() == 1 && pixmap.GetColorCount() <= 2)) &&
            std::equal(m_Palette.begin(), m_Palette.end(), pixmap.GetPalette().begin());
        if (!same) {
            PromoteToTrueColor(bmp);
            indexed = false;
        }
    }

    const int64_t x0 = std::max<int64_t>(d.left, m_nFrameLeft);
    const int64_t x1 = std::min<int64_t>(d.right, int64_t(m_nFrameLeft) + bmp.GetWidth());
    const int64_t y0 = std::max<int64_t>(d.top, m_nFrameTop);
    const int64_t y1 = std::min<int64_t>(d.bottom, int64_t(m_nFrameTop) + bmp.GetHeight());
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    // Many images piled on one spot would cost time without adding anything.
    m_nPixelsDrawn += static_cast<uint64_t>(x1 - x0) * static_cast<uint64_t>(y1 - y0);
    if (m_nPixelsDrawn >
        16 * static_cast<uint64_t>(bmp.GetWidth()) * static_cast<uint64_t>(bmp.GetHeight())) {
        throw PLTextException(PL_ERRBAD_FORMAT, "Error decoding pict: Too many images.");
    }
    const int bpp = bmp.GetBitsPerPixel();
    // The source column of every destination column, -1 outside the pixel map.
    std::vector<int32_t> columns(static_cast<size_t>(x1 - x0));
    for (int64_t x = x0; x < x1; ++x) {
        const int64_t sx = s.left + (x - d.left) * s.Width() / d.Width() - b.left;
        columns[static_cast<size_t>(x - x0)] = sx < 0 || sx >= b.Width() ? -1 : static_cast<int32_t>(sx);
    }
    for (int64_t y = y0; y < y1; ++y) {
        const int64_t sy = s.top + (y - d.top) * s.Height() / d.Height() - b.top;
        if (sy < 0 || sy >= b.Height()) {
            continue;
        }
        uint8_t* row = bmp.GetRow(static_cast<int32_t>(y - m_nFrameTop));
        for (int64_t x = x0; x < x1; ++x) {
            const int32_t sx = columns[static_cast<size_t>(x - x0)];
            if (sx < 0) {
                continue;
            }
            const auto bx = static_cast<size_t>(x - m_nFrameLeft);
            if (!indexed) {
                const uint32_t c = pixmap.ColorAt(sx, static_cast<int32_t>(sy));
                uint8_t* p = row + bx * 4;
                p[0] = static_cast<uint8_t>(c);
                p[1] = static_cast<uint8_t>(c >> 8);
                p[2] = static_cast<uint8_t>(c >> 16);
                p[3] = 0xFF;
            } else {
                const uint8_t index = pixmap.IndexAt(sx, static_cast<int32_t>(sy));
                if (bpp == 8) {
                    row[bx] = index;
                } else {
                    const auto bit = static_cast<uint8_t>(0x80 >> (bx % 8));
                    row[bx / 8] = index ? (row[bx / 8] | bit) : (row[bx / 8] & ~bit);
                }
            }
        }
    }
}

void PLPictDecoder::PromoteToTrueColor(PLBmp& bmp)
{
    const int32_t width = bmp.GetWidth();
    const int32_t height = bmp.GetHeight();
    const int bpp = bmp.GetBitsPerPixel();
    const size_t stride = bmp.GetStride();
    const std::vector<uint8_t> old(bmp.GetBits(), bmp.GetBits() + stride * static_cast<size_t>(height));
    bmp.Create(width, height, 32);
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* in = old.data() + static_cast<size_t>(y) * stride;
        uint8_t* out = bmp.GetRow(y);
        for (int32_t x = 0; x < width; ++x, out += 4) {
            const unsigned index = bpp == 8 ? in[x] : (in[x / 8] >> (7 - x % 8)) & 1u;
            const uint32_t c = index < m_Palette.size() ? m_Palette[index] : 0;
            out[0] = static_cast<uint8_t>(c);
            out[1] = static_cast<uint8_t>(c >> 8);
            out[2] = static_cast<uint8_t>(c >> 16);
            out[3] = 0xFF;
        }
    }
    m_Palette.clear();
}
