#include "tests/doubles/RecordingDrawContext.h"

#include <cstdio>

namespace {

std::string Hex(COLORREF c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(c));
    return buf;
}

std::string Pt(const CPoint& p)
{
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

std::string Rc(const CRect& r)
{
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + "]";
}

const char* OpName(CDrawContext::RasterOp op)
{
    return op == CDrawContext::RasterOp::Invert ? "Invert" : "Copy";
}

const char* HName(CDrawContext::HAlign h)
{
    switch (h) {
        case CDrawContext::HAlign::Left:
            return "Left";
        case CDrawContext::HAlign::Center:
            return "Center";
        case CDrawContext::HAlign::Right:
            return "Right";
    }
    return "?";
}

const char* VName(CDrawContext::VAlign v)
{
    switch (v) {
        case CDrawContext::VAlign::Top:
            return "Top";
        case CDrawContext::VAlign::Baseline:
            return "Baseline";
        case CDrawContext::VAlign::Bottom:
            return "Bottom";
    }
    return "?";
}

}  // namespace

CRecordingDrawContext::Entry CRecordingDrawContext::MakeEntry(Kind kind) const
{
    Entry e;
    e.kind = kind;
    e.color = m_penColor;
    e.width = m_nPenWidth;
    e.filled = m_bBrushFilled;
    e.brushColor = m_brushColor;
    e.op = m_op;
    return e;
}

void CRecordingDrawContext::SetPen(COLORREF color, int width)
{
    m_penColor = color;
    m_nPenWidth = width;
    m_entries.push_back(MakeEntry(Kind::SetPen));
}

void CRecordingDrawContext::SetBrush(bool filled, COLORREF color)
{
    m_bBrushFilled = filled;
    m_brushColor = color;
    m_entries.push_back(MakeEntry(Kind::SetBrush));
}

void CRecordingDrawContext::SetTextColor(COLORREF color)
{
    m_textColor = color;
    Entry e = MakeEntry(Kind::SetTextColor);
    e.color = color;
    m_entries.push_back(e);
}

void CRecordingDrawContext::SetRasterOp(RasterOp op)
{
    m_op = op;
    m_entries.push_back(MakeEntry(Kind::SetRasterOp));
}

void CRecordingDrawContext::MoveTo(CPoint p)
{
    m_current = p;
    Entry e = MakeEntry(Kind::MoveTo);
    e.points.push_back(p);
    m_entries.push_back(e);
}

void CRecordingDrawContext::LineTo(CPoint p)
{
    Entry e = MakeEntry(Kind::LineTo);
    e.points = {m_current, p};
    m_current = p;
    m_entries.push_back(e);
}

void CRecordingDrawContext::Rectangle(const CRect& r)
{
    Entry e = MakeEntry(Kind::Rectangle);
    e.rect = r;
    m_entries.push_back(e);
}

void CRecordingDrawContext::Ellipse(const CRect& r)
{
    Entry e = MakeEntry(Kind::Ellipse);
    e.rect = r;
    m_entries.push_back(e);
}

void CRecordingDrawContext::PolyBezier(const CPoint* points, size_t count)
{
    Entry e = MakeEntry(Kind::PolyBezier);
    if (points != nullptr)
        e.points.assign(points, points + count);
    m_entries.push_back(e);
}

void CRecordingDrawContext::TextOut(CPoint p, const std::string& text, HAlign h, VAlign v)
{
    Entry e = MakeEntry(Kind::TextOut);
    e.points.push_back(p);
    e.color = m_textColor;
    e.text = text;
    e.hAlign = h;
    e.vAlign = v;
    m_entries.push_back(e);
}

void CRecordingDrawContext::Blit(const CPixelBufferView& bitmap, const CRect& clip, RasterOp op)
{
    Entry e = MakeEntry(Kind::Blit);
    e.rect = clip;
    e.op = op;
    e.bitmapWidth = bitmap.width;
    e.bitmapHeight = bitmap.height;
    e.bitmapBits = bitmap.bitsPerPixel;
    m_entries.push_back(e);
}

std::vector<CRecordingDrawContext::Entry> CRecordingDrawContext::EntriesOf(Kind kind) const
{
    std::vector<Entry> out;
    for (const Entry& e : m_entries) {
        if (e.kind == kind)
            out.push_back(e);
    }
    return out;
}

size_t CRecordingDrawContext::Count(Kind kind) const
{
    size_t n = 0;
    for (const Entry& e : m_entries)
        n += e.kind == kind ? 1 : 0;
    return n;
}

const char* CRecordingDrawContext::KindName(Kind kind)
{
    switch (kind) {
        case Kind::SetPen:
            return "SetPen";
        case Kind::SetBrush:
            return "SetBrush";
        case Kind::SetTextColor:
            return "SetTextColor";
        case Kind::SetRasterOp:
            return "SetRasterOp";
        case Kind::MoveTo:
            return "MoveTo";
        case Kind::LineTo:
            return "LineTo";
        case Kind::Rectangle:
            return "Rectangle";
        case Kind::Ellipse:
            return "Ellipse";
        case Kind::PolyBezier:
            return "PolyBezier";
        case Kind::TextOut:
            return "TextOut";
        case Kind::Blit:
            return "Blit";
    }
    return "?";
}

std::string CRecordingDrawContext::ToString(const Entry& e)
{
    std::string s = KindName(e.kind);
    const std::string pen = " pen=" + Hex(e.color) + "/" + std::to_string(e.width);
    const std::string op = std::string(" op=") + OpName(e.op);
    const std::string brush = e.filled ? " brush=" + Hex(e.brushColor) : std::string(" brush=none");
    switch (e.kind) {
        case Kind::SetPen:
            return s + " " + Hex(e.color) + " width=" + std::to_string(e.width);
        case Kind::SetBrush:
            return s + (e.filled ? " " + Hex(e.brushColor) : std::string(" none"));
        case Kind::SetTextColor:
            return s + " " + Hex(e.color);
        case Kind::SetRasterOp:
            return s + " " + OpName(e.op);
        case Kind::MoveTo:
            return s + " " + Pt(e.points.at(0));
        case Kind::LineTo:
            return s + " " + Pt(e.points.at(0)) + "-" + Pt(e.points.at(1)) + pen + op;
        case Kind::Rectangle:
        case Kind::Ellipse:
            return s + " " + Rc(e.rect) + pen + brush + op;
        case Kind::PolyBezier:
            for (const CPoint& p : e.points)
                s += " " + Pt(p);
            return s + pen + op;
        case Kind::TextOut:
            return s + " " + Pt(e.points.at(0)) + " \"" + e.text + "\" " + HName(e.hAlign) + "/" +
                   VName(e.vAlign) + " color=" + Hex(e.color) + op;
        case Kind::Blit:
            return s + " " + Rc(e.rect) + " bitmap=" + std::to_string(e.bitmapWidth) + "x" +
                   std::to_string(e.bitmapHeight) + "x" + std::to_string(e.bitmapBits) + op;
    }
    return s;
}

std::vector<std::string> CRecordingDrawContext::DumpLines() const
{
    std::vector<std::string> lines;
    lines.reserve(m_entries.size());
    for (const Entry& e : m_entries)
        lines.push_back(ToString(e));
    return lines;
}
