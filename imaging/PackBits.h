#pragma once

#include <cstddef>
#include <cstdint>

// The PackBits run-length scheme of Macintosh pictures and Photoshop files: a signed count
// byte n, then n + 1 literal units (n >= 0) or one unit repeated 1 - n times (n < 0, -128
// is a no-op). A unit is one byte, or two for the 16-bit pixels of pictures.
class PLPackBits {
public:
    // Unpacks the packed bytes [in, in + inSize) into out, writing at most outSize bytes
    // and never reading past inSize. Returns the number of bytes written; the caller
    // decides whether a short result is an error.
    static size_t Unpack(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize, size_t unit = 1);
};
