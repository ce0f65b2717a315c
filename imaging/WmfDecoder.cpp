#include "imaging/WmfDecoder.h"

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cstring>
#include <string>

#include "imaging/SvgRasterizer.h"
#include "imaging/TextException.h"

namespace {

const char kName[] = "WMF decoder";
const double kDpi = 96;

[[noreturn]] void Fail(PLErrCode code, const char* message)
{
    throw PLTextException(code, std::string(kName) + ": " + message);
}

[[noreturn]] void FailLibrary(wmf_error_t error)
{
    switch (error) {
        case wmf_E_InsMem:
            Fail(PL_ERRNO_MEMORY, "Out of memory.");
        case wmf_E_EOF:
            Fail(PL_ERREND_OF_FILE, "Unexpected end of file.");
        default:
            Fail(PL_ERRBAD_FORMAT, "This isn't a valid metafile.");
    }
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

void PLWmfDecoder::Decode(const uint8_t* data, size_t size, PLBmp& bmp)
{
    if (size < 18 || size > 0x7FFFFFFF) {
        Fail(PL_ERRBAD_FORMAT, "This isn't a valid metafile.");
    }
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof(options));
    options.function = wmf_svg_function;
    // No messages on stderr; errors come back as codes.
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    WmfApi wmf;
    wmf_error_t error = wmf_api_create(&wmf.api, flags, &options);
    if (error != wmf_E_None) {
        FailLibrary(error);
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
    unsigned int width = 0;
    unsigned int height = 0;
    error = wmf_display_size(wmf.api, &width, &height, kDpi, kDpi);
    if (error != wmf_E_None || width == 0 || height == 0 || !(bbox.BR.x > bbox.TL.x) ||
        !(bbox.BR.y > bbox.TL.y)) {
        Fail(PL_ERRBAD_FORMAT, "The metafile has no size.");
    }

    wmf_svg_t* device = WMF_SVG_GetData(wmf.api);
    device->out = wmf_stream_create(wmf.api, nullptr);
    if (!device->out) {
        Fail(PL_ERRNO_MEMORY, "Out of memory.");
    }
    static char description[] = "Plotvane";
    device->Description = description;
    device->bbox = bbox;
    device->width = width;
    device->height = height;
    device->flags |= WMF_SVG_INLINE_IMAGES;
    error = wmf_play(wmf.api, 0, &bbox);

    char* text = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(wmf.api, device->out, &text, &length);
    device->out = nullptr;
    if (error != wmf_E_None || !text) {
        FailLibrary(error != wmf_E_None ? error : wmf_E_InsMem);
    }
    const std::string svg(text, length);
    PLSvgRasterizer::Render(svg, width, height, kName, bmp);
}
