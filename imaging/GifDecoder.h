#pragma once

#include "imaging/PicDecoder.h"

// Decoder of GIF files (87a and 89a, interlaced or not) through giflib; only the first
// image is read and transparency is ignored. The bitmap covers the logical screen, filled
// with the background colour around the image, and has the image's colour map (or the
// global one): 1 bit for maps of one or two colours, else 8 bits.
class PLGifDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
