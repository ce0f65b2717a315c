#pragma once

#include "imaging/PicDecoder.h"

// Decoder of enhanced metafiles (EMF; EMF+ records are not played). libemf2svg turns the
// records into an SVG document, which PLSvgRasterizer renders into a 32-bit bitmap on
// white. The bitmap's size is the header's picture frame at 96 dots per inch (its bounds
// in device pixels when the frame is empty), within PLMetafileCanvas's bounds.
class PLEmfDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
