// Dragging a node of a spline curve in its construction dialog over a 4000 x 3000 picture
// shown at 100 % in a 1920 x 1080 window, against the reference of the same run: one full
// repaint of that window. Each mouse move draws the node's preview in inverted ink and has
// the view repaint only what the preview covered before and covers now; the counters give
// the painted area per move as a fraction of the window and the time per move as a
// fraction of a full repaint.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QPaintEvent>

#include "Dm/CoordSyst.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SplineCurve.h"
#include "main/frame/ClipboardPicture.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/wizard/ConstructionDialog.h"
#include "main/view/GraphMessage.h"
#include "main/view/PlotvaneView.h"
#include "main/steps/spline/SplineDialog.h"

namespace {

const QSize kWindow(1920, 1080);

// Adds up the area of every paint event the view's client gets.
class CPaintMeter : public QObject {
public:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint) {
            for (const QRect& rect : static_cast<QPaintEvent*>(pEvent)->region())
                m_nArea += static_cast<int64_t>(rect.width()) * rect.height();
        }
        return QObject::eventFilter(pWatched, pEvent);
    }
    int64_t m_nArea = 0;
};

// A picture, a coordinate system and a spline of eight nodes across the window, in its dialog
// with the Modify tool.
class CDragScene {
public:
    CDragScene()
    {
        QImage picture(4000, 3000, QImage::Format_RGB32);
        uint32_t seed = 12345;
        for (int y = 0; y < picture.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                seed = seed * 1103515245u + 12345u;
                row[x] = 0xFFC0C0C0u | (seed >> 8);
            }
        }
        m_Doc.AcceptScannedBitmap(CClipboardPicture::ToPackedDib(picture));
        m_Doc.AddCoordSyst(std::make_unique<CCoordSyst>(&m_Doc))->SetSelected(true);
        m_pView = std::make_unique<CPlotvaneView>(m_Doc, nullptr);
        m_pView->resize(kWindow);
        m_pView->show();
        QApplication::processEvents();
        m_pView->resize(2 * kWindow - m_pView->viewport()->size());
        m_pView->SetZoom(100);
        QApplication::processEvents();

        CConstructionCommands(*m_pView, m_Doc).NewCurve(CConstructionCommands::SPLINE);
        m_pDialog = dynamic_cast<CSplineDialog*>(m_pView->GetAttachedDialog());
        for (int i = 0; i < 8; ++i) {
            const CPoint node(100 + 240 * i, 300 + (i % 2) * 400);
            Send(WM_GRAPH_BUTTONDOWN, node);
            Send(WM_GRAPH_DRAG, node + CPoint(60, 0));
            Send(WM_GRAPH_BUTTONUP, node + CPoint(60, 0));
        }
        m_pDialog->OnChooseTool(4);
        m_pView->viewport()->installEventFilter(&m_Meter);
        QApplication::processEvents();
    }

    void Send(GraphMessage message, CPoint point) { m_pDialog->OnGraphMessage(message, 0, point); }
    // The anchor of the fourth node.
    static CPoint Grabbed() { return CPoint(100 + 240 * 3, 700); }

    CPlotvaneView& View() { return *m_pView; }
    bool IsGrabbed() const { return m_pDialog->GetCurve().GetActiveNode() != nullptr; }
    CPaintMeter& Meter() { return m_Meter; }
    bool IsReady() const { return m_pDialog != nullptr && m_pDialog->GetCurve().GetNodeCount() == 8; }

private:
    CPlotvaneDoc m_Doc;
    std::unique_ptr<CPlotvaneView> m_pView;
    CSplineDialog* m_pDialog = nullptr;
    CPaintMeter m_Meter;
};

CDragScene& Scene()
{
    static CDragScene scene;
    return scene;
}

double WindowArea(const CPlotvaneView& view)
{
    return static_cast<double>(view.viewport()->width()) * view.viewport()->height();
}

void BM_FullRepaintReference(benchmark::State& state)
{
    CDragScene& scene = Scene();
    scene.Meter().m_nArea = 0;
    for (auto _ : state) {
        scene.View().viewport()->update();
        QApplication::processEvents();
    }
    state.counters["area_per_window"] = static_cast<double>(scene.Meter().m_nArea) /
                                        static_cast<double>(state.iterations()) / WindowArea(scene.View());
}

void BM_SplineDragMove(benchmark::State& state)
{
    CDragScene& scene = Scene();
    if (!scene.IsReady()) {
        state.SkipWithError("the spline was not built");
        return;
    }
    scene.Send(WM_GRAPH_BUTTONDOWN, CDragScene::Grabbed());
    QApplication::processEvents();
    if (!scene.IsGrabbed()) {
        state.SkipWithError("the node was not grabbed");
        return;
    }
    scene.Meter().m_nArea = 0;
    int nStep = 0;
    for (auto _ : state) {
        // Back and forth over 40 pixels, one pixel per move.
        const int nOffset = nStep < 40 ? nStep : 80 - nStep;
        nStep = (nStep + 1) % 80;
        scene.Send(WM_GRAPH_DRAG, CDragScene::Grabbed() + CPoint(nOffset, nOffset / 2));
        QApplication::processEvents();
    }
    state.counters["area_per_window"] = static_cast<double>(scene.Meter().m_nArea) /
                                        static_cast<double>(state.iterations()) / WindowArea(scene.View());
    // The node goes back where it was, for the next run.
    scene.Send(WM_GRAPH_DRAG, CDragScene::Grabbed());
    scene.Send(WM_GRAPH_BUTTONUP, CDragScene::Grabbed());
    QApplication::processEvents();
}

}  // namespace

BENCHMARK(BM_FullRepaintReference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplineDragMove)->Unit(benchmark::kMillisecond);
