#pragma once

#include <QWidget>

class CDensityCurve;
class QPainter;

// The window "Densitometry preview": the density sampled along the segment of a curve,
// plotted over a white background between the two scale values, with the graph position of
// the segment's ends under the horizontal axis. Resizable, repainted on every resize. It
// belongs to the densitometry dialog, with which it goes, and tells when it closes (Closed,
// the program's message 114).
class CDensitoPreviewWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr unsigned WM_DENSITO_PREVIEW_CLOSED = 114;

    // Space left of the vertical axis, either side of the plot and around it, in pixels.
    static constexpr int kLeftMargin = 80;
    static constexpr int kSideMargin = 50;
    static constexpr int kTopMargin = 20;

    // pDialog: the dialog it belongs to.
    CDensitoPreviewWnd(QWidget* pDialog, CDensityCurve& curve);

    // Paints the plot of curve's samples into the client rectangle; nothing when the plot
    // would be less than 30 pixels wide or high.
    static void Paint(QPainter& painter, const QRect& client, const CDensityCurve& curve);

signals:
    void Closed();

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;

private:
    CDensityCurve& m_Curve;
};
