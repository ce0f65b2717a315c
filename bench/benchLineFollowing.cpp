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

#include "Dm/AbstractBmpReader.h"
#include "Dm/BmpManager.h"
#include "Dm/DashedSnail.h"
#include "Dm/SimpleSnail.h"

namespace {

constexpr int32_t kWidth = 20000;
constexpr int32_t kHeight = 64;
constexpr uint32_t kThreshold = 0x808080;
constexpr int kDashMaxDist = 20;

// The middle row of the line: a slow wave, so that the walk climbs up and down.
int32_t Middle(int32_t x)
{
    return kHeight / 2 + static_cast<int32_t>(std::lround(20.0 * std::sin(x / 400.0)));
}

// Dashes of 12 columns with gaps of 5.
bool InDash(int32_t x)
{
    return x % 17 < 12;
}

// The picture as a scanner would hand it over (a packed bitmap, bottom-up rows): white, with
// a black line 3 pixels thick; the bitmap manager makes its reader for the depth.
std::unique_ptr<CBmpManager> MakePicture(int bpp, bool bDashed)
{
    const size_t stride = (static_cast<size_t>(kWidth) * bpp + 31) / 32 * 4;
    std::vector<uint8_t> dib(40);
    auto put = [&dib](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            dib[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    put(0, 40);
    put(4, kWidth);
    put(8, kHeight);
    dib[12] = 1;
    dib[14] = static_cast<uint8_t>(bpp);
    if (bpp == 1) {
        const uint8_t palette[8] = {0, 0, 0, 0, 255, 255, 255, 0};
        dib.insert(dib.end(), palette, palette + 8);
    }
    const size_t bitsAt = dib.size();
    dib.resize(bitsAt + stride * kHeight, 0xFF);
    for (int32_t x = 0; x < kWidth; ++x) {
        if (bDashed && !InDash(x))
            continue;
        for (int32_t y = Middle(x) - 1; y <= Middle(x) + 1; ++y) {
            uint8_t* row = dib.data() + bitsAt + static_cast<size_t>(kHeight - 1 - y) * stride;
            if (bpp == 1)
                row[x >> 3] &= static_cast<uint8_t>(~(0x80 >> (x & 7)));
            else
                row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = 0;
        }
    }
    auto manager = std::make_unique<CBmpManager>();
    if (!manager->SetFromScannedDib(dib.data(), dib.size()))
        std::abort();
    return manager;
}

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
    const auto picture = MakePicture(static_cast<int>(state.range(0)), false);
    CSimpleSnail snail(*picture, kThreshold, state.range(1) != 0);
    Follow(state, snail);
}
BENCHMARK(BM_FollowSolidLine)
    ->ArgsProduct({{1, 32}, {1, 0}})
    ->ArgNames({"bpp", "top"})
    ->Unit(benchmark::kMicrosecond);

void BM_FollowDashedLine(benchmark::State& state)
{
    const auto picture = MakePicture(static_cast<int>(state.range(0)), true);
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
    const auto picture = MakePicture(static_cast<int>(state.range(0)), false);
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
