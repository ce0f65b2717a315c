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
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

const char kName[] = "EMF decoder";
const uint32_t kHeaderRecord = 1;
const uint32_t kSignature = 0x464D4520;  // " EMF"
const size_t kHeaderSize = 88;
// About three seconds of crossings for the renderer.
const double kMaxCrossings = 2e6;

[[noreturn]] void Fail(PLErrCode code, const char* message)
{
    throw PLTextException(code, std::string(kName) + ": " + message);
}

int16_t ReadLE16(const uint8_t* p)
{
    return static_cast<int16_t>(p[0] | p[1] << 8);
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

// Where a record's points start and how large each coordinate is, for the records that
// draw through points; false for the others.
bool PointLayout(uint32_t type, size_t& offset, size_t& coordinateBytes)
{
    switch (type) {
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
        case 56:  // poly-Bezier, polygon, polyline, ...
            offset = 28;
            coordinateBytes = 4;
            return true;
        case 85:
        case 86:
        case 87:
        case 88:
        case 89:
        case 92:  // their 16-bit forms
            offset = 28;
            coordinateBytes = 2;
            return true;
        case 27:
        case 54:  // MOVETOEX, LINETO: one point
            offset = 8;
            coordinateBytes = 4;
            return true;
        default:
            return false;
    }
}

// What drawing the records costs: their number, the points they draw through, and the
// lengths of the figures those points make. Filling or stroking a figure that crosses
// itself costs time for every crossing, and a figure of length L in a drawing of diagonal D
// crosses itself up to about (L / D)^2 times, whatever the scale.
struct Work {
    uint64_t records = 0;
    uint64_t vertices = 0;
    double figureLength = 0;
    double squaredLengths = 0;  // of the figures before the current one
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    double lastX = 0, lastY = 0;

    // A point that starts a figure, or continues the current one with a line from the last.
    void AddPoint(double x, double y, bool joined)
    {
        if (vertices == 0) {
            minX = maxX = x;
            minY = maxY = y;
        }
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
        if (joined) {
            figureLength += std::hypot(x - lastX, y - lastY);
        } else {
            squaredLengths += figureLength * figureLength;
            figureLength = 0;
        }
        lastX = x;
        lastY = y;
        ++vertices;
    }
    double Crossings() const
    {
        const double diagonal = std::max(1.0, std::hypot(maxX - minX, maxY - minY));
        const double byLength = (squaredLengths + figureLength * figureLength) / (diagonal * diagonal);
        return std::min(byLength, double(vertices) * double(vertices));
    }
};

// Walks the records up to EMR_EOF: each must lie inside the file.
Work MeasureRecords(const uint8_t* data, size_t size)
{
    const uint32_t kEndRecord = 14;
    size_t pos = 0;
    Work work;
    while (size - pos >= 8) {
        const auto type = uint32_t(ReadLE32(data + pos));
        const auto bytes = uint32_t(ReadLE32(data + pos + 4));
        if (bytes < 8 || bytes > size - pos) {
            Fail(PL_ERRBAD_FORMAT, "Damaged metafile record.");
        }
        ++work.records;
        if (type == kEndRecord) {
            return work;
        }
        size_t offset = 0;
        size_t coordinateBytes = 0;
        if (PointLayout(type, offset, coordinateBytes)) {
            // Every coordinate pair in the record counts, whatever its count fields say.
            // Records that draw on from the current point: LINETO and the "...TO" poly records.
            const bool continues = type == 54 || type == 5 || type == 6 || type == 88 || type == 89;
            const uint8_t* record = data + pos;
            for (size_t at = offset; at + 2 * coordinateBytes <= bytes; at += 2 * coordinateBytes) {
                const double x = coordinateBytes == 4 ? ReadLE32(record + at) : ReadLE16(record + at);
                const double y = coordinateBytes == 4 ? ReadLE32(record + at + 4) : ReadLE16(record + at + 2);
                work.AddPoint(x, y, continues || at > offset);
            }
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
    const Work work = MeasureRecords(data, size);
    if (work.vertices > PLMetafileCanvas::kMaxVertices || work.Crossings() > kMaxCrossings) {
        throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED, CStringTable::Get(IDS_DRAWING_TOO_COMPLEX));
    }
    // The renderer strokes and fills by length, and the crossings are bounded above: the
    // points do not count as steps over the whole canvas here.
    const double scale = PLMetafileCanvas::Scale(width, height, work.records);
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
