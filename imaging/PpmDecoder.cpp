#include "imaging/PpmDecoder.h"

#include "imaging/Bmp.h"
#include "imaging/DataSource.h"
#include "imaging/PnmReader.h"
#include "imaging/TextException.h"

void PLPpmDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    if (size < 2 || data[0] != 'P' || (data[1] != '3' && data[1] != '6')) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "PPM decoder: Is not the correct identifier P3 or P6.");
    }
    const bool plain = data[1] == '3';
    PLDataSource src(data, size, "PPM decoder");
    src.Seek(2);
    PLPnmReader reader(src);
    const auto [width, height, maxval] = reader.ReadHeader(plain, 3);

    bmp.Create(width, height, 32);
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* out = bmp.GetRow(y);
        if (!plain && maxval == 255) {
            // The common case, without scaling: straight from the row's bytes.
            const uint8_t* in = src.ReadBytes(static_cast<size_t>(width) * 3);
            for (int32_t x = 0; x < width; ++x, in += 3, out += 4) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
                out[3] = 0xFF;
            }
            continue;
        }
        for (int32_t x = 0; x < width; ++x, out += 4) {
            uint8_t rgb[3];
            for (uint8_t& component : rgb) {
                const uint32_t sample = plain ? reader.ReadNumber(65535) : reader.ReadRawSample(maxval);
                component = reader.Scale(sample, maxval);
            }
            out[0] = rgb[2];
            out[1] = rgb[1];
            out[2] = rgb[0];
            out[3] = 0xFF;
        }
    }
}
