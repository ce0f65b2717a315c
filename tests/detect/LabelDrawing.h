#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/PixelBuffer.h"
#include "platform/Point.h"

// A white 32-bit picture that tests draw labels on with FreeType, as a plotting program would
// set them: text of a given pixel size with its baseline at a given row, black or any grey.
class CLabelDrawing {
public:
    CLabelDrawing(int32_t width, int32_t height, uint8_t ground = 255);

    // False when the font cannot be loaded. Gives through pRight the column after the text.
    bool Draw(const std::string& strFontFile, const std::u32string& text, int nPixelSize, int32_t x,
              int32_t baseline, uint8_t ink = 0, int32_t* pRight = nullptr);

    void Fill(const CRect& rect, uint8_t grey);

    CPixelBufferView View() const;

private:
    int32_t m_nWidth;
    int32_t m_nHeight;
    std::vector<uint8_t> m_Bits;
};
