#include "imaging/EmfDecoder.h"

#include <emf2svg.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "imaging/MetafileCanvas.h"
#include "imaging/SvgRasterizer.h"
#include "imaging/Bmp.h"
#include "imaging/TextException.h"

namespace {

const char kName[] = "EMF decoder";
const uint32_t kHeaderRecord = 1;
const uint32_t kSignature = 0x464D4520;  // " EMF"
const size_t kHeaderSize = 88;

[[noreturn]] void Fail(PLErrCode code, const char* message)
{
    throw PLTextException(code, std::string(kName) + ": " + message);
}

int32_t ReadLE32(const uint8_t* p)
{
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                                uint32_t(p[3]) << 24);
}

// The picture's size in pixels at 96 dots per inch from the header: the frame is in
// hundredths of a millimetre; the bounds, in device pixels, serve when it is empty.
bool HeaderSize(const uint8_t* data, double& width, double& height)
{
    const double frameWidth = double(ReadLE32(data + 32)) - ReadLE32(data + 24);
    const double frameHeight = double(ReadLE32(data + 36)) - ReadLE32(data + 28);
    if (frameWidth > 0 && frameHeight > 0) {
        width = frameWidth / 2540.0 * 96.0;
        height = frameHeight / 2540.0 * 96.0;
        return true;
    }
    const double boundsWidth = double(ReadLE32(data + 16)) - ReadLE32(data + 8) + 1;
    const double boundsHeight = double(ReadLE32(data + 20)) - ReadLE32(data + 12) + 1;
    if (boundsWidth > 0 && boundsHeight > 0) {
        width = boundsWidth;
        height = boundsHeight;
        return true;
    }
    return false;
}

// Walks the records up to EMR_EOF: each must lie inside the file. Returns their number.
uint64_t CountRecords(const uint8_t* data, size_t size)
{
    const uint32_t kEndRecord = 14;
    size_t pos = 0;
    uint64_t records = 0;
    while (size - pos >= 8) {
        const auto type = uint32_t(ReadLE32(data + pos));
        const auto bytes = uint32_t(ReadLE32(data + pos + 4));
        if (bytes < 8 || bytes > size - pos) {
            Fail(PL_ERRBAD_FORMAT, "Damaged metafile record.");
        }
        ++records;
        if (type == kEndRecord) {
            return records;
        }
        pos += bytes;
    }
    Fail(PL_ERREND_OF_FILE, "Unexpected end of file.");
}

}  // namespace

void PLEmfDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    if (size < kHeaderSize || uint32_t(ReadLE32(data)) != kHeaderRecord ||
        uint32_t(ReadLE32(data + 40)) != kSignature) {
        Fail(PL_ERRWRONG_SIGNATURE, "This isn't an enhanced metafile.");
    }
    double width = 0;
    double height = 0;
    if (!HeaderSize(data, width, height)) {
        Fail(PL_ERRBAD_FORMAT, "The metafile has no size.");
    }
    const double scale = PLMetafileCanvas::Scale(width, height, CountRecords(data, size));
    width = std::max(1.0, std::round(width * scale));
    height = std::max(1.0, std::round(height * scale));
    // libemf2svg takes a writable buffer (it swaps bytes in place on big-endian machines);
    // the caller's data may be a read-only mapping.
    std::vector<char> contents(data, data + size);
    generatorOptions options;
    std::memset(&options, 0, sizeof(options));
    options.nameSpace = nullptr;
    options.svgDelimiter = true;
    options.imgWidth = width;
    options.imgHeight = height;
    char* text = nullptr;
    size_t length = 0;
    const int ok = emf2svg(contents.data(), contents.size(), &text, &length, &options);
    struct Freer {
        char* text;
        ~Freer() { std::free(text); }
    } freer{text};
    if (!ok || !text || length == 0) {
        Fail(PL_ERRBAD_FORMAT, "This isn't a valid metafile.");
    }
    PLSvgRasterizer::Render(std::string(text, length), width, height, kName, bmp);
}
