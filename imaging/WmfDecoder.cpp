#include "imaging/WmfDecoder.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "imaging/MetafileCanvas.h"
#include "imaging/PngDecoder.h"
#include "imaging/Bmp.h"
#include "imaging/TextException.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

const char kName[] = "WMF decoder: ";
// libwmf's device units are points; the bitmap has 96 pixels an inch.
const double kPixelsPerPoint = 96.0 / 72.0;

[[noreturn]] void Fail(PLErrCode code, const char* message)
{
    throw PLTextException(code, std::string(kName) + message);
}

[[noreturn]] void FailLibrary(wmf_error_t error)
{
    switch (error) {
        case wmf_E_InsMem:
            Fail(PL_ERRNO_MEMORY, "Out of memory.");
        case wmf_E_EOF:
            Fail(PL_ERREND_OF_FILE, "Unexpected end of file.");
        case wmf_E_DeviceError:
            Fail(PL_ERRINTERNAL, "Cannot render the metafile (are its fonts installed?).");
        default:
            Fail(PL_ERRBAD_FORMAT, "This isn't a valid metafile.");
    }
}

int16_t ReadLE16(const uint8_t* p)
{
    return static_cast<int16_t>(p[0] | p[1] << 8);
}

uint32_t ReadLE32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool HasPlaceableHeader(const uint8_t* data, size_t size)
{
    return size >= 22 && data[0] == 0xD7 && data[1] == 0xCD && data[2] == 0xC6 && data[3] == 0x9A;
}

// libwmf believes the header's largest record size (it allocates a buffer that large) and
// the sizes of the records. Walking the records first refuses a file whose records pass
// its end or outgrow the announced largest one. Returns the drawing steps: the records and
// the points of the polygons and lines they draw (each costs time over the canvas).
uint64_t CheckRecords(const uint8_t* data, size_t size)
{
    const unsigned kPolygon = 0x0324;
    const unsigned kPolyline = 0x0325;
    const unsigned kPolyPolygon = 0x0538;
    uint64_t records = 0;
    uint64_t vertices = 0;
    size_t pos = HasPlaceableHeader(data, size) ? 22 : 0;
    if (size - pos < 18 || data[pos + 2] != 9 || data[pos + 3] != 0) {
        Fail(PL_ERRBAD_FORMAT, "This isn't a valid metafile.");
    }
    const uint64_t largestAnnounced = ReadLE32(data + pos + 12);
    if (largestAnnounced * 2 > size) {
        Fail(PL_ERRBAD_FORMAT, "Damaged metafile header.");
    }
    pos += 18;
    for (;;) {
        if (size - pos < 6) {
            Fail(PL_ERREND_OF_FILE, "Unexpected end of file.");
        }
        const uint64_t words = ReadLE32(data + pos);
        const unsigned function = data[pos + 4] | data[pos + 5] << 8;
        if (words < 3 || words * 2 > size - pos || words > largestAnnounced) {
            Fail(PL_ERRBAD_FORMAT, "Damaged metafile record.");
        }
        if (function == 0) {
            if (vertices > PLMetafileCanvas::kMaxVertices) {
                throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED, CStringTable::Get(IDS_DRAWING_TOO_COMPLEX));
            }
            return records + vertices;  // end of the metafile
        }
        if (function == kPolygon || function == kPolyline || function == kPolyPolygon) {
            vertices += (words - 3) / 2;  // at most one point in every two parameter words
        }
        pos += static_cast<size_t>(words * 2);
        ++records;
    }
}

// The picture frame of a placeable metafile in libwmf's device units (points from the
// window origin), or false for a file without the placeable header. libwmf's scan gives
// only the extent of what is drawn, which would crop the picture's margins.
bool PlaceableFrame(const uint8_t* data, size_t size, wmfD_Rect& frame)
{
    if (!HasPlaceableHeader(data, size)) {
        return false;
    }
    const double width = double(ReadLE16(data + 10)) - ReadLE16(data + 6);
    const double height = double(ReadLE16(data + 12)) - ReadLE16(data + 8);
    const double unitsPerInch = static_cast<uint16_t>(ReadLE16(data + 14));
    if (!(width > 0 && height > 0 && unitsPerInch > 0)) {
        return false;
    }
    frame.TL.x = 0;
    frame.TL.y = 0;
    frame.BR.x = static_cast<float>(width / unitsPerInch * 72.0);
    frame.BR.y = static_cast<float>(height / unitsPerInch * 72.0);
    return true;
}

