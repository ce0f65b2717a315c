#include "imaging/PackBits.h"

size_t PLPackBits::Unpack(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize, size_t unit)
{
    size_t inPos = 0;
    size_t outPos = 0;
    while (inPos < inSize && outPos < outSize) {
        const auto n = static_cast<int8_t>(in[inPos++]);
        if (n >= 0) {
            size_t bytes = (static_cast<size_t>(n) + 1) * unit;
            if (bytes > inSize - inPos) {
                bytes = inSize - inPos;
            }
            for (size_t i = 0; i < bytes && outPos < outSize; ++i) {
                out[outPos++] = in[inPos + i];
            }
            inPos += bytes;
        } else if (n != -128) {
            if (unit > inSize - inPos) {
                break;
            }
            const size_t repeat = static_cast<size_t>(1 - n);
            for (size_t r = 0; r < repeat; ++r) {
                for (size_t i = 0; i < unit && outPos < outSize; ++i) {
                    out[outPos++] = in[inPos + i];
                }
            }
            inPos += unit;
        }
    }
    return outPos;
}
