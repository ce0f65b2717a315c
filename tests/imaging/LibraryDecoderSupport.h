#pragma once

// Shared pieces of the tests of the library-based decoders: the pictures drawn here, netpbm
// files written from them or read back from the reference tools, and the commands that
// make the fixtures. Builds on the own decoders' support (colours, pixel access).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "imaging/Bmp.h"
#include "imaging/PicDecoder.h"
#include "imaging/TextException.h"
#include "tests/imaging/OwnDecoderSupport.h"
#include "tests/support/RequiredTool.h"

namespace libtest {

using owntest::Picture;
using owntest::Rgb;

// 37 x 23: odd sizes, so that JPEG's edge blocks, TIFF's edge tiles and row padding show.
constexpr int kWidth = 37;
constexpr int kHeight = 23;

inline std::string Work(const std::string& name)
{
    return std::string(PLOTVANE_TEST_WORK) + "/lib_" + name;
}

// Ten colours in stripes: fits a 4-bit palette.
inline Rgb TenColors(int x, int y)
{
    const int i = (x / 2 + y) % 10;
    return {static_cast<uint8_t>(i * 25), static_cast<uint8_t>(100 + i * 15),
            static_cast<uint8_t>(255 - i * 20)};
}

// Grey levels that survive a 4-bit or 2-bit file exactly.
inline Rgb Grey16Levels(int x, int y)
{
    const auto v = static_cast<uint8_t>(((x + y * 3) % 16) * 17);
    return {v, v, v};
}

// Every pixel different (851 colours).
inline Rgb ManyColors(int x, int y)
{
    return {static_cast<uint8_t>(x * 7), static_cast<uint8_t>(255 - y * 11),
            static_cast<uint8_t>((x * y * 5) % 256)};
}

// 30 colours in blocks, with single pixels in the first row: fits any palette of 5 bits.
inline Rgb PaletteColors(int x, int y)
{
    const int i = y == 0 ? x % 30 : (x / 4 + (y / 3) * 10) % 30;
    return {static_cast<uint8_t>(i * 8), static_cast<uint8_t>(250 - i * 7),
            static_cast<uint8_t>((i * 53) % 256)};
}

inline Rgb FewColors(int x, int y)
{
    static const Rgb kColors[4] = {{255, 255, 255}, {200, 0, 0}, {0, 0, 180}, {0, 150, 0}};
    return kColors[(x / 3 + y / 2) % 4];
}

inline Rgb RedBlue(int x, int y)
{
    return (x + y / 2) % 3 == 0 ? Rgb{220, 10, 10} : Rgb{10, 10, 200};
}

inline Rgb BlackWhite(int x, int y)
{
    const uint8_t v = (x * 3 + y * 5) % 7 < 3 ? 0 : 255;
    return {v, v, v};
}

inline Rgb Greys(int x, int y)
{
    const auto v = static_cast<uint8_t>((x * 7 + y * 13) % 256);
    return {v, v, v};
}

// Writes a P6 (colour) or P5 (grey: the red component) file; maxval up to 65535. For
// 16-bit files every sample is the picture's byte in the high byte and noise in the low
// byte, so that a decoder keeping the high byte gets the picture back exactly.
inline std::string WritePnm(const std::string& name, const Picture& picture, bool grey, int maxval = 255,
                            int width = kWidth, int height = kHeight)
{
    std::ostringstream header;
    header << (grey ? "P5\n" : "P6\n") << width << " " << height << "\n" << maxval << "\n";
    std::string bytes = header.str();
    auto put = [&](uint8_t value, int x, int y) {
        if (maxval > 255) {
            bytes.push_back(static_cast<char>(value));
            bytes.push_back(static_cast<char>((x * 31 + y * 17) & 0xFF));
        } else {
            bytes.push_back(static_cast<char>(maxval == 255 ? value : value * maxval / 255));
        }
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = picture(x, y);
            put(c.r, x, y);
            if (!grey) {
                put(c.g, x, y);
                put(c.b, x, y);
            }
        }
    }
    const std::string path = Work(name);
    owntest::WriteFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return path;
}

