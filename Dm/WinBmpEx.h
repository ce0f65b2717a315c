#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/Bmp.h"
#include "platform/DrawContext.h"
#include "platform/Point.h"

// The working bitmap of the document: the image layer's bitmap (row 0 at the top, rows padded
// to 4 bytes, 1, 8, 24 or 32 bits per pixel) with what the program adds to it: drawing
// itself 1:1 into a clip rectangle, building itself from a packed device-independent bitmap
// as a scanner hands it over, and a 32-bit copy of a 24-bit picture. Coordinates are bitmap
// pixels. Owns its bits (through the base class).
class CWinBmpEx : public PLBmp {
public:
    CWinBmpEx() = default;

    // Copies the part of the bitmap inside clip (right and bottom exclusive) to the same
    // coordinates of dc; nothing outside the bitmap.
    void Draw(CDrawContext& dc, const CRect& clip,
              CDrawContext::RasterOp op = CDrawContext::RasterOp::Copy) const;

    // Builds the bitmap from a packed device-independent bitmap: the info header (40 bytes or
    // one of its longer forms), a palette of 4 bytes an entry at 15 bits per pixel or less,
    // then the rows, bottom-up unless the height is negative. The buffer is untrusted: every
    // size is checked against it. Raises PLTextException: "Out of memory creating bitmap."
    // when the bitmap cannot be made, another text when the data is damaged or of a depth
    // the image layer cannot hold.
    void CreateFromPackedDib(const uint8_t* data, size_t size);

    // The bits per pixel a packed bitmap announces; 0 when the buffer is too short to say.
    static int PackedDibBitsPerPixel(const uint8_t* data, size_t size);

    // Makes this bitmap a 32-bit copy of a 24-bit or 32-bit one; the fourth byte of the
    // pixels converted from 24 bits is 0xFF.
    void CreateCopyAs32Bits(const PLBmp& source);

    static constexpr size_t kInfoHeaderSize = 40;
};
