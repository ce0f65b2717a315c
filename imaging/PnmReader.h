#pragma once

#include <cstdint>

class PLDataSource;

// Reads the text parts of netpbm files (PGM, PPM) from a data source: the header numbers
// with their whitespace and '#' comments, and the samples of the plain (ASCII) variants.
// Holds a reference to the source, which the caller owns.
class PLPnmReader {
public:
    explicit PLPnmReader(PLDataSource& src) : m_Src(src) {}

    struct Header {
        int32_t width;
        int32_t height;
        uint32_t maxval;
    };
    // Reads width, height and maxval after the two-byte identifier, refuses zero values and
    // pictures too large to hold, and checks that the data can still hold
    // samplesPerPixel samples for every pixel before anything is allocated. Leaves the
    // source at the first sample.
    Header ReadHeader(bool plain, unsigned samplesPerPixel);

    // Skips whitespace and comments, then reads an unsigned decimal number no larger than
    // maxValue; raises PLTextException for anything else.
    uint32_t ReadNumber(uint32_t maxValue);
    // After the last header number: exactly one whitespace byte precedes raw samples.
    void SkipSingleWhitespace();
    // One sample of the raw variants: one byte when maxval < 256, else two big-endian.
    uint32_t ReadRawSample(uint32_t maxval);
    // Scales a sample of 0..maxval to 0..255, rounding to nearest; samples above maxval
    // are refused.
    uint8_t Scale(uint32_t sample, uint32_t maxval) const;

private:
    PLDataSource& m_Src;
};
