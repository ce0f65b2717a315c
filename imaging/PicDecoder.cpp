#include "imaging/PicDecoder.h"

#include "imaging/Bmp.h"

void PLPicDecoder::Decode(const uint8_t* data, size_t size, PLBmp& bmp)
{
    bmp.Clear();
    try {
        DecodeFormat(data, size, bmp);
        if (bmp.GetBitsPerPixel() == 1 && !bmp.IsBlackAndWhite()) {
            bmp.ExpandTo8Bits();
        }
    } catch (...) {
        bmp.Clear();
        throw;
    }
}
