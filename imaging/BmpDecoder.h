#pragma once

#include "imaging/PicDecoder.h"

// Decoder of Windows and OS/2 bitmap files ("BM", and the first bitmap of an OS/2 bitmap
// array "BA"). Reads the core (12-byte), OS/2 2.x and Windows info headers (40, 52, 56,
// 108 and 124 bytes); 1, 4 and 8 bits with a palette, RLE8 and RLE4, 16 bits (5-5-5 or bit
// fields), 24 and 32 bits; bottom-up and top-down rows. Produces 1 bit (1-bit files),
// 8 bits with the file's palette (4- and 8-bit files) or 32 bits (true colour).
// OS/2 icons and pointers ("IC", "CI", "CP") are refused.
class PLBmpDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
