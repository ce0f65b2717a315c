// Rebuild of a continuous curve traced along a 3-pixel-thick line across a 20,000-pixel-wide
// picture from one genesis point, with smart thickness compensation: a solid line with the
// solid follower and a dashed line with the dashed follower. Against a plain scan reading the
// same three rows once through the bitmap manager's ink test, and the sub-pixel centre line of
// the solid line's curve against its rebuild. Items are pixel columns, so
// items per second is columns per second. Also the sorting of a curve's points by graph X.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "bench/LinePicture.h"
#include "Dm/AbstractThicknessCorrector.h"
#include "Dm/BmpManager.h"
#include "Dm/CentreLineRefiner.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/DocumentLink.h"
#include "Dm/Limit.h"

namespace {

using namespace benchline;

constexpr int kDashMaxDist = 20;

// The document as the curve sees it: the bitmap and nothing else of interest.
class CBenchDocument : public CDocumentLink {
public:
    explicit CBenchDocument(bool bDashed) : m_pBmpManager(MakeLinePicture(32, bDashed)) {}
    int CoordSystCounter() const override { return 1; }
    void SetCoordSystCounter(int) override {}
    int CurveCounter() const override { return 1; }
    void SetCurveCounter(int) override {}
    COLORREF GetColor(int) const override { return 0x0000FF; }
    void UpdateModifiedFlag() override {}
    CBmpManager* GetBmpManager() const override { return m_pBmpManager.get(); }

private:
    std::unique_ptr<CBmpManager> m_pBmpManager;
};

// Graph X = pixel x, graph Y = pixel y.
void BuildPixelCoordSyst(CCoordSyst& cs)
{
    cs.GetXAxe().SetLine(CPoint(0, 1), CPoint(1000, 1));
    cs.GetYAxe().SetLine(CPoint(1, 0), CPoint(1, 1000));
    cs.ComputeOrigin();
    cs.GetXAxe().GetScalePoint1().SetPosition(CPoint(1, 1));
    cs.GetXAxe().GetScalePoint1().SetValue(1);
    cs.GetXAxe().GetScalePoint2().SetPosition(CPoint(1001, 1));
    cs.GetXAxe().GetScalePoint2().SetValue(1001);
    cs.GetYAxe().GetScalePoint1().SetPosition(CPoint(1, 1));
    cs.GetYAxe().GetScalePoint1().SetValue(1);
    cs.GetYAxe().GetScalePoint2().SetPosition(CPoint(1, 1001));
    cs.GetYAxe().GetScalePoint2().SetValue(1001);
}

// A curve over the document's line traced from one genesis point in the middle; null, with
// the benchmark skipped, when the trace does not cross the picture.
CContinuousCurve* TraceAcross(benchmark::State& state, CCoordSyst& cs, bool bDashed)
{
    BuildPixelCoordSyst(cs);
    auto* pCurve = cs.AddCurve(std::make_unique<CContinuousCurve>(&cs));
    pCurve->SetFollowTop(true);
    pCurve->SetDashed(bDashed);
    pCurve->SetDashMaxDist(kDashMaxDist);
    pCurve->GetThicknessCorrector()->SetThickness(3);
    pCurve->GetLeftLimit()->SetValue(-1);
    pCurve->GetRightLimit()->SetValue(kWidth);
    const int32_t x = kWidth / 2;
    if (pCurve->AddGenesisPoint(CPoint(x, Middle(x))) != CContinuousCurve::GenesisOutcome::Added ||
        pCurve->GetPointCount() < static_cast<size_t>(kWidth) - 2) {
        state.SkipWithError("the curve does not cross the picture");
        return nullptr;
    }
    return pCurve;
}

void Rebuild(benchmark::State& state, bool bDashed)
{
    CBenchDocument doc(bDashed);
    CCoordSyst cs(&doc);
    CContinuousCurve* pCurve = TraceAcross(state, cs, bDashed);
    if (pCurve == nullptr)
        return;
    for (auto _ : state) {
        pCurve->Rebuild();
        benchmark::DoNotOptimize(pCurve->GetPoints().back());
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kWidth});
}

void BM_RebuildSolidLine(benchmark::State& state)
{
    Rebuild(state, false);
}
BENCHMARK(BM_RebuildSolidLine)->Unit(benchmark::kMicrosecond);

void BM_RebuildDashedLine(benchmark::State& state)
{
    Rebuild(state, true);
}
BENCHMARK(BM_RebuildDashedLine)->Unit(benchmark::kMicrosecond);

// The sub-pixel centre line of the solid line's curve against the rebuild of the same curve,
// both timed in each iteration: the counter "refine_per_rebuild" is the ratio of their
// times, which the machine's speed does not change.
void BM_RefineCentreLineAgainstRebuild(benchmark::State& state)
{
    CBenchDocument doc(false);
    CCoordSyst cs(&doc);
    CContinuousCurve* pCurve = TraceAcross(state, cs, false);
    if (pCurve == nullptr)
        return;
    pCurve->SetCentreRefined(true);
    std::vector<CSubpixelPoint> centreLine;
    double dRebuild = 0;
    double dRefine = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pCurve->Rebuild();
        const auto rebuilt = std::chrono::steady_clock::now();
        pCurve->RefineCentreLine(centreLine);
        const auto refined = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(centreLine.back());
        dRebuild += std::chrono::duration<double>(rebuilt - start).count();
        dRefine += std::chrono::duration<double>(refined - rebuilt).count();
    }
    state.counters["refine_per_rebuild"] = dRefine / dRebuild;
    state.SetItemsProcessed(state.iterations() * int64_t{kWidth});
}
BENCHMARK(BM_RefineCentreLineAgainstRebuild)->Unit(benchmark::kMicrosecond);

// The floor: each pixel of the three rows of the line read once through the bitmap manager's
// ink test, as line following reads them.
void BM_ScanThreeRows(benchmark::State& state)
{
    const auto picture = MakeLinePicture(32, false);
    std::vector<int32_t> middles(kWidth);
    for (int32_t x = 0; x < kWidth; ++x)
        middles[static_cast<size_t>(x)] = Middle(x);
    const uint32_t threshold = CContinuousCurve::kDefaultThreshold;
    const CBmpManager* volatile pManager = picture.get();
    for (auto _ : state) {
        const CBmpManager& manager = *pManager;
        int64_t ink = 0;
        for (int32_t x = 0; x < kWidth; ++x) {
            const int32_t mid = middles[static_cast<size_t>(x)];
            for (int32_t y = mid - 1; y <= mid + 1; ++y)
                ink += manager.IsInk(CPoint(x, y), threshold) ? 1 : 0;
        }
        benchmark::DoNotOptimize(ink);
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kWidth});
}
BENCHMARK(BM_ScanThreeRows)->Unit(benchmark::kMicrosecond);

// CCurve::SortPointsByX on 10,000 points in random order (a discrete curve's points).
void BM_SortPointsByX(benchmark::State& state)
{
    CCoordSyst cs;
    BuildPixelCoordSyst(cs);
    CContinuousCurve curve(&cs);
    CCurve::PointList shuffled;
    std::mt19937 random(7);
    for (int i = 0; i < 10000; ++i)
        shuffled.emplace_back(static_cast<int32_t>(random() % 5000), static_cast<int32_t>(random() % 1000));
    for (auto _ : state) {
        state.PauseTiming();
        curve.GetPoints() = shuffled;
        state.ResumeTiming();
        curve.SortPointsByX();
        benchmark::DoNotOptimize(curve.GetPoints().front());
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_SortPointsByX)->Unit(benchmark::kMicrosecond);

}  // namespace
