#include "qtdraw/QtDrawContext.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QTransform>

#include "qtdraw/ShrunkPicture.h"
#include "platform/TextEncoding.h"

namespace {

QColor ToQColor(COLORREF color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

// The rectangle of GDI's Rectangle and Ellipse (right and bottom exclusive) as the outline
// QPainter strokes: one pixel smaller, so that the drawn pixels stay inside r.
QRect OutlineRect(const CRect& r)
{
    return QRect(r.left, r.top, std::max(r.Width() - 1, 0), std::max(r.Height() - 1, 0));
}

// A QImage over the pixel buffer without copying it; colour tables for the palette depths.
// Null for depths the view cannot describe.
QImage WrapBuffer(const CPixelBufferView& bitmap)
{
    QImage::Format format = QImage::Format_Invalid;
    switch (bitmap.bitsPerPixel) {
        case 1:
            format = QImage::Format_Mono;
            break;
        case 8:
            format = QImage::Format_Indexed8;
            break;
        case 24:
            format = QImage::Format_BGR888;
            break;
        case 32:
            format = QImage::Format_RGB32;
            break;
        default:
            return QImage();
    }
    if (bitmap.bits == nullptr || bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.stride > static_cast<size_t>(INT32_MAX))
        return QImage();
    QImage image(bitmap.bits, bitmap.width, bitmap.height, static_cast<qsizetype>(bitmap.stride), format);
    if (format == QImage::Format_Mono || format == QImage::Format_Indexed8) {
        const int nEntries = format == QImage::Format_Mono ? 2 : 256;
        QList<QRgb> table(nEntries, qRgb(0, 0, 0));
        for (int i = 0; i < std::min(nEntries, bitmap.paletteEntries); ++i) {
            const uint8_t* entry = bitmap.palette + 4 * i;
            table[i] = qRgb(entry[2], entry[1], entry[0]);
        }
        image.setColorTable(table);
    }
    return image;
}

}  // namespace

CQtDrawContext::CQtDrawContext(QPainter& painter) : m_Painter(painter)
{
    SetPen(0, 1);
    SetBrush(false, 0);
}

void CQtDrawContext::SetPen(COLORREF color, int width)
{
    FlushLines();
    // Flat caps leave out the last pixel of a line, as GDI's LineTo does: successive
    // inverted segments then do not invert their shared pixel twice.
    QPen pen(ToQColor(color), std::max(width, 1), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    // A pen never gets thinner than one device pixel, whatever the zoom, as GDI's do: a
    // thinner one would be blended into the picture instead of drawn in its colour.
    if (pen.widthF() * std::abs(m_Painter.worldTransform().m11()) < 1.5) {
        pen.setCosmetic(true);
        pen.setWidth(1);
    }
    m_Painter.setPen(pen);
}

void CQtDrawContext::SetBrush(bool filled, COLORREF color)
{
    FlushLines();
    m_Painter.setBrush(filled ? QBrush(ToQColor(color)) : QBrush(Qt::NoBrush));
}

void CQtDrawContext::SetTextColor(COLORREF color)
{
    m_TextColor = color;
}

void CQtDrawContext::SetRasterOp(RasterOp op)
{
    FlushLines();
    m_Op = op;
    ApplyRasterOp(op);
}

void CQtDrawContext::ApplyRasterOp(RasterOp op)
{
    m_Painter.setCompositionMode(op == RasterOp::Invert ? QPainter::RasterOp_NotDestination
                                                        : QPainter::CompositionMode_SourceOver);
}

CQtDrawContext::~CQtDrawContext()
{
    FlushLines();
}

void CQtDrawContext::MoveTo(CPoint p)
{
    FlushLines();
    m_Current = p;
}

void CQtDrawContext::LineTo(CPoint p)
{
    // Joined lines are drawn together as one polyline when the next other drawing comes:
    // a traced curve of thousands of columns is one call, not thousands.
    if (m_Lines.isEmpty())
        m_Lines << QPoint(m_Current.x, m_Current.y);
    m_Lines << QPoint(p.x, p.y);
    m_Current = p;
}

void CQtDrawContext::FlushLines()
{
    if (m_Lines.size() < 2) {
        m_Lines.clear();
        return;
    }
    const QTransform transform = m_Painter.transform();
    if (transform.type() <= QTransform::TxScale && transform.m11() < 1.0 && transform.m22() < 1.0) {
        // Shrunk: points that fall on the device pixel of the point kept before them add
        // nothing to the picture.
        QPolygon kept;
        kept.reserve(m_Lines.size());
        QPoint last(INT_MIN, INT_MIN);
        for (qsizetype i = 0; i < m_Lines.size(); ++i) {
            const QPoint device(
                static_cast<int>(std::floor(m_Lines[i].x() * transform.m11() + transform.dx())),
                static_cast<int>(std::floor(m_Lines[i].y() * transform.m22() + transform.dy())));
            if (device != last || i + 1 == m_Lines.size())
                kept << m_Lines[i];
            last = device;
        }
        m_Lines.swap(kept);
    }
    if (!m_Painter.hasClipping()) {
        m_Painter.drawPolyline(m_Lines);
        m_Lines.clear();
        return;
    }
    // Only the runs of lines that reach the clip are drawn: a curve across a huge scan
    // seen at a high zoom is mostly outside.
    const int nMargin = static_cast<int>(std::ceil(m_Painter.pen().widthF())) + 2;
    const QRect box =
        m_Painter.clipBoundingRect().toAlignedRect().adjusted(-nMargin, -nMargin, nMargin, nMargin);
    qsizetype nRunStart = -1;
    for (qsizetype i = 1; i < m_Lines.size(); ++i) {
        const QPoint& a = m_Lines[i - 1];
        const QPoint& b = m_Lines[i];
        const bool bVisible = std::max(a.x(), b.x()) >= box.left() && std::min(a.x(), b.x()) <= box.right() &&
                              std::max(a.y(), b.y()) >= box.top() && std::min(a.y(), b.y()) <= box.bottom();
        if (bVisible && nRunStart < 0)
            nRunStart = i - 1;
        if (!bVisible && nRunStart >= 0) {
            m_Painter.drawPolyline(m_Lines.constData() + nRunStart, static_cast<int>(i - nRunStart));
            nRunStart = -1;
        }
    }
    if (nRunStart >= 0)
        m_Painter.drawPolyline(m_Lines.constData() + nRunStart, static_cast<int>(m_Lines.size() - nRunStart));
    m_Lines.clear();
}

void CQtDrawContext::Rectangle(const CRect& r)
{
    FlushLines();
    m_Painter.drawRect(OutlineRect(r));
}

void CQtDrawContext::Ellipse(const CRect& r)
{
    FlushLines();
    m_Painter.drawEllipse(OutlineRect(r));
}

void CQtDrawContext::PolyBezier(const CPoint* points, size_t count)
{
    FlushLines();
    if (points == nullptr || count < 4)
        return;
    QPainterPath path(QPointF(points[0].x, points[0].y));
    for (size_t i = 1; i + 2 < count; i += 3) {
        path.cubicTo(QPointF(points[i].x, points[i].y), QPointF(points[i + 1].x, points[i + 1].y),
                     QPointF(points[i + 2].x, points[i + 2].y));
    }
    const QBrush brush = m_Painter.brush();
    m_Painter.setBrush(Qt::NoBrush);
    m_Painter.drawPath(path);
    m_Painter.setBrush(brush);
}

void CQtDrawContext::TextOut(CPoint p, const std::string& text, HAlign h, VAlign v)
{
    FlushLines();
    const QString qText = QString::fromStdString(CTextEncoding::Cp1252ToUtf8(text));
    const QFontMetrics metrics(m_Painter.font());
    int x = p.x;
    if (h == HAlign::Center)
        x -= metrics.horizontalAdvance(qText) / 2;
    else if (h == HAlign::Right)
        x -= metrics.horizontalAdvance(qText);
    int y = p.y;
    if (v == VAlign::Top)
        y += metrics.ascent();
    else if (v == VAlign::Bottom)
        y -= metrics.descent();

    const QPen pen = m_Painter.pen();
    m_Painter.setPen(ToQColor(m_TextColor));
    m_Painter.drawText(QPoint(x, y), qText);
    m_Painter.setPen(pen);
}

const QImage* CQtDrawContext::KeptShrunk(const CPixelBufferView& bitmap, const QTransform& transform) const
{
    // Kept only where the scan is read sparsely (a quarter or less) and the translation is
    // whole device pixels, so that the kept pixels fall exactly on the device's.
    if (m_pShrunk == nullptr || transform.m11() > 0.25 || transform.m22() > 0.25 ||
        transform.dx() != std::floor(transform.dx()) || transform.dy() != std::floor(transform.dy()))
        return nullptr;
    const QImage& kept = m_pShrunk->Get(bitmap, transform.m11(), transform.m22());
    return kept.isNull() ? nullptr : &kept;
}

void CQtDrawContext::Blit(const CPixelBufferView& bitmap, const CRect& clip, RasterOp op)
{
    FlushLines();
    const QImage image = WrapBuffer(bitmap);
    if (image.isNull())
        return;
    const QRect area = QRect(clip.left, clip.top, clip.Width(), clip.Height()).intersected(image.rect());
    if (area.isEmpty())
        return;
    ApplyRasterOp(op);
    const QTransform transform = m_Painter.transform();
    if (transform.type() <= QTransform::TxScale && transform.m11() < 1.0 && transform.m22() < 1.0) {
        // Shrunk: sample only the pixels that reach the device.
        QRectF shown = QRectF(area);
        if (m_Painter.hasClipping())
            shown = shown.intersected(m_Painter.clipBoundingRect());
        const QRect device = transform.mapRect(shown).toAlignedRect();
        const QImage* pKept = KeptShrunk(bitmap, transform);
        m_Painter.save();
        m_Painter.resetTransform();
        if (pKept != nullptr) {
            const QPoint offset(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()));
            m_Painter.drawImage(device.topLeft(), *pKept, device.translated(-offset));
        } else if (!device.isEmpty()) {
            m_Painter.drawImage(device.topLeft(), CShrunkPicture::Sample(bitmap, area, transform, device));
        }
        m_Painter.restore();
    } else {
        m_Painter.drawImage(area.topLeft(), image, area);
    }
    ApplyRasterOp(m_Op);
}
