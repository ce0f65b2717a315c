// Line following along a 3-pixel-thick line across a 20,000-pixel-wide picture: the solid
// follower on a solid line and the dashed follower on a dashed one, against a plain scan that
// reads the same three rows of pixels once through the reader's ink test. Items are pixel
// columns, so items per second is columns per second and the ratio to the plain scan is the
// price of the walk (edge search, climbs, the dashed follower's look-ahead and gap search).

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bench/LinePicture.h"
#include "Dm/AbstractBmpReader.h"
#include "Dm/BmpManager.h"
#include "Dm/DashedSnail.h"
#include "Dm/SimpleSnail.h"

namespace {

using namespace benchline;

constexpr uint32_t kThreshold = 0x808080;
constexpr int kDashMaxDist = 20;

void Follow(benchmark::State& state, CSnailAlgorithm& snail)
{
    int64_t columns = 0;
    for (auto _ : state) {
        CPoint p(0, Middle(0));
        int64_t n = snail.Start(p, false) ? 1 : 0;
        while (snail.Next(p))
            ++n;
        if (n != kWidth)
            state.SkipWithError("the walk did not cross the picture");
        benchmark::DoNotOptimize(p);
        columns += n;
    }
    state.SetItemsProcessed(columns);
}

void BM_FollowSolidLine(benchmark::State& state)
{
    const auto picture = MakeLinePicture(static_cast<int>(state.range(0)), false);
    CSimpleSnail snail(*picture, kThreshold, state.range(1) != 0);
    Follow(state, snail);
}
BENCHMARK(BM_FollowSolidLine)
    ->ArgsProduct({{1, 32}, {1, 0}})
    ->ArgNames({"bpp", "top"})
    ->Unit(benchmark::kMicrosecond);

void BM_FollowDashedLine(benchmark::State& state)
{
    const auto picture = MakeLinePicture(static_cast<int>(state.range(0)), true);
    CDashedSnail snail(*picture, kThreshold, state.range(1) != 0, kDashMaxDist);
    Follow(state, snail);
}
BENCHMARK(BM_FollowDashedLine)
    ->ArgsProduct({{1, 32}, {1, 0}})
    ->ArgNames({"bpp", "top"})
    ->Unit(benchmark::kMicrosecond);

// The floor: each pixel of the line read once, through the same virtual ink test.
void BM_ScanLineRows(benchmark::State& state)
{
    const auto picture = MakeLinePicture(static_cast<int>(state.range(0)), false);
    std::vector<int32_t> middles(kWidth);
    for (int32_t x = 0; x < kWidth; ++x)
        middles[static_cast<size_t>(x)] = Middle(x);
    const CAbstractBmpReader* volatile pReader = picture->GetReader();
    for (auto _ : state) {
        const CAbstractBmpReader& reader = *pReader;
        int64_t ink = 0;
        for (int32_t x = 0; x < kWidth; ++x) {
            const int32_t mid = middles[static_cast<size_t>(x)];
            for (int32_t y = mid - 1; y <= mid + 1; ++y)
                ink += reader.IsInk(CPoint(x, y), kThreshold) ? 1 : 0;
        }
        benchmark::DoNotOptimize(ink);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth));
}
BENCHMARK(BM_ScanLineRows)->Arg(1)->Arg(32)->ArgNames({"bpp"})->Unit(benchmark::kMicrosecond);

}  // namespace
