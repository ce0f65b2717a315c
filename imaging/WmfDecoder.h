#pragma once

#include "imaging/PicDecoder.h"

// Decoder of Windows metafiles (with or without the placeable header). libwmf plays the
// records into an SVG document, which PLSvgRasterizer renders into a 32-bit bitmap on
// white. The bitmap's size is the metafile's own size at 96 dots per inch (libwmf's
// estimate for files without a placeable header), its longer side at most
// PLSvgRasterizer::kMaxSide.
class PLWmfDecoder : public PLPicDecoder {
public:
    PLWmfDecoder() = default;
    void Decode(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
