#pragma once

#include "imaging/PicDecoder.h"

// Decoder of PNG files through libpng. Produces 1 bit (1-bit grey or palette files, with
// a two-entry palette), 8 bits with a palette (palette files of 2 to 8 bits, the file's
// palette; grey files of 2 to 16 bits, a grey ramp) or 32 bits blue, green, red, 0xFF
// (colour files). 16-bit samples keep their high byte; alpha and tRNS are ignored, gamma is
// not applied. Rows are decoded straight into the bitmap.
class PLPngDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
