#pragma once

#include <cstddef>
#include <cstdint>

class PLBmp;

// One image format's decoder. Decodes a whole file held in memory into bmp at the
// format's native depth (1, 8 or 32 bits per pixel). The data is untrusted: every
// size is checked against the data and against overflow before allocating.
// Raises PLTextException on any failure.
class PLPicDecoder {
public:
    virtual ~PLPicDecoder() = default;
    virtual void Decode(const uint8_t* data, size_t size, PLBmp& bmp) = 0;
};
