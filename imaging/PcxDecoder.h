#pragma once

#include "imaging/PicDecoder.h"

// Decoder of ZSoft PCX files, run-length encoded or not: 1 to 4 planes of 1 bit (the
// 16-colour header palette), one plane of 2, 4 or 8 bits (8 bits: the 256-colour palette
// at the end of the file, or grey levels when it is missing) and 3 or 4 planes of 8 bits
// (true colour, the fourth plane dropped). Produces 1 bit for one plane of 1 bit, 8 bits
// with a palette for the other indexed kinds and 32 bits for true colour.
class PLPcxDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
