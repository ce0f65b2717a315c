#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/PicDecoder.h"

// Decoder of PDF files through poppler: one page rasterised at a chosen resolution into a
// 32-bit bitmap (blue, green, red, 0xFF) on white. Refused, each with its own message of
// the string table and before anything is drawn: a file poppler cannot read or without
// pages, a page number out of range, a file locked by a password, and a page whose bitmap
// would exceed kMaxPixels at the resolution. poppler's own warnings are kept from the
// terminal.
class PLPdfDecoder : public PLPicDecoder {
public:
    static constexpr int kDefaultPage = 1;
    static constexpr int kDefaultDpi = 300;
    static constexpr int kMinDpi = 30;
    static constexpr int kMaxDpi = 1200;
    static constexpr double kMaxPixels = 400e6;

    // A page's size in points (1/72 inch), as it is drawn (the page's rotation applied).
    struct PageSize {
        double width;
        double height;
    };

    // page from 1; dpi from kMinDpi to kMaxDpi (clamped).
    PLPdfDecoder(int page = kDefaultPage, int dpi = kDefaultDpi);

    // The sizes of every page; raises PLTextException as decoding does (locked, damaged).
    static std::vector<PageSize> ReadPageSizes(const uint8_t* data, size_t size);

    // Whether a page of this size would exceed kMaxPixels at dpi; sizes that are not finite
    // or not positive count as too large.
    static bool IsTooLarge(const PageSize& size, int dpi);

private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;

    int m_nPage;
    int m_nDpi;
};
