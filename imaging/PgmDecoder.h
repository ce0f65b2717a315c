#pragma once

#include "imaging/PicDecoder.h"

// Decoder of netpbm greymaps, raw ("P5") and plain ("P2"), with a maximum value up to
// 65535; levels are scaled to 0..255. Produces 8 bits with a grey palette.
class PLPgmDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
