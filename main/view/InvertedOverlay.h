#pragma once

#include <cstddef>
#include <vector>

#include "platform/DrawContext.h"

// What the model draws in inverted ink outside a repaint (the drag preview of a spline node),
// kept so that the view can show it over the picture at its next paint. Drawing a shape that
// is already held takes it away, as inverting the same pixels twice restores them; the view
// repaints only the area that changed (TakeChangedArea). Only inverted ink is held: shapes
// drawn with the copying operation, text and pictures are ignored. Coordinates are bitmap
// pixels.
class CInvertedOverlay : public CDrawContext {
public:
    void SetPen(COLORREF color, int width) override;
    void SetBrush(bool filled, COLORREF color) override;
    void SetTextColor(COLORREF /*color*/) override {}
    void SetRasterOp(RasterOp op) override { m_Op = op; }

    void MoveTo(CPoint p) override { m_Current = p; }
    void LineTo(CPoint p) override;
    void Rectangle(const CRect& r) override;
    void Ellipse(const CRect& r) override;
    void PolyBezier(const CPoint* points, size_t count) override;
    void TextOut(CPoint /*p*/, const std::string& /*text*/, HAlign /*h*/, VAlign /*v*/) override {}
    void Blit(const CPixelBufferView& /*bitmap*/, const CRect& /*clip*/, RasterOp /*op*/) override {}

    // Draws every shape held, in inverted ink, on dc.
    void Replay(CDrawContext& dc) const;
    // Forgets every shape; their area becomes the changed area.
    void Clear();
    bool IsEmpty() const { return m_Shapes.empty(); }
    size_t GetShapeCount() const { return m_Shapes.size(); }
    // The bitmap rectangle (right and bottom excluded) that holds every shape added or taken
    // away since the last call, pens included; empty when nothing changed.
    CRect TakeChangedArea();

private:
    enum class Kind { Line, Rectangle, Ellipse, Bezier };
    struct Shape {
        Kind kind;
        std::vector<CPoint> points;  // the line's ends, the rectangle's corners, or the chain
        int nPenWidth;
        bool bFilled;
        bool operator==(const Shape& other) const;
    };

    // Adds the shape, or takes it away when it is held already.
    void Toggle(Shape shape);
    void AddToChangedArea(const Shape& shape);

    std::vector<Shape> m_Shapes;
    CPoint m_Current;
    RasterOp m_Op = RasterOp::Copy;
    int m_nPenWidth = 1;
    bool m_bFilled = false;
    bool m_bChanged = false;
    CRect m_Changed;
};
