#pragma once

#include <string>
#include <vector>

#include "platform/DrawContext.h"

// A draw context that draws nothing and remembers every call, so that tests can check what
// a model object drew. Each drawing entry also carries the pen, brush, text colour and
// raster operation in force when it was made. Coordinates are bitmap pixels, as given.
class CRecordingDrawContext : public CDrawContext {
public:
    enum class Kind {
        SetPen,
        SetBrush,
        SetTextColor,
        SetRasterOp,
        MoveTo,
        LineTo,
        Rectangle,
        Ellipse,
        PolyBezier,
        TextOut,
        Blit
    };

    struct Entry {
        Kind kind = Kind::MoveTo;
        std::vector<CPoint> points;  // MoveTo/LineTo: the target; LineTo also its start first
        CRect rect;                  // Rectangle, Ellipse; the clip of Blit
        COLORREF color = 0;          // the pen colour (the text colour for TextOut)
        int width = 0;               // the pen width
        bool filled = false;         // the brush of Rectangle and Ellipse
        COLORREF brushColor = 0;
        std::string text;
        HAlign hAlign = HAlign::Left;
        VAlign vAlign = VAlign::Top;
        RasterOp op = RasterOp::Copy;
        int bitmapWidth = 0;  // Blit: the bitmap's size and depth
        int bitmapHeight = 0;
        int bitmapBits = 0;
    };

    void SetPen(COLORREF color, int width) override;
    void SetBrush(bool filled, COLORREF color) override;
    void SetTextColor(COLORREF color) override;
    void SetRasterOp(RasterOp op) override;
    void MoveTo(CPoint p) override;
    void LineTo(CPoint p) override;
    void Rectangle(const CRect& r) override;
    void Ellipse(const CRect& r) override;
    void PolyBezier(const CPoint* points, size_t count) override;
    void TextOut(CPoint p, const std::string& text, HAlign h, VAlign v) override;
    void Blit(const CPixelBufferView& bitmap, const CRect& clip, RasterOp op) override;

    const std::vector<Entry>& Entries() const { return m_entries; }
    // The entries of one kind, in call order.
    std::vector<Entry> EntriesOf(Kind kind) const;
    size_t Count(Kind kind) const;
    // Forgets the entries; the current pen, brush, colours and position stay.
    void Clear() { m_entries.clear(); }

    // One line of text per entry, e.g. "LineTo (1,2)-(5,6) pen=0x0000FF/1 op=Copy".
    std::vector<std::string> DumpLines() const;
    static std::string ToString(const Entry& e);
    static const char* KindName(Kind kind);

private:
    Entry MakeEntry(Kind kind) const;

    std::vector<Entry> m_entries;
    COLORREF m_penColor = 0;
    int m_nPenWidth = 1;
    bool m_bBrushFilled = false;
    COLORREF m_brushColor = 0;
    COLORREF m_textColor = 0;
    RasterOp m_op = RasterOp::Copy;
    CPoint m_current;
};
