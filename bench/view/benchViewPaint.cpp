// Painting the graph view of a 100-megapixel picture (10000 x 10000, 24 bits) with ten
// traced curves over it into a 1920 x 1080 window, at 100 %, 400 % and fit zoom, and scrolling by
// one step, against the reference of the same run: filling the window's 1920 x 1080
// pixels once with QPainter. A frame must stay under 8 ms at each zoom: the view paints
// only what is visible and never converts the whole picture per paint.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include "Dm/CoordSyst.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/frame/ClipboardPicture.h"
#include "main/view/PlotvaneView.h"

namespace {

constexpr int32_t kSide = 10000;
const QSize kWindow(1920, 1080);

// The document and its view, made once for every benchmark.
class CViewScene {
public:
    CViewScene()
    {
        // A picture that no run-length or block trick makes cheap, handed over as a scan.
        QImage picture(kSide, kSide, QImage::Format_RGB32);
        uint32_t seed = 12345;
        for (int y = 0; y < kSide; ++y) {
            auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < kSide; ++x) {
                seed = seed * 1103515245u + 12345u;
                row[x] = 0xFFC0C0C0u | (seed >> 8);
            }
        }
        const std::vector<uint8_t> dib = CClipboardPicture::ToPackedDib(picture);
        picture = QImage();
        m_Doc.AcceptScannedBitmap(dib);

        auto* pCoordSyst = m_Doc.AddCoordSyst(std::make_unique<CCoordSyst>(&m_Doc));
        for (int c = 0; c < 10; ++c) {
            // A traced curve across the whole picture: a point in every column.
            auto* pCurve = pCoordSyst->AddCurve(std::make_unique<CContinuousCurve>(pCoordSyst));
            for (int x = kSide - 1; x >= 0; --x)
                pCurve->SetPoint(x, static_cast<int>(kSide / 2 + (kSide / 3) * std::sin(x / 700.0 + c)));
        }
        m_pView = std::make_unique<CPlotvaneView>(m_Doc, nullptr);
        m_pView->resize(kWindow);
        m_pView->show();
        QApplication::processEvents();
        // The scroll bars take their room: the window grows so that the picture gets 1920 x 1080.
        m_pView->resize(2 * kWindow - m_pView->viewport()->size());
        QApplication::processEvents();
        m_Frame = QImage(m_pView->viewport()->size(), QImage::Format_RGB32);
    }

    void Paint() { m_pView->viewport()->render(&m_Frame); }
    CPlotvaneView& View() { return *m_pView; }
    QImage& Frame() { return m_Frame; }

private:
    CPlotvaneDoc m_Doc;
    std::unique_ptr<CPlotvaneView> m_pView;
    QImage m_Frame;
};

CViewScene& Scene()
{
    static CViewScene scene;
    return scene;
}

void BM_FillWindowReference(benchmark::State& state)
{
    QImage& frame = Scene().Frame();
    state.SetLabel(std::to_string(frame.width()) + "x" + std::to_string(frame.height()));
    for (auto _ : state) {
        QPainter painter(&frame);
        painter.fillRect(frame.rect(), QColor(0x80, 0x90, 0xA0));
    }
}

void BM_PaintView(benchmark::State& state)
{
    CViewScene& scene = Scene();
    scene.View().SetZoom(static_cast<int>(state.range(0)));
    scene.View().horizontalScrollBar()->setValue(scene.View().horizontalScrollBar()->maximum() / 2);
    scene.View().verticalScrollBar()->setValue(scene.View().verticalScrollBar()->maximum() / 2);
    for (auto _ : state)
        scene.Paint();
}

void BM_ScrollOneStep(benchmark::State& state)
{
    CViewScene& scene = Scene();
    scene.View().SetZoom(100);
    QScrollBar* pBar = scene.View().verticalScrollBar();
    pBar->setValue(0);
    for (auto _ : state) {
        pBar->setValue(pBar->value() + pBar->singleStep());
        scene.Paint();
    }
}

}  // namespace

BENCHMARK(BM_FillWindowReference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintView)->Arg(100)->Arg(400)->Arg(-1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollOneStep)->Unit(benchmark::kMillisecond);
