#include "main/steps/densito/DensitoPreviewWnd.h"

#include <algorithm>

#include <QCloseEvent>
#include <QPainter>

#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "main/adapters/QtText.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

QString PointText(const CDensityCurve& curve, CPoint pixel)
{
    CLogicPoint graph(pixel.x, pixel.y);
    if (const CCoordSyst* pCoordSyst = curve.GetCoordSyst())
        graph = pCoordSyst->PixelToGraph(pixel);
    return CQtText::ToQString(
        FormatWithDoubles(CStringTable::Get(IDS_DENSITY_PREVIEW_POINT), {graph.x, graph.y}));
}

}  // namespace

CDensitoPreviewWnd::CDensitoPreviewWnd(QWidget* pDialog, CDensityCurve& curve)
    : QWidget(pDialog, Qt::Window), m_Curve(curve)
{
    setObjectName(QStringLiteral("CDensitoPreviewWnd"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Densitometry preview"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setGeometry(50, 50, 600, 300);
}

void CDensitoPreviewWnd::paintEvent(QPaintEvent* /*pEvent*/)
{
    QPainter painter(this);
    Paint(painter, rect(), m_Curve);
}

void CDensitoPreviewWnd::closeEvent(QCloseEvent* pEvent)
{
    emit Closed();
    QWidget::closeEvent(pEvent);
}

void CDensitoPreviewWnd::Paint(QPainter& painter, const QRect& client, const CDensityCurve& curve)
{
    // The rectangle's right and bottom as the window system gives them: one past the last pixel.
    const int nLeft = client.left();
    const int nTop = client.top();
    const int nRight = client.left() + client.width();
    const int nBottom = client.top() + client.height();
    const int nWidth = nRight - nLeft - kLeftMargin - 2 * kSideMargin;
    const int nHeight = nBottom - nTop - 2 * kTopMargin - 20;
    if (nWidth < 30 || nHeight < 30)
        return;

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setWeight(QFont::Light);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font);

    // The axes.
    const int x0 = nLeft + kLeftMargin;
    const int yAxis = nBottom - 20;
    painter.drawLine(x0, yAxis, x0, nTop + 2);
    painter.drawLine(x0, yAxis, nRight - 2, yAxis);

    // The segment's ends under the horizontal axis.
    const int xStart = x0 + kSideMargin;
    const int xEnd = nRight - kSideMargin;
    painter.drawLine(xStart, yAxis, xStart, yAxis + 4);
    painter.drawLine(xEnd, yAxis, xEnd, yAxis + 4);
    const int yText = yAxis + 4 + metrics.ascent();
    const QString strStart = PointText(curve, curve.GetStart());
    const QString strEnd = PointText(curve, curve.GetEnd());
    painter.drawText(xStart - metrics.horizontalAdvance(strStart) / 2, yText, strStart);
    painter.drawText(nRight - 2 - metrics.horizontalAdvance(strEnd), yText, strEnd);

    // The scale values left of the vertical axis.
    const CColorScale& scale = curve.GetColorScale();
    const double dLarger = std::max(scale.GetTopValue(), scale.GetBottomValue());
    const double dSmaller = std::min(scale.GetTopValue(), scale.GetBottomValue());
    const int yLarger = nTop + kTopMargin;
    const int ySmaller = nBottom - 40;
    for (const auto& [y, dValue] : {std::pair<int, double>(yLarger, dLarger), {ySmaller, dSmaller}}) {
        painter.drawLine(x0 - 4, y, x0, y);
        const QString strValue = QString::fromStdString(FormatG(dValue));
        painter.drawText(x0 - 4 - metrics.horizontalAdvance(strValue), y, strValue);
    }

    // The density along the segment.
    const std::vector<double>& values = curve.GetValues();
    if (values.empty() || dLarger == dSmaller)
        return;
    const size_t n = values.size();
    QPolygon points;
    points.reserve(nWidth);
    for (int i = 0; i < nWidth; ++i) {
        const auto nIndex = static_cast<size_t>(static_cast<double>(i) / nWidth * static_cast<double>(n - 1));
        // Values far beyond the scale are held to the range a painter can draw.
        const double dOffset =
            std::clamp((values[nIndex] - dSmaller) / (dLarger - dSmaller) * nHeight, -1e6, 1e6);
        const int y = ySmaller - static_cast<int>(dOffset);
        points.append(QPoint(xStart + i, y));
    }
    painter.drawPolyline(points);
}
