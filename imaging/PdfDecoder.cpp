#include "imaging/PdfDecoder.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <memory>
#include <mutex>
#include <string>

#include "imaging/Bmp.h"
#include "imaging/PdfDrawProcess.h"
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

std::atomic<PLPdfDrawWaiter*> g_pWaiter{nullptr};

// The size of a page as it is shown; a page that is missing, or whose size is no number
// (an overflowing box) or nothing, is damaged.
PLPdfDecoder::PageSize SizeOf(const poppler::page* pPage)
{
    PLPdfDecoder::PageSize size{0, 0, true};
    if (pPage == nullptr)
        return size;
    const poppler::rectf rect = pPage->page_rect();
    size.width = rect.width();
    size.height = rect.height();
    const poppler::page::orientation_enum orientation = pPage->orientation();
    if (orientation == poppler::page::landscape || orientation == poppler::page::seascape)
        std::swap(size.width, size.height);
    size.bDamaged = !std::isfinite(size.width) || !std::isfinite(size.height) ||
                    !(std::fabs(size.width) > 0) || !(std::fabs(size.height) > 0);
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

uint64_t PLPdfDecoder::MemoryBound(const PageSize& size, int dpi)
{
    const double scale = dpi / 72.0;
    const double pixels =
        (std::ceil(std::fabs(size.width) * scale) + 1) * (std::ceil(std::fabs(size.height) * scale) + 1);
    const double bitmapBytes = std::isfinite(pixels) ? std::min(pixels, kMaxPixels) * 4 : kMaxPixels * 4;
    return static_cast<uint64_t>(2 * bitmapBytes) + kDrawingMemory;
}

void PLPdfDecoder::SetWaiter(PLPdfDrawWaiter* pWaiter)
{
    g_pWaiter.store(pWaiter);
}

void PLPdfDecoder::SetBounds(double cpuSeconds, uint64_t memoryBytes, double wallSeconds)
{
    m_CpuSeconds = cpuSeconds;
    m_nMemoryBytes = memoryBytes;
    m_WallSeconds = wallSeconds > 0 ? wallSeconds : 6 * cpuSeconds;
}

std::vector<PLPdfDecoder::PageSize> PLPdfDecoder::ReadPageSizes(const uint8_t* data, size_t size)
{
    const std::unique_ptr<poppler::document> pDocument = OpenDocument(data, size);
    std::vector<PageSize> sizes;
    const int count = pDocument->pages();
    bool bAnyReadable = false;
    for (int i = 0; i < count; ++i) {
        const std::unique_ptr<poppler::page> pPage(pDocument->create_page(i));
        sizes.push_back(SizeOf(pPage.get()));
        bAnyReadable = bAnyReadable || !sizes.back().bDamaged;
    }
    if (!bAnyReadable)
        Fail(PL_ERRBAD_FORMAT, IDS_PDF_DAMAGED);
    return sizes;
}

void PLPdfDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    m_bComplete = true;
    const std::unique_ptr<poppler::document> pDocument = OpenDocument(data, size);
    if (m_nPage < 1 || m_nPage > pDocument->pages())
        throw PLTextException(PL_ERRBAD_FORMAT, FormatWithInts(CStringTable::Get(IDS_PDF_NO_PAGE),
                                                               {m_nPage, pDocument->pages()}));
    const std::unique_ptr<poppler::page> pPage(pDocument->create_page(m_nPage - 1));
    const PageSize pageSize = SizeOf(pPage.get());
    if (pageSize.bDamaged)
        Fail(PL_ERRBAD_FORMAT, IDS_PDF_PAGE_DAMAGED);
    if (IsTooLarge(pageSize, m_nDpi))
        Fail(PL_ERRFORMAT_NOT_SUPPORTED, IDS_PDF_PAGE_TOO_LARGE);

    const PLPdfDrawProcess::Bounds bounds{
        m_CpuSeconds, m_WallSeconds, m_nMemoryBytes != 0 ? m_nMemoryBytes : MemoryBound(pageSize, m_nDpi),
        kMaxPixels};
    m_bComplete = PLPdfDrawProcess::Draw(data, size, m_nPage, m_nDpi, bounds, g_pWaiter.load(), bmp);
    bmp.SetResolution(m_nDpi, m_nDpi);
}