// An 8-bit P5 or P6 file as written by djpeg, tifftopnm and the like.
struct Pnm {
    int width = 0;
    int height = 0;
    bool grey = false;
    std::vector<uint8_t> samples;

    Rgb At(int x, int y) const
    {
        const size_t i = (size_t(y) * width + x) * (grey ? 1 : 3);
        return grey ? Rgb{samples[i], samples[i], samples[i]}
                    : Rgb{samples[i], samples[i + 1], samples[i + 2]};
    }
};

inline bool ReadPnm(const std::string& path, Pnm& pnm)
{
    const std::vector<uint8_t> bytes = owntest::ReadFile(path);
    std::string text(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 64));
    std::istringstream in(text);
    std::string magic;
    int maxval = 0;
    in >> magic >> pnm.width >> pnm.height >> maxval;
    if ((magic != "P5" && magic != "P6") || maxval != 255 || !in) {
        return false;
    }
    const size_t start = static_cast<size_t>(in.tellg()) + 1;
    pnm.grey = magic == "P5";
    const size_t count = size_t(pnm.width) * pnm.height * (pnm.grey ? 1 : 3);
    if (bytes.size() < start + count) {
        return false;
    }
    pnm.samples.assign(bytes.begin() + static_cast<long>(start),
                       bytes.begin() + static_cast<long>(start + count));
    return true;
}

inline Picture PictureOf(const Pnm& pnm)
{
    return [pnm](int x, int y) { return pnm.At(x, y); };
}

// Largest difference of any component over the picture, or 1000 when the sizes differ.
inline int MaxDifference(const PLBmp& bmp, const Picture& picture, int width = kWidth, int height = kHeight)
{
    if (bmp.GetWidth() != width || bmp.GetHeight() != height) {
        return 1000;
    }
    int worst = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb a = owntest::PixelOf(bmp, x, y);
            const Rgb b = picture(x, y);
            worst = std::max({worst, std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
        }
    }
    return worst;
}

// Every fourth byte of a 32-bit bitmap is 0xFF.
inline bool FourthBytesOpaque(const PLBmp& bmp)
{
    if (bmp.GetBitsPerPixel() != 32) {
        return true;
    }
    for (int y = 0; y < bmp.GetHeight(); ++y) {
        for (int x = 0; x < bmp.GetWidth(); ++x) {
            if (bmp.GetRow(y)[x * 4 + 3] != 0xFF) {
                return false;
            }
        }
    }
    return true;
}

// Runs command with $S and $O replaced, and $P by a python3 that has PIL; false when it
// fails.
inline bool Make(std::string command, const std::string& source, const std::string& output)
{
    const std::string python = command.find("$P") != std::string::npos ? owntest::PythonWithPil() : "";
    for (const auto& [key, value] :
         {std::pair<std::string, std::string>{"$S", source}, {"$O", output}, {"$P", python}}) {
        for (size_t at = command.find(key); at != std::string::npos;
             at = command.find(key, at + value.size())) {
            command.replace(at, 2, value);
        }
    }
    return owntest::RunTool(command);
}

inline void Decode(PLPicDecoder& decoder, const std::vector<uint8_t>& bytes, PLBmp& bmp)
{
    decoder.Decode(bytes.data(), bytes.size(), bmp);
}

// Whether every command the test needs is installed ("cjpeg djpeg"); "pil" stands for a
// python3 with PIL.
inline bool HaveTools(const std::string& tools)
{
    std::istringstream in(tools);
    std::string tool;
    while (in >> tool) {
        if (tool == "pil" ? owntest::PythonWithPil().empty() : !owntest::HaveCommand(tool)) {
            return false;
        }
    }
    return true;
}

}  // namespace libtest

#define LIB_REQUIRE_TOOLS(tools)                                    \
    do {                                                            \
        if (!libtest::HaveTools(tools)) {                           \
            SKIP_WITHOUT_TOOL("needs " << (tools) << " installed"); \
        }                                                           \
    } while (0)
