#include "imaging/PcxDecoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/Bmp.h"
#include "imaging/DataSource.h"
#include "imaging/TextException.h"

namespace {

const char kName[] = "PCX decoder";
const size_t kHeaderSize = 128;
const size_t kEndPaletteSize = 769;  // the marker 0x0C and 256 red, green, blue triples

// Reads the encoded picture one scan line at a time. A run may go on from one line to
// the next (some writers do that), so the run state outlives each call.
class LineReader {
public:
    LineReader(PLDataSource& src, bool rle) : m_Src(src), m_bRle(rle) {}

    void Read(uint8_t* out, size_t length)
    {
        if (!m_bRle) {
            std::memcpy(out, m_Src.ReadBytes(length), length);
            return;
        }
        size_t done = 0;
        while (done < length) {
            if (m_nRun > 0) {
                const size_t count = std::min<size_t>(m_nRun, length - done);
                std::memset(out + done, m_nValue, count);
                done += count;
                m_nRun -= static_cast<unsigned>(count);
                continue;
            }
            const uint8_t c = m_Src.ReadByte();
            if ((c & 0xC0) == 0xC0) {
                m_nRun = c & 0x3F;
                m_nValue = m_Src.ReadByte();
            } else {
                out[done++] = c;
            }
        }
    }

private:
    PLDataSource& m_Src;
    bool m_bRle;
    unsigned m_nRun = 0;
    uint8_t m_nValue = 0;
};

}  // namespace

void PLPcxDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    PLDataSource src(data, size, kName);
    src.Require(kHeaderSize);
    const uint8_t* header = data;
    if (header[0] != 0x0A) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "PCX decoder: This isn't a PCX file.");
    }
    const uint8_t version = header[1];
    const uint8_t encoding = header[2];
    const int bitsPerPixel = header[3];
    auto le16 = [&](size_t at) { return static_cast<int32_t>(header[at] | (header[at + 1] << 8)); };
    const int32_t width = le16(8) - le16(4) + 1;
    const int32_t height = le16(10) - le16(6) + 1;
    const int dpiX = le16(12);
    const int dpiY = le16(14);
    const int planes = header[65];
    const size_t bytesPerLine = static_cast<size_t>(le16(66));

    if (encoding > 1) {
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unknown encoding.");
    }
    if (planes > 4) {
        throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED, "Can't handle more than 4 planes.");
    }
    const bool planar1 = bitsPerPixel == 1 && planes >= 1;
    const bool packed = planes == 1 && (bitsPerPixel == 2 || bitsPerPixel == 4 || bitsPerPixel == 8);
    const bool trueColor = bitsPerPixel == 8 && (planes == 3 || planes == 4);
    if (!planar1 && !packed && !trueColor) {
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported combination of planes and bits per pixel.");
    }
    if (width <= 0 || height <= 0) {
        src.Fail(PL_ERRBAD_FORMAT, "Invalid image dimensions.");
    }
    if (bytesPerLine * 8 < static_cast<uint64_t>(width) * bitsPerPixel) {
        src.Fail(PL_ERRBAD_FORMAT, "Line length too short for the image width.");
    }
    const uint64_t pixels = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
    if (pixels > PLBmp::kMaxPixels) {
        src.Fail(PL_ERRNO_MEMORY, "Image too large.");
    }

    // The 256-colour palette sits at the very end, after the encoded picture.
    const bool endPalette = packed && bitsPerPixel == 8 && version >= 5 &&
                            size >= kHeaderSize + kEndPaletteSize && data[size - kEndPaletteSize] == 0x0C;
    const size_t pictureEnd = endPalette ? size - kEndPaletteSize : size;
    PLDataSource pictureSrc(data, pictureEnd, kName);
    pictureSrc.Seek(kHeaderSize);
    const size_t lineLength = bytesPerLine * static_cast<size_t>(planes);
    if (encoding == 1) {
        // A run of two bytes yields at most 63 bytes, i.e. 504 one-bit pixels.
        pictureSrc.CheckCompressedPixels(pixels * planes, 256);
    } else {
        pictureSrc.Require(static_cast<uint64_t>(lineLength) * static_cast<uint64_t>(height));
    }

    const bool oneBit = planar1 && planes == 1;
    bmp.Create(width, height, trueColor ? 32 : (oneBit ? 1 : 8));
    if (endPalette) {
        const uint8_t* p = data + size - kEndPaletteSize + 1;
        for (int i = 0; i < 256; ++i, p += 3) {
            bmp.SetPaletteEntry(i, p[0], p[1], p[2]);
        }
    } else if (packed && bitsPerPixel == 8) {
        bmp.SetGrayPalette();
    } else if (!trueColor) {
        const int entries = 1 << (bitsPerPixel * planes);
        const uint8_t* p = header + 16;
        bool blank = true;
        for (int i = 0; i < 48; ++i) {
            blank = blank && p[i] == 0;
        }
        if (oneBit && (blank || std::memcmp(p, p + 3, 3) == 0)) {
            // Monochrome files often carry no usable palette: black and white then.
            bmp.SetGrayPalette();
        } else {
            for (int i = 0; i < entries; ++i) {
                bmp.SetPaletteEntry(i, p[i * 3], p[i * 3 + 1], p[i * 3 + 2]);
            }
        }
    }

    LineReader reader(pictureSrc, encoding == 1);
    std::vector<uint8_t> line(lineLength);
    for (int32_t y = 0; y < height; ++y) {
        reader.Read(line.data(), lineLength);
        uint8_t* out = bmp.GetRow(y);
        if (oneBit) {
            std::memcpy(out, line.data(), static_cast<size_t>(width + 7) / 8);
        } else if (planar1) {
            // Plane 0 carries the lowest bit of the colour index.
            for (int32_t x = 0; x < width; ++x) {
                uint8_t index = 0;
                for (int plane = 0; plane < planes; ++plane) {
                    const uint8_t byte = line[plane * bytesPerLine + x / 8];
                    index |= static_cast<uint8_t>(((byte >> (7 - x % 8)) & 1) << plane);
                }
                out[x] = index;
            }
        } else if (packed) {
            const int perByte = 8 / bitsPerPixel;
            const int mask = (1 << bitsPerPixel) - 1;
            for (int32_t x = 0; x < width; ++x) {
                const int shift = 8 - bitsPerPixel * (x % perByte + 1);
                out[x] = static_cast<uint8_t>((line[x / perByte] >> shift) & mask);
            }
        } else {
            for (int32_t x = 0; x < width; ++x) {
                out[x * 4] = line[2 * bytesPerLine + x];
                out[x * 4 + 1] = line[bytesPerLine + x];
                out[x * 4 + 2] = line[x];
                out[x * 4 + 3] = 0xFF;
            }
        }
    }
    bmp.SetResolution(dpiX, dpiY);
}
