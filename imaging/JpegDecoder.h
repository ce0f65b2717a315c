#pragma once

#include "imaging/PicDecoder.h"

// Decoder of JPEG files (baseline, progressive and arithmetic-coded, 8 bits a sample)
// through libjpeg. Produces 8 bits with a grey palette (greyscale files) or 32 bits blue,
// green, red, 0xFF (colour files; CMYK and YCCK files are converted to RGB). Rows are
// decoded straight into the bitmap with libjpeg's default integer IDCT and fancy
// upsampling, as djpeg does. A file that ends before its last row is an error.
class PLJpegDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
