#include "imaging/PgmDecoder.h"

#include <cstring>

#include "imaging/Bmp.h"
#include "imaging/DataSource.h"
#include "imaging/PnmReader.h"
#include "imaging/TextException.h"

void PLPgmDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    if (size < 2 || data[0] != 'P' || (data[1] != '2' && data[1] != '5')) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "PGM decoder: Is not the correct identifier P5 or P2.");
    }
    const bool plain = data[1] == '2';
    PLDataSource src(data, size, "PGM decoder");
    src.Seek(2);
    PLPnmReader reader(src);
    const auto [width, height, maxval] = reader.ReadHeader(plain, 1);

    bmp.Create(width, height, 8);
    bmp.SetGrayPalette();
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* out = bmp.GetRow(y);
        if (!plain && maxval == 255) {
            std::memcpy(out, src.ReadBytes(static_cast<size_t>(width)), static_cast<size_t>(width));
            continue;
        }
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t sample = plain ? reader.ReadNumber(65535) : reader.ReadRawSample(maxval);
            out[x] = reader.Scale(sample, maxval);
        }
    }
}
