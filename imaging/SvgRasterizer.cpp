#include "imaging/SvgRasterizer.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "imaging/Bmp.h"
#include "imaging/TextException.h"

namespace {

[[noreturn]] void Fail(const char* decoderName, PLErrCode code, const std::string& message)
{
    throw PLTextException(code, std::string(decoderName) + ": " + message);
}

// Owns the GLib and cairo objects of one rendering.
struct RenderObjects {
    RsvgHandle* handle = nullptr;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    GError* error = nullptr;
    ~RenderObjects()
    {
        if (cr) {
            cairo_destroy(cr);
        }
        if (surface) {
            cairo_surface_destroy(surface);
        }
        if (handle) {
            g_object_unref(handle);
        }
        if (error) {
            g_error_free(error);
        }
    }
    std::string ErrorText(const char* fallback) const
    {
        return error && error->message ? error->message : fallback;
    }
};

}  // namespace

void PLSvgRasterizer::Render(const std::string& svg, double width, double height, const char* decoderName,
                             PLBmp& bmp)
{
    RenderObjects objects;
    objects.handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &objects.error);
    if (!objects.handle) {
        Fail(decoderName, PL_ERRBAD_FORMAT, objects.ErrorText("Cannot read the converted drawing."));
    }
    if (!(width > 0 && height > 0)) {
        if (!rsvg_handle_get_intrinsic_size_in_pixels(objects.handle, &width, &height)) {
            gboolean hasViewBox = FALSE;
            RsvgRectangle viewBox{0, 0, 0, 0};
            rsvg_handle_get_intrinsic_dimensions(objects.handle, nullptr, nullptr, nullptr, nullptr,
                                                 &hasViewBox, &viewBox);
            width = hasViewBox ? viewBox.width : 0;
            height = hasViewBox ? viewBox.height : 0;
        }
    }
    if (!(width > 0 && height > 0) || !std::isfinite(width) || !std::isfinite(height)) {
        Fail(decoderName, PL_ERRBAD_FORMAT, "The drawing has no size.");
    }
    const double scale = std::min(1.0, kMaxSide / std::max(width, height));
    const auto w = static_cast<int32_t>(std::max(1.0, std::ceil(width * scale - 1e-6)));
    const auto h = static_cast<int32_t>(std::max(1.0, std::ceil(height * scale - 1e-6)));

    bmp.Create(w, h, 32);
    // White everywhere first: the drawing is composed over it, so the result is opaque.
    std::memset(bmp.GetBits(), 0xFF, bmp.GetStride() * static_cast<size_t>(h));
    objects.surface = cairo_image_surface_create_for_data(bmp.GetBits(), CAIRO_FORMAT_ARGB32, w, h,
                                                          static_cast<int>(bmp.GetStride()));
    objects.cr = cairo_create(objects.surface);
    if (cairo_status(objects.cr) != CAIRO_STATUS_SUCCESS) {
        bmp.Clear();
        Fail(decoderName, PL_ERRNO_MEMORY, "Out of memory rendering the drawing.");
    }
    const RsvgRectangle viewport{0, 0, double(w), double(h)};
    if (!rsvg_handle_render_document(objects.handle, objects.cr, &viewport, &objects.error)) {
        bmp.Clear();
        Fail(decoderName, PL_ERRBAD_FORMAT, objects.ErrorText("Cannot render the drawing."));
    }
    cairo_surface_flush(objects.surface);
    // cairo's ARGB32 is premultiplied, but over opaque white every pixel is opaque, so the
    // bytes are already blue, green, red; only the fourth byte is set for certain.
    for (int32_t y = 0; y < h; ++y) {
        uint8_t* p = bmp.GetRow(y);
        for (int32_t x = 0; x < w; ++x, p += 4) {
            p[3] = 0xFF;
        }
    }
}