// Collects the PNG that libwmf's gd device writes. Called from C: must not throw.
int AppendPng(void* context, char* buffer, int length)
{
    auto* png = static_cast<std::vector<uint8_t>*>(context);
    if (length <= 0) {
        return 0;
    }
    try {
        png->insert(png->end(), buffer, buffer + length);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return length;
}

// libwmf keeps track of every block it hands out and frees them with the API.
struct WmfApi {
    wmfAPI* api = nullptr;
    ~WmfApi()
    {
        if (api) {
            wmf_api_destroy(api);
        }
    }
};

}  // namespace

void PLWmfDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    if (size < 18 || size > 0x7FFFFFFF) {
        Fail(PL_ERRBAD_FORMAT, "This isn't a valid metafile.");
    }
    const uint64_t records = CheckRecords(data, size);
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof(options));
    options.function = wmf_gd_function;
    // No messages on stderr; errors come back as codes.
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    WmfApi wmf;
    wmf_error_t error = wmf_api_create(&wmf.api, flags, &options);
    if (error != wmf_E_None) {
        FailLibrary(error);
    }
    wmf_gd_t* device = WMF_GD_GetData(wmf.api);
    if (!(device->flags & WMF_GD_SUPPORTS_PNG)) {
        Fail(PL_ERRINTERNAL, "libwmf was built without PNG.");
    }
    // libwmf only reads the buffer, though its prototype is not const.
    error = wmf_mem_open(wmf.api, const_cast<unsigned char*>(data), static_cast<long>(size));
    if (error != wmf_E_None) {
        FailLibrary(error);
    }
    wmfD_Rect bbox;
    std::memset(&bbox, 0, sizeof(bbox));
    error = wmf_scan(wmf.api, 0, &bbox);
    if (error != wmf_E_None) {
        FailLibrary(error);
    }
    wmfD_Rect frame;
    // The canvas has the size of the picture frame when the file gives one. What is played
    // onto it is the frame too, unless the drawing reaches beyond it: then the file's window
    // mapping is not the one the frame assumes (Inkscape writes anisotropic files that
    // libwmf lays out on a default 1024-point square), and the drawing is fitted to the
    // frame's size instead of being cropped.
    double canvasX = double(bbox.BR.x) - bbox.TL.x;
    double canvasY = double(bbox.BR.y) - bbox.TL.y;
    if (PlaceableFrame(data, size, frame)) {
        canvasX = double(frame.BR.x) - frame.TL.x;
        canvasY = double(frame.BR.y) - frame.TL.y;
        const bool bInside = bbox.TL.x >= frame.TL.x - 1 && bbox.TL.y >= frame.TL.y - 1 &&
                             bbox.BR.x <= frame.BR.x + 1 && bbox.BR.y <= frame.BR.y + 1;
        if (bInside) {
            bbox = frame;
        }
    }
    const double extentX = canvasX;
    const double extentY = canvasY;
    if (!(extentX > 0 && extentY > 0 && extentX < 1e9 && extentY < 1e9)) {
        Fail(PL_ERRBAD_FORMAT, "The metafile has no size.");
    }
    const double scale = kPixelsPerPoint * PLMetafileCanvas::Scale(extentX * kPixelsPerPoint,
                                                                   extentY * kPixelsPerPoint, records);

    std::vector<uint8_t> png;
    device->type = wmf_gd_png;
    device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
    device->sink.context = &png;
    device->sink.function = AppendPng;
    device->bbox = bbox;
    device->width = static_cast<unsigned int>(std::max(1.0, std::round(extentX * scale)));
    device->height = static_cast<unsigned int>(std::max(1.0, std::round(extentY * scale)));
    error = wmf_play(wmf.api, 0, &bbox);
    if (error != wmf_E_None) {
        FailLibrary(error);
    }
    if (png.empty()) {
        Fail(PL_ERRINTERNAL, "Cannot render the metafile.");
    }
    PLPngDecoder().Decode(png.data(), png.size(), bmp);
}
