#pragma once

#include "imaging/PicDecoder.h"

// Decoder of the TIFF preview inside a DOS EPS binary file. The 30-byte header starts
// with 0xC5 0xD0 0xD3 0xC6 (also accepted in the reverse order) and gives, little-endian,
// the preview's offset at byte 20 and its length at byte 24; the PostScript itself is not
// rendered. The preview is decoded by PLTiffDecoder, so the bitmap is what it produces.
class PLEpsTiffDecoder : public PLPicDecoder {
public:
    // The header test of the any-format decoder: the magic number and non-zero offset and
    // length of the preview (only the first 28 bytes are looked at).
    static bool HasTiffPreview(const uint8_t* data, size_t size);

private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
