#pragma once

#include "imaging/PicDecoder.h"

// Decoder of TIFF files (the first image) through libtiff, reading from memory.
// Produces 1 bit (bilevel grey and two-colour palette images), 8 bits with a palette
// (grey of 2 to 16 bits, palette of 2 to 8 bits) or 32 bits blue, green, red, 0xFF
// (RGB of 8 or 16 bits, CMYK converted to RGB, JPEG-compressed YCbCr, and through
// libtiff's RGBA interface every other photometric it knows). Strips and tiles, contiguous
// and separate planes; 16-bit samples keep their high byte; extra samples (alpha) are
// ignored. The rows are read a strip or tile row at a time, so memory stays close to the
// bitmap's own size. Orientations that flip rows or columns are honoured.
class PLTiffDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
