#pragma once

#include "imaging/PicDecoder.h"

// Decoder of Truevision Targa files: colour-mapped (8-bit indices), true colour (15, 16,
// 24 and 32 bits) and greyscale (8 bits, or 16 with alpha), uncompressed or run-length
// encoded; the origin bits of the descriptor decide the row and column order.
// Produces 8 bits with a palette (colour-mapped: the colour map placed at its first-entry
// index; grey: a grey ramp) or 32 bits (true colour, alpha dropped).
class PLTgaDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
