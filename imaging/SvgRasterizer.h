#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class PLBmp;

// Renders an SVG document held in memory into a 32-bit bitmap (blue, green, red, 0xFF)
// on a white background, through librsvg. The EMF decoder uses it after libemf2svg has
// turned the records into SVG. No file is read besides the data: references to other files
// are refused by librsvg for documents without a base address.
class PLSvgRasterizer {
public:
    // Largest side of the bitmap; a larger document is scaled down to fit, keeping its
    // aspect ratio, so that a lying size cannot ask for gigabytes.
    static constexpr double kMaxSide = 4096;

    // decoderName prefixes error messages ("WMF decoder"). width and height are the wanted
    // size in pixels; 0 takes the document's own size.
    static void Render(const std::string& svg, double width, double height, const char* decoderName,
                       PLBmp& bmp);
};
