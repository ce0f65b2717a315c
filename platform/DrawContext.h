#pragma once

#include <cstddef>
#include <string>

#include "platform/PixelBuffer.h"
#include "platform/Point.h"

// The drawing surface model objects draw on, in bitmap pixel coordinates (the view sets
// up its zoom before handing the context over). Implemented with QPainter in the shell,
// by a recorder in tests, and by a small rasteriser where no window exists.
class CDrawContext {
public:
    enum class RasterOp { Copy, Invert };  // Invert: the inverting operation of rubber lines
    enum class HAlign { Left, Center, Right };
    enum class VAlign { Top, Baseline, Bottom };

    virtual ~CDrawContext() = default;

    // Pen: colour 0x00BBGGRR and width in pixels; solid.
    virtual void SetPen(COLORREF color, int width) = 0;
    // Filling of rectangles and ellipses: none (hollow) or a solid colour.
    virtual void SetBrush(bool filled, COLORREF color) = 0;
    virtual void SetTextColor(COLORREF color) = 0;
    virtual void SetRasterOp(RasterOp op) = 0;

    virtual void MoveTo(CPoint p) = 0;
    // A line from the current position to p, end pixel excluded; p becomes the position.
    virtual void LineTo(CPoint p) = 0;
    virtual void Rectangle(const CRect& r) = 0;
    virtual void Ellipse(const CRect& r) = 0;
    // Cubic Bezier chain: a start point then three points per segment (1 + 3n points).
    virtual void PolyBezier(const CPoint* points, size_t count) = 0;
    virtual void TextOut(CPoint p, const std::string& text, HAlign h, VAlign v) = 0;
    // Copies the part of the bitmap inside clip to the same coordinates (pixel (x, y) lands
    // on (x, y)).
    virtual void Blit(const CPixelBufferView& bitmap, const CRect& clip, RasterOp op) = 0;
};
