#pragma once

#include "imaging/PicDecoder.h"

// Decoder of netpbm pixmaps, raw ("P6") and plain ("P3"), with a maximum value up to
// 65535; components are scaled to 0..255. Produces 32 bits.
class PLPpmDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
