#pragma once

#include "imaging/PicDecoder.h"

// Decoder of Windows metafiles (with or without the placeable header). libwmf plays the
// records with its raster (gd) device onto a true-colour canvas on white, handed over as
// PNG and decoded by PLPngDecoder: a 32-bit bitmap whose colours are exactly the
// metafile's (libwmf's SVG device would round them to named colours). The bitmap covers
// the placeable frame, grown to anything drawn outside it (the drawing's extent for
// files without the header), at 96 dots per inch within PLMetafileCanvas's bounds.
// libwmf needs its standard fonts (URW base 35) installed.
class PLWmfDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
