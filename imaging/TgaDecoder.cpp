#include "imaging/TgaDecoder.h"

#include <vector>

#include "imaging/Bmp.h"
#include "imaging/DataSource.h"
#include "imaging/TextException.h"

namespace {

const char kName[] = "Targa decoder";

enum ImageType { kMapped = 1, kTrueColor = 2, kGrey = 3 };

uint8_t Expand5(unsigned v)
{
    return static_cast<uint8_t>((v << 3) | (v >> 2));
}

// Colour of a true-colour or colour-map entry of `bytes` bytes, as blue, green, red.
void ToBgr(const uint8_t* p, int bytes, uint8_t* out)
{
    if (bytes == 2) {
        const unsigned v = p[0] | (p[1] << 8);  // x R5 G5 B5, little-endian
        out[0] = Expand5(v & 0x1F);
        out[1] = Expand5((v >> 5) & 0x1F);
        out[2] = Expand5((v >> 10) & 0x1F);
    } else {
        out[0] = p[0];
        out[1] = p[1];
        out[2] = p[2];
    }
}

}  // namespace

void PLTgaDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    PLDataSource src(data, size, kName);
    const uint8_t idLength = src.ReadByte();
    const uint8_t colorMapType = src.ReadByte();
    const uint8_t imageType = src.ReadByte();
    const uint16_t mapFirst = src.ReadLE16();
    const uint16_t mapLength = src.ReadLE16();
    const uint8_t mapEntryBits = src.ReadByte();
    src.Skip(4);  // x and y origin of the screen position
    const int32_t width = src.ReadLE16();
    const int32_t height = src.ReadLE16();
    const uint8_t pixelBits = src.ReadByte();
    const uint8_t descriptor = src.ReadByte();

    const bool rle = imageType >= 9 && imageType <= 11;
    const int kind = rle ? imageType - 8 : imageType;
    if (kind < kMapped || kind > kGrey || colorMapType > 1) {
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported image type.");
    }
    if (width <= 0 || height <= 0) {
        src.Fail(PL_ERRBAD_FORMAT, "Invalid image dimensions.");
    }
    bool depthOk = false;
    switch (kind) {
        case kMapped:
            depthOk = pixelBits == 8 && colorMapType == 1;
            break;
        case kTrueColor:
            depthOk = pixelBits == 15 || pixelBits == 16 || pixelBits == 24 || pixelBits == 32;
            break;
        case kGrey:
            depthOk = pixelBits == 8 || pixelBits == 16;
            break;
    }
    if (!depthOk) {
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported pixel depth.");
    }
    const int pixelBytes = (pixelBits + 7) / 8;

    src.Skip(idLength);
    // The colour map goes to the palette at its first-entry index, so that pixel values
    // index the palette directly; entries beyond 255 cannot be reached by 8-bit pixels.
    std::vector<uint8_t> palette(256 * 3, 0);
    if (colorMapType == 1) {
        if (mapEntryBits != 15 && mapEntryBits != 16 && mapEntryBits != 24 && mapEntryBits != 32) {
            src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported colour map entry size.");
        }
        const int entryBytes = (mapEntryBits + 7) / 8;
        const uint8_t* map = src.ReadBytes(static_cast<size_t>(mapLength) * entryBytes);
        for (unsigned i = 0; i < mapLength && mapFirst + i < 256; ++i) {
            ToBgr(map + i * entryBytes, entryBytes, &palette[(mapFirst + i) * 3]);
        }
    }

    const uint64_t pixels = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
    if (pixels > PLBmp::kMaxPixels) {
        src.Fail(PL_ERRNO_MEMORY, "Image too large.");
    }
    if (rle) {
        // A packet of 1 + pixelBytes bytes holds at most 128 pixels.
        src.CheckCompressedPixels(pixels, 128 / (1 + pixelBytes));
    } else {
        src.Require(pixels * pixelBytes);
    }

    bmp.Create(width, height, kind == kTrueColor ? 32 : 8);
    if (kind == kGrey) {
        bmp.SetGrayPalette();
    } else if (kind == kMapped) {
        for (int i = 0; i < 256; ++i) {
            bmp.SetPaletteEntry(i, palette[i * 3 + 2], palette[i * 3 + 1], palette[i * 3]);
        }
    }

    const bool topOrigin = (descriptor & 0x20) != 0;
    const bool rightOrigin = (descriptor & 0x10) != 0;
    int32_t x = 0;
    int32_t row = 0;
    // Stores one pixel of the file's pixel stream and moves on; the caller stops at the end.
    auto store = [&](const uint8_t* p) {
        const int32_t y = topOrigin ? row : height - 1 - row;
        const int32_t outX = rightOrigin ? width - 1 - x : x;
        uint8_t* out = bmp.GetRow(y);
        if (kind == kTrueColor) {
            uint8_t* px = out + static_cast<size_t>(outX) * 4;
            ToBgr(p, pixelBytes, px);
            px[3] = 0xFF;
        } else {
            out[outX] = p[0];  // an index, or the grey level (before the alpha byte)
        }
        if (++x == width) {
            x = 0;
            ++row;
        }
    };

    if (!rle) {
        for (uint64_t i = 0; i < pixels; ++i) {
            store(src.ReadBytes(static_cast<size_t>(pixelBytes)));
        }
    } else {
        // Packets may run across rows; a packet running past the last pixel is cut.
        uint64_t done = 0;
        while (done < pixels) {
            const uint8_t header = src.ReadByte();
            const unsigned count = (header & 0x7F) + 1u;
            if (header & 0x80) {
                const uint8_t* p = src.ReadBytes(static_cast<size_t>(pixelBytes));
                for (unsigned i = 0; i < count && done < pixels; ++i, ++done) {
                    store(p);
                }
            } else {
                for (unsigned i = 0; i < count && done < pixels; ++i, ++done) {
                    store(src.ReadBytes(static_cast<size_t>(pixelBytes)));
                }
            }
        }
    }
}
