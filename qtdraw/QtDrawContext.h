#pragma once

#include <QPolygon>

#include "platform/DrawContext.h"

class CShrunkPicture;
class QImage;
class QPainter;
class QTransform;

// The drawing surface of the shell and of the command line's PNG rendering: the model's
// CDrawContext calls carried out with a QPainter, on a widget or on a QImage. Coordinates
// are bitmap pixels; the painter's transform (set by the caller) maps them to the device, as
// the view's zoom mapping does. The inverting raster operation is QPainter's
// RasterOp_NotDestination, which the raster engine (QImage, and widgets on the raster
// backend) supports.
//
// Pen, brush and text colours are Windows colour words 0x00BBGGRR. Text is Windows-1252,
// as the model holds it. The painter is not owned and must outlive the context; the context
// sets its pen, brush and composition mode as the model asks.
class CQtDrawContext : public CDrawContext {
public:
    explicit CQtDrawContext(QPainter& painter);
    // Draws what is still held (joined lines).
    ~CQtDrawContext() override;
    CQtDrawContext(const CQtDrawContext&) = delete;
    CQtDrawContext& operator=(const CQtDrawContext&) = delete;

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
    // 1, 8, 24 and 32 bits per pixel; other depths draw nothing.
    void Blit(const CPixelBufferView& bitmap, const CRect& clip, RasterOp op) override;

    // Where the picture shrunk for the painter's zoom is kept between paints (not owned);
    // without one, a shrunk picture is sampled at every paint.
    void SetShrunkPicture(CShrunkPicture* pShrunk) { m_pShrunk = pShrunk; }

private:
    void ApplyRasterOp(RasterOp op);
    void FlushLines();
    const QImage* KeptShrunk(const CPixelBufferView& bitmap, const QTransform& transform) const;

    QPainter& m_Painter;
    CPoint m_Current;
    QPolygon m_Lines;  // joined lines not drawn yet
    COLORREF m_TextColor = 0;
    RasterOp m_Op = RasterOp::Copy;
    CShrunkPicture* m_pShrunk = nullptr;
};
