#pragma once

#include <cstdint>
#include <string>
#include <vector>

class PLBmp;

// Writes a bitmap as a Windows BMP file: file header, 40-byte info header, a palette at
// 8 bits or less, rows bottom-up padded to 4 bytes; 32-bit bitmaps become 24-bit.
class PLBmpEncoder {
public:
    // Raises PLTextException when the file cannot be written.
    void MakeFileFromBmp(const std::string& path, const PLBmp& bmp);
    std::vector<uint8_t> Encode(const PLBmp& bmp);
};
