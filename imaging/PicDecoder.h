#pragma once

#include <cstddef>
#include <cstdint>

class PLBmp;

// One image format's decoder: the steps every format shares, around the format's own work.
// Decode runs DecodeFormat on a whole file held in memory and then
//  - on any failure leaves bmp empty (not half made, not the previous picture) and passes
//    the PLTextException on;
//  - keeps a 1-bit result only when its two colours are black and white: the 1-bit reader
//    counts only black as ink, so a picture of two other colours (a grey line on white, red
//    on yellow) gets 8 bits with the same two palette entries, where every colour can be ink.
// The data is untrusted: every size is checked against the data and against overflow before
// allocating.
class PLPicDecoder {
public:
    virtual ~PLPicDecoder() = default;
    void Decode(const uint8_t* data, size_t size, PLBmp& bmp);
    // Whether the last picture decoded is whole; only a drawn format (a PDF page whose
    // drawing met faults) can give an incomplete one.
    virtual bool WasComplete() const { return true; }

protected:
    // Fills bmp at the format's native depth (1, 8 or 32 bits per pixel); raises
    // PLTextException on any failure.
    virtual void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) = 0;
};
