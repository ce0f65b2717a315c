#include "LabelDrawing.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

CLabelDrawing::CLabelDrawing(int32_t width, int32_t height, uint8_t ground)
    : m_nWidth(width), m_nHeight(height), m_Bits(static_cast<size_t>(width) * height * 4, ground)
{
}

bool CLabelDrawing::Draw(const std::string& strFontFile, const std::u32string& text, int nPixelSize,
                         int32_t x, int32_t baseline, uint8_t ink, int32_t* pRight)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return false;
    FT_Face face = nullptr;
    bool bDone = FT_New_Face(library, strFontFile.c_str(), 0, &face) == 0 &&
                 FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(nPixelSize)) == 0;
    int32_t pen = x;
    for (size_t i = 0; bDone && i < text.size(); ++i) {
        if (FT_Load_Char(face, text[i], FT_LOAD_RENDER) != 0) {
            bDone = false;
            break;
        }
        const FT_GlyphSlot glyph = face->glyph;
        for (unsigned row = 0; row < glyph->bitmap.rows; ++row) {
            for (unsigned col = 0; col < glyph->bitmap.width; ++col) {
                const int32_t px = pen + glyph->bitmap_left + static_cast<int32_t>(col);
                const int32_t py = baseline - glyph->bitmap_top + static_cast<int32_t>(row);
                if (px < 0 || py < 0 || px >= m_nWidth || py >= m_nHeight)
                    continue;
                const int coverage = glyph->bitmap.buffer[row * glyph->bitmap.pitch + col];
                uint8_t* p = &m_Bits[(static_cast<size_t>(py) * m_nWidth + px) * 4];
                for (int c = 0; c < 3; ++c)
                    p[c] = static_cast<uint8_t>(p[c] + (ink - p[c]) * coverage / 255);
            }
        }
        pen += static_cast<int32_t>(glyph->advance.x >> 6);
    }
    if (pRight != nullptr)
        *pRight = pen;
    if (face != nullptr)
        FT_Done_Face(face);
    FT_Done_FreeType(library);
    return bDone;
}

void CLabelDrawing::Fill(const CRect& rect, uint8_t grey)
{
    for (int32_t y = std::max(rect.top, 0); y < std::min(rect.bottom, m_nHeight); ++y) {
        for (int32_t x = std::max(rect.left, 0); x < std::min(rect.right, m_nWidth); ++x)
            std::fill_n(&m_Bits[(static_cast<size_t>(y) * m_nWidth + x) * 4], 3, grey);
    }
}

CPixelBufferView CLabelDrawing::View() const
{
    CPixelBufferView view;
    view.bits = m_Bits.data();
    view.width = m_nWidth;
    view.height = m_nHeight;
    view.stride = static_cast<size_t>(m_nWidth) * 4;
    view.bitsPerPixel = 32;
    return view;
}
