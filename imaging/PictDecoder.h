#pragma once

#include <cstdint>
#include <vector>

#include "imaging/PicDecoder.h"

class PLDataSource;
class PLPictPixmap;

// Decoder of Macintosh PICT files (version 1 and 2, after the 512-byte file header) as
// scanners and graphic programs export them: the bits opcodes carry the raster images
// (indexed 1, 2, 4, 8 bits; direct 16 and 32 bits; unpacked or PackBits), every other
// opcode of known length is skipped, and drawing stops at OpEndPic.
// The bitmap spans the picture frame (the source rectangle of an extended version 2
// header, else the frame of the picture header; when that is empty, the destination of
// the first image). Images are placed at their destination rectangles, scaled to nearest
// when source and destination differ. Output: 1 bit when every image is 1 bit with the
// same two colours, 8 bits when every image is indexed with the same colour table,
// 32 bits otherwise; parts no image covers stay white (index 0 when indexed).
class PLPictDecoder : public PLPicDecoder {
private:
    void DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp) override;
    void SkipOpcode(PLDataSource& src, uint16_t opcode) const;
    void DrawPixmap(const PLPictPixmap& pixmap, PLBmp& bmp);
    void PromoteToTrueColor(PLBmp& bmp);

    bool m_bVersion1 = false;
    int32_t m_nFrameTop = 0;
    int32_t m_nFrameLeft = 0;
    std::vector<uint32_t> m_Palette;  // of the indexed bitmap, 0x00RRGGBB
    uint64_t m_nPixelsDrawn = 0;
};
