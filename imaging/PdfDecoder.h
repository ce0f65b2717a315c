#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/PicDecoder.h"

class PLPdfDrawWaiter;

// Decoder of PDF files through poppler: one page rasterised at a chosen resolution into a
// 32-bit bitmap (blue, green, red, 0xFF) on white. Refused, each with its own message of
// the string table and before anything is drawn: a file poppler cannot read or without a
// readable page, a page number out of range, a damaged page (missing, or of a size that is
// no number), a file locked by a password, and a page whose bitmap would exceed kMaxPixels
// at the resolution. The page is drawn by a program of its own (PLPdfDrawProcess), stopped
// when it passes kMaxDrawSeconds of processor time, kMaxDrawWallSeconds of time or
// MemoryBound() of memory, or when the waiter set by SetWaiter says so. poppler's own warnings are kept from
// the terminal; a page that poppler drew while complaining is kept and WasComplete() tells.
class PLPdfDecoder : public PLPicDecoder {
public:
    static constexpr int kDefaultPage = 1;
    static constexpr int kDefaultDpi = 300;
    static constexpr int kMinDpi = 30;
    static constexpr int kMaxDpi = 1200;
    static constexpr double kMaxPixels = 400e6;
    // The processor time a page may take to draw. The figures of papers draw in a fraction
    // of a second at the highest resolution; dense maps in a few seconds.
    static constexpr double kMaxDrawSeconds = 20;
    // The time a drawing may last however busy the machine is: six times as long.
    static constexpr double kMaxDrawWallSeconds = 6 * kMaxDrawSeconds;
    // The memory a drawing may use beyond twice its bitmap (poppler's and its copy).
    static constexpr uint64_t kDrawingMemory = uint64_t(1) << 30;  // 1 GiB

    // A page's size in points (1/72 inch), as it is drawn (the page's rotation applied).
    struct PageSize {
        double width;
        double height;
        // The page cannot be read (its object is missing) or its size is not a number.
        bool bDamaged = false;
    };

    // page from 1; dpi from kMinDpi to kMaxDpi (clamped).
    PLPdfDecoder(int page = kDefaultPage, int dpi = kDefaultDpi);

    // The sizes of every page, damaged ones marked; raises PLTextException as decoding does
    // (locked, damaged, no page that can be read).
    static std::vector<PageSize> ReadPageSizes(const uint8_t* data, size_t size);

    // Whether a page of this size would exceed kMaxPixels at dpi; sizes that are not finite
    // or not positive count as too large.
    static bool IsTooLarge(const PageSize& size, int dpi);

    // The memory the drawing of a page of this size may use at dpi.
    static uint64_t MemoryBound(const PageSize& size, int dpi);

    // Who waits while pages are drawn, for every decoder (none: the decoding thread simply
    // waits). Not owned; set it before decoding starts and clear it before it goes.
    static void SetWaiter(PLPdfDrawWaiter* pWaiter);

    // The bounds of this decoder's drawings instead of kMaxDrawSeconds, MemoryBound() and
    // kMaxDrawWallSeconds (0: six times cpuSeconds).
    void SetBounds(double cpuSeconds, uint64_t memoryBytes, double wallSeconds = 0);

    // Whether the last page decoded was drawn without poppler complaining.
    bool WasComplete() const override { return m_bComplete; }

private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;

    int m_nPage;
    int m_nDpi;
    double m_CpuSeconds = kMaxDrawSeconds;
    double m_WallSeconds = kMaxDrawWallSeconds;
    uint64_t m_nMemoryBytes = 0;  // 0: MemoryBound()
    bool m_bComplete = true;
};
