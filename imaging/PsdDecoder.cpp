#include "imaging/PsdDecoder.h"

#include <cstring>
#include <vector>

#include "imaging/Bmp.h"
#include "imaging/DataSource.h"
#include "imaging/PackBits.h"
#include "imaging/TextException.h"

namespace {

const char kName[] = "PSD decoder";

enum ColorMode { kGrey = 1, kIndexed = 2, kRgb = 3 };

// Looks for the ResolutionInfo resource (1005) among the image resources; the horizontal
// and vertical resolutions are 16.16 fixed-point pixels per inch whatever unit the
// resource names for display.
void ReadResolution(const uint8_t* data, size_t size, PLBmp& bmp)
{
    PLDataSource src(data, size, kName);
    while (src.GetRemaining() >= 12) {
        if (std::memcmp(src.ReadBytes(4), "8BIM", 4) != 0) {
            return;
        }
        const uint16_t id = src.ReadBE16();
        const uint8_t nameLength = src.ReadByte();
        src.Skip(nameLength | 1u);  // Pascal name, padded to an even total with its length byte
        const uint32_t length = src.ReadBE32();
        if (length > src.GetRemaining()) {
            return;
        }
        if (id == 1005 && length >= 16) {
            const uint32_t hRes = src.ReadBE32();
            src.Skip(4);  // display units
            const uint32_t vRes = src.ReadBE32();
            auto dpi = [](uint32_t fixed) { return static_cast<int>((uint64_t(fixed) + 0x8000u) >> 16); };
            bmp.SetResolution(dpi(hRes), dpi(vRes));
            return;
        }
        src.Skip(length + (length & 1u));
    }
}

}  // namespace

void PLPsdDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    PLDataSource src(data, size, kName);
    src.Require(26);
    if (std::memcmp(data, "8BPS", 4) != 0) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "PSD decoder: This isn't a Photoshop file.");
    }
    src.Skip(4);
    if (src.ReadBE16() != 1) {
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported file version.");
    }
    src.Skip(6);
    const uint16_t channels = src.ReadBE16();
    const uint32_t height = src.ReadBE32();
    const uint32_t width = src.ReadBE32();
    const uint16_t depth = src.ReadBE16();
    const uint16_t mode = src.ReadBE16();

    if (mode != kGrey && mode != kIndexed && mode != kRgb) {
        throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED, "This PSD color mode is not supported.");
    }
    if (depth != 8 && depth != 16) {
        src.Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Only 8 and 16 bits per channel are supported.");
    }
    const unsigned used = mode == kRgb ? 3 : 1;
    if (channels < used || channels > 56) {
        src.Fail(PL_ERRBAD_FORMAT, "Invalid channel count.");
    }
    if (width == 0 || height == 0 || width > INT32_MAX || height > INT32_MAX) {
        src.Fail(PL_ERRBAD_FORMAT, "Invalid image dimensions.");
    }
    const uint64_t pixels = static_cast<uint64_t>(width) * height;
    if (pixels > PLBmp::kMaxPixels) {
        src.Fail(PL_ERRNO_MEMORY, "Image too large.");
    }

    const uint32_t modeDataLength = src.ReadBE32();
    const uint8_t* modeData = src.ReadBytes(modeDataLength);
    if (mode == kIndexed && modeDataLength < 768) {
        src.Fail(PL_ERRBAD_FORMAT, "Colour table missing.");
    }
    const uint32_t resourcesLength = src.ReadBE32();
    const uint8_t* resources = src.ReadBytes(resourcesLength);
    const uint32_t layersLength = src.ReadBE32();
    src.Skip(layersLength);

    if (src.ReadBE16() != 1) {
        throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED, "PSD decoder: Compression type not supported.");
    }
    // The byte counts of every row of every channel come first, then the packed rows.
    const uint64_t rowCount = static_cast<uint64_t>(channels) * height;
    const uint8_t* counts = src.ReadBytes(static_cast<size_t>(rowCount * 2));
    // A packed row of two bytes yields at most 128 samples.
    src.CheckCompressedPixels(pixels * used, 64);

    bmp.Create(static_cast<int32_t>(width), static_cast<int32_t>(height), mode == kRgb ? 32 : 8);
    if (mode == kGrey) {
        bmp.SetGrayPalette();
    } else if (mode == kIndexed) {
        for (int i = 0; i < 256; ++i) {
            bmp.SetPaletteEntry(i, modeData[i], modeData[256 + i], modeData[512 + i]);
        }
    }
    ReadResolution(resources, resourcesLength, bmp);

    const size_t sampleBytes = depth / 8u;
    const size_t rowBytes = width * sampleBytes;
    std::vector<uint8_t> row(rowBytes);
    auto sample = [&row, sampleBytes](uint32_t x) {
        if (sampleBytes == 1) {
            return row[x];
        }
        const uint32_t value = (uint32_t(row[2 * x]) << 8) | row[2 * x + 1];  // big-endian
        return static_cast<uint8_t>((value * 255u + 32767u) / 65535u);
    };
    for (unsigned channel = 0; channel < used; ++channel) {
        for (uint32_t y = 0; y < height; ++y) {
            const uint64_t index = static_cast<uint64_t>(channel) * height + y;
            const size_t packed = static_cast<size_t>((counts[index * 2] << 8) | counts[index * 2 + 1]);
            const uint8_t* in = src.ReadBytes(packed);
            if (PLPackBits::Unpack(in, packed, row.data(), rowBytes) != rowBytes) {
                src.Fail(PL_ERRBAD_FORMAT, "Packed row too short.");
            }
            uint8_t* out = bmp.GetRow(static_cast<int32_t>(y));
            if (mode == kRgb) {
                // Channels come red, green, blue; the bitmap stores blue, green, red.
                uint8_t* p = out + (2 - channel);
                for (uint32_t x = 0; x < width; ++x, p += 4) {
                    *p = sample(x);
                }
                if (channel == 0) {
                    for (uint32_t x = 0; x < width; ++x) {
                        out[x * 4 + 3] = 0xFF;
                    }
                }
            } else {
                for (uint32_t x = 0; x < width; ++x) {
                    out[x] = sample(x);
                }
            }
        }
    }
}
