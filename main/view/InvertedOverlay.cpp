#include "main/view/InvertedOverlay.h"

#include <algorithm>
#include <utility>

bool CInvertedOverlay::Shape::operator==(const Shape& other) const
{
    return kind == other.kind && points == other.points && nPenWidth == other.nPenWidth &&
           bFilled == other.bFilled;
}

void CInvertedOverlay::SetPen(COLORREF /*color*/, int width)
{
    // Inverted ink has no colour.
    m_nPenWidth = std::max(1, width);
}

void CInvertedOverlay::SetBrush(bool filled, COLORREF /*color*/)
{
    m_bFilled = filled;
}

void CInvertedOverlay::LineTo(CPoint p)
{
    const CPoint from = m_Current;
    m_Current = p;
    if (from != p)
        Toggle({Kind::Line, {from, p}, m_nPenWidth, false});
}

void CInvertedOverlay::Rectangle(const CRect& r)
{
    Toggle({Kind::Rectangle, {CPoint(r.left, r.top), CPoint(r.right, r.bottom)}, m_nPenWidth, m_bFilled});
}

void CInvertedOverlay::Ellipse(const CRect& r)
{
    Toggle({Kind::Ellipse, {CPoint(r.left, r.top), CPoint(r.right, r.bottom)}, m_nPenWidth, m_bFilled});
}

void CInvertedOverlay::PolyBezier(const CPoint* points, size_t count)
{
    if (points == nullptr || count < 4)
        return;
    Toggle({Kind::Bezier, std::vector<CPoint>(points, points + count), m_nPenWidth, false});
}

void CInvertedOverlay::Toggle(Shape shape)
{
    if (m_Op != RasterOp::Invert)
        return;
    AddToChangedArea(shape);
    const auto found = std::find(m_Shapes.begin(), m_Shapes.end(), shape);
    if (found != m_Shapes.end())
        m_Shapes.erase(found);
    else
        m_Shapes.push_back(std::move(shape));
}

void CInvertedOverlay::AddToChangedArea(const Shape& shape)
{
    // A Bezier chain lies within its control points; a pen spreads half its width around the
    // path, and a pixel more covers the rounding of the painter.
    const int nMargin = shape.nPenWidth / 2 + 1;
    for (const CPoint& p : shape.points) {
        const CRect around(p.x - nMargin, p.y - nMargin, p.x + nMargin + 1, p.y + nMargin + 1);
        if (!m_bChanged) {
            m_Changed = around;
            m_bChanged = true;
            continue;
        }
        m_Changed.left = std::min(m_Changed.left, around.left);
        m_Changed.top = std::min(m_Changed.top, around.top);
        m_Changed.right = std::max(m_Changed.right, around.right);
        m_Changed.bottom = std::max(m_Changed.bottom, around.bottom);
    }
}

void CInvertedOverlay::Replay(CDrawContext& dc) const
{
    dc.SetRasterOp(RasterOp::Invert);
    for (const Shape& shape : m_Shapes) {
        dc.SetPen(0, shape.nPenWidth);
        dc.SetBrush(shape.bFilled, 0);
        const CRect box(shape.points.front().x, shape.points.front().y, shape.points.back().x,
                        shape.points.back().y);
        switch (shape.kind) {
            case Kind::Line:
                dc.MoveTo(shape.points.front());
                dc.LineTo(shape.points.back());
                break;
            case Kind::Rectangle:
                dc.Rectangle(box);
                break;
            case Kind::Ellipse:
                dc.Ellipse(box);
                break;
            case Kind::Bezier:
                dc.PolyBezier(shape.points.data(), shape.points.size());
                break;
        }
    }
    dc.SetRasterOp(RasterOp::Copy);
}

void CInvertedOverlay::Clear()
{
    for (const Shape& shape : m_Shapes)
        AddToChangedArea(shape);
    m_Shapes.clear();
}

CRect CInvertedOverlay::TakeChangedArea()
{
    const CRect changed = m_bChanged ? m_Changed : CRect();
    m_bChanged = false;
    return changed;
}
