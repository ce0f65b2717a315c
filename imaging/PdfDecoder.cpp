#include "imaging/PdfDecoder.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>

#include "imaging/Bmp.h"
#include "imaging/TextException.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

[[noreturn]] void Fail(PLErrCode code, int id)
{
    throw PLTextException(code, CStringTable::Get(id));
}

// poppler reports what it finds wrong in a file on the standard error; the user gets our
// message instead.
void IgnorePopplerMessage(const std::string&, void*) {}

// The document read from data, unlocked, with at least one page. data must outlive it.
std::unique_ptr<poppler::document> OpenDocument(const uint8_t* data, size_t size)
{
    static std::once_flag silenced;
    std::call_once(silenced, []() { poppler::set_debug_error_function(IgnorePopplerMessage, nullptr); });
    if (data == nullptr || size == 0 || size > static_cast<size_t>(INT_MAX))
        Fail(PL_ERRBAD_FORMAT, IDS_PDF_DAMAGED);
    std::unique_ptr<poppler::document> pDocument(
        poppler::document::load_from_raw_data(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    if (!pDocument)
        Fail(PL_ERRBAD_FORMAT, IDS_PDF_DAMAGED);
    if (pDocument->is_locked())
        Fail(PL_ERRACCESS_DENIED, IDS_PDF_LOCKED);
    if (pDocument->pages() < 1)
        Fail(PL_ERRBAD_FORMAT, IDS_PDF_DAMAGED);
    return pDocument;
}

PLPdfDecoder::PageSize SizeOf(const poppler::page& page)
{
    const poppler::rectf rect = page.page_rect();
    PLPdfDecoder::PageSize size{rect.width(), rect.height()};
    const poppler::page::orientation_enum orientation = page.orientation();
    if (orientation == poppler::page::landscape || orientation == poppler::page::seascape)
        std::swap(size.width, size.height);
    return size;
}

}  // namespace

PLPdfDecoder::PLPdfDecoder(int page, int dpi) : m_nPage(page), m_nDpi(std::clamp(dpi, kMinDpi, kMaxDpi)) {}

bool PLPdfDecoder::IsTooLarge(const PageSize& size, int dpi)
{
    const double scale = dpi / 72.0;
    const double width = std::fabs(size.width) * scale;
    const double height = std::fabs(size.height) * scale;
    if (!std::isfinite(width) || !std::isfinite(height))
        return true;
    // Each side rounded up, as a renderer may; a side alone beyond the limit is refused
    // before the product could overflow to something small.
    const double w = std::ceil(width) + 1;
    const double h = std::ceil(height) + 1;
    return w > kMaxPixels || h > kMaxPixels || w * h > kMaxPixels;
}

std::vector<PLPdfDecoder::PageSize> PLPdfDecoder::ReadPageSizes(const uint8_t* data, size_t size)
{
    const std::unique_ptr<poppler::document> pDocument = OpenDocument(data, size);
    std::vector<PageSize> sizes;
    const int count = pDocument->pages();
    for (int i = 0; i < count; ++i) {
        const std::unique_ptr<poppler::page> pPage(pDocument->create_page(i));
        if (!pPage)
            Fail(PL_ERRBAD_FORMAT, IDS_PDF_DAMAGED);
        sizes.push_back(SizeOf(*pPage));
    }
    return sizes;
}

void PLPdfDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    const std::unique_ptr<poppler::document> pDocument = OpenDocument(data, size);
    if (m_nPage < 1 || m_nPage > pDocument->pages())
        throw PLTextException(PL_ERRBAD_FORMAT, FormatWithInts(CStringTable::Get(IDS_PDF_NO_PAGE),
                                                               {m_nPage, pDocument->pages()}));
    const std::unique_ptr<poppler::page> pPage(pDocument->create_page(m_nPage - 1));
    if (!pPage)
        Fail(PL_ERRBAD_FORMAT, IDS_PDF_DAMAGED);
    if (IsTooLarge(SizeOf(*pPage), m_nDpi))
        Fail(PL_ERRFORMAT_NOT_SUPPORTED, IDS_PDF_PAGE_TOO_LARGE);

    poppler::page_renderer renderer;
    renderer.set_render_hints(poppler::page_renderer::antialiasing |
                              poppler::page_renderer::text_antialiasing);
    renderer.set_image_format(poppler::image::format_argb32);
    renderer.set_paper_color(0xFFFFFFFF);
    const poppler::image image = renderer.render_page(pPage.get(), m_nDpi, m_nDpi);
    if (!image.is_valid() || image.format() != poppler::image::format_argb32 || image.width() < 1 ||
        image.height() < 1 || image.bytes_per_row() < image.width() * 4)
        Fail(PL_ERRBAD_FORMAT, IDS_PDF_DAMAGED);

    // poppler's pixels are native 0xAARRGGBB words: blue, green, red, alpha in memory on a
    // little-endian machine, as the bitmap wants them; the page is opaque on white paper.
    bmp.Create(image.width(), image.height(), 32);
    bmp.SetResolution(m_nDpi, m_nDpi);
    const uint32_t one = 1;
    uint8_t lowByte = 0;
    std::memcpy(&lowByte, &one, 1);
    const bool bLittleEndian = lowByte == 1;
    const char* source = image.const_data();
    const size_t sourceStride = static_cast<size_t>(image.bytes_per_row());
    const size_t rowBytes = static_cast<size_t>(bmp.GetWidth()) * 4;
    for (int32_t y = 0; y < bmp.GetHeight(); ++y) {
        const auto* in = reinterpret_cast<const uint8_t*>(source + static_cast<size_t>(y) * sourceStride);
        uint8_t* out = bmp.GetRow(y);
        if (bLittleEndian)
            std::memcpy(out, in, rowBytes);
        for (size_t x = 0; x < rowBytes; x += 4) {
            if (!bLittleEndian) {
                uint32_t word = 0;
                std::memcpy(&word, in + x, sizeof(word));
                out[x] = static_cast<uint8_t>(word);
                out[x + 1] = static_cast<uint8_t>(word >> 8);
                out[x + 2] = static_cast<uint8_t>(word >> 16);
            }
            out[x + 3] = 0xFF;
        }
    }
}
