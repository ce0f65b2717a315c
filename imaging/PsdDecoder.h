#pragma once

#include "imaging/PicDecoder.h"

// Decoder of the merged image of Photoshop files (version 1, 8 or 16 bits per channel,
// run-length compressed): greyscale (8 bits with a grey palette), indexed (8 bits with
// the file's colour table) and RGB (32 bits; alpha and extra channels dropped); 16-bit
// samples are scaled to 8 bits. The resolution comes from the ResolutionInfo resource
// when there is one.
class PLPsdDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
};
