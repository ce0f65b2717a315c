#pragma once

// Shared pieces of the tests of the image layer's own decoders: reference pictures drawn
// here, the external tools that turn them into files, and pixel comparison.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "imaging/Bmp.h"
#include "imaging/PicDecoder.h"
#include "tests/support/RequiredTool.h"

namespace owntest {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

using Picture = std::function<Rgb(int x, int y)>;

inline std::string WorkPath(const std::string& name)
{
    return std::string(PLOTVANE_TEST_WORK) + "/own_" + name;
}

inline bool HaveCommand(const std::string& name)
{
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

inline bool RunTool(const std::string& command)
{
    return std::system(("(" + command + ") >/dev/null 2>&1").c_str()) == 0;
}

// A python3 that has PIL, or "" when none has.
inline std::string PythonWithPil()
{
    for (const char* python : {"python3", "/usr/bin/python3"}) {
        if (RunTool(std::string(python) + " -c 'import PIL'")) {
            return python;
        }
    }
    return "";
}

// A tool's command line with $S replaced by the source picture and $O by the output file.
inline std::string Expand(std::string command, const std::string& source, const std::string& output)
{
    for (auto [key, value] : {std::pair<std::string, std::string>{"$S", source}, {"$O", output}}) {
        for (size_t at = command.find(key); at != std::string::npos; at = command.find(key)) {
            command.replace(at, 2, value);
        }
    }
    return command;
}

inline uint32_t Le32(const std::vector<uint8_t>& d, size_t at)
{
    return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (uint32_t(d[at + 3]) << 24);
}

inline std::vector<uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The reference pictures: 301 x 9 pixels (an odd width, so rows need padding), long runs
// for the run-length coders (longer than 255 and 128) and a stretch of single pixels for
// their literal runs.
constexpr int kWidth = 301;
constexpr int kHeight = 9;

inline Rgb EightColors(int x, int y)
{
    static const Rgb kColors[8] = {{255, 0, 0}, {0, 255, 0},   {0, 0, 255},    {255, 255, 255},
                                   {0, 0, 0},   {255, 255, 0}, {20, 120, 200}, {200, 30, 90}};
    if (y % 2 == 0 && x < 20) {
        return kColors[(x + y) % 8];
    }
    return kColors[(x / 40 + y) % 8];
}

// Only full-on and full-off components: exact through 5- and 6-bit fields.
inline Rgb PrimaryColors(int x, int y)
{
    const Rgb c = EightColors(x, y);
    return {c.r > 127 ? uint8_t(255) : uint8_t(0), c.g > 127 ? uint8_t(255) : uint8_t(0),
            c.b > 127 ? uint8_t(255) : uint8_t(0)};
}

inline Rgb FourColors(int x, int y)
{
    static const Rgb kColors[4] = {{255, 255, 255}, {0, 0, 0}, {220, 20, 60}, {30, 144, 255}};
    if (y % 2 == 0 && x < 20) {
        return kColors[(x + y) % 4];
    }
    return kColors[(x / 40 + y) % 4];
}

inline Rgb TwoColors(int x, int y)
{
    const uint8_t v = ((x * 7 + y * 3) / 5) % 2 ? 255 : 0;
    return {v, v, v};
}

// 60 colours: more than a 4-bit palette holds.
inline Rgb ManyColors(int x, int y)
{
    const int i = (x / 5 + y * 7) % 60;
    return {static_cast<uint8_t>(i * 4), static_cast<uint8_t>(255 - i * 3),
            static_cast<uint8_t>((i * 37) % 256)};
}

inline Rgb Greys(int x, int y)
{
    const auto v = static_cast<uint8_t>(x < 40 ? (x * 6 + y * 17) % 256 : ((x / 30) * 23 + y * 11) % 256);
    return {v, v, v};
}

inline std::string WritePpm(const std::string& name, const Picture& picture, int width = kWidth,
                            int height = kHeight)
{
    std::ostringstream text;
    text << "P6\n" << width << " " << height << "\n255\n";
    std::string bytes = text.str();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = picture(x, y);
            bytes.push_back(static_cast<char>(c.r));
            bytes.push_back(static_cast<char>(c.g));
            bytes.push_back(static_cast<char>(c.b));
        }
    }
    const std::string path = WorkPath(name);
    WriteFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return path;
}

inline Rgb PixelOf(const PLBmp& bmp, int x, int y)
{
    const uint8_t* row = bmp.GetRow(y);
    int index = 0;
    switch (bmp.GetBitsPerPixel()) {
        case 32:
            return {row[x * 4 + 2], row[x * 4 + 1], row[x * 4]};
        case 24:
            return {row[x * 3 + 2], row[x * 3 + 1], row[x * 3]};
        case 8:
            index = row[x];
            break;
        case 1:
            index = (row[x / 8] >> (7 - x % 8)) & 1;
            break;
        default:
            return {};
    }
    const uint8_t* entry = bmp.GetPalette() + index * 4;
    return {entry[2], entry[1], entry[0]};
}

inline ::testing::AssertionResult Matches(const PLBmp& bmp, const Picture& picture, int width = kWidth,
                                          int height = kHeight)
{
    if (bmp.GetWidth() != width || bmp.GetHeight() != height) {
        return ::testing::AssertionFailure() << "size " << bmp.GetWidth() << "x" << bmp.GetHeight()
                                             << ", expected " << width << "x" << height;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb got = PixelOf(bmp, x, y);
            const Rgb want = picture(x, y);
            if (!(got == want)) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << int(got.r) << "," << int(got.g) << ","
                       << int(got.b) << ", expected " << int(want.r) << "," << int(want.g) << ","
                       << int(want.b);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

inline void DecodeFile(PLPicDecoder& decoder, const std::string& path, PLBmp& bmp)
{
    const std::vector<uint8_t> bytes = ReadFile(path);
    decoder.Decode(bytes.data(), bytes.size(), bmp);
}

}  // namespace owntest

#define OWN_REQUIRE_TOOL(tool)                           \
    do {                                                 \
        if (!owntest::HaveCommand(tool)) {               \
            SKIP_WITHOUT_TOOL(tool << " not installed"); \
        }                                                \
    } while (0)
