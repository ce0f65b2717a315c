#pragma once

#include <cstddef>
#include <cstdint>

// What the page drawing program (plotvane-pdf-page) answers the PDF decoder: kMagic, then
// four native 32-bit integers (status, width, height, flags), then the pixels when drawn.
struct PLPdfPageProtocol {
    static constexpr char kMagic[5] = "PVPG";
    static constexpr size_t kMagicSize = 4;
    static constexpr size_t kHeaderSize = kMagicSize + 4 * sizeof(int32_t);
    static constexpr int32_t kDrawn = 0;
    static constexpr int32_t kDamaged = 1;
    static constexpr int32_t kOutOfMemory = 2;
    // flags: poppler complained while drawing, so the page may lack some of its content.
    static constexpr int32_t kIncomplete = 1;
};
