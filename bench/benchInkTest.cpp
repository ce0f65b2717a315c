// The ink test over every pixel of a picture, through the bitmap manager's reader (a virtual
// call a pixel, as line following and densitometry make it) against a plain scan of the
// same bytes that a compiler can vectorise: the price of the reader indirection.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "Dm/24BitsBmpReader.h"
#include "Dm/AbstractBmpReader.h"
#include "Dm/Color256BmpReader.h"
#include "Dm/MonochromaticBmpReader.h"
#include "Dm/RealColorBmpReader.h"
#include "imaging/Bmp.h"

namespace {

constexpr int32_t kWidth = 2000;
constexpr int32_t kHeight = 1500;
constexpr uint32_t kThreshold = 0x808080;

// A scanned-graph-like picture: mostly white with dark grid lines and a noisy curve.
void Fill(PLBmp& bmp)
{
    uint32_t seed = 12345;
    for (int32_t y = 0; y < bmp.GetHeight(); ++y) {
        uint8_t* row = bmp.GetRow(y);
        for (int32_t x = 0; x < bmp.GetWidth(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const bool dark = x % 100 == 0 || y % 100 == 0 || (seed >> 24) < 8;
            const uint8_t level =
                dark ? static_cast<uint8_t>(seed >> 26) : static_cast<uint8_t>(200 + (seed >> 27));
            switch (bmp.GetBitsPerPixel()) {
                case 1:
                    if (dark)
                        row[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
                    break;
                case 8:
                    row[x] = level;
                    break;
                case 24:
                    row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = level;
                    break;
                default:
                    row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = level;
                    row[4 * x + 3] = 0xFF;
            }
        }
    }
    if (bmp.GetBitsPerPixel() == 8)
        bmp.SetGrayPalette();
    else if (bmp.GetBitsPerPixel() == 1) {
        bmp.SetPaletteEntry(0, 255, 255, 255);
        bmp.SetPaletteEntry(1, 0, 0, 0);
    }
}

std::unique_ptr<CAbstractBmpReader> MakeReader(PLBmp& bmp)
{
    switch (bmp.GetBitsPerPixel()) {
        case 1:
            return std::make_unique<CMonochromaticBmpReader>(bmp);
        case 8:
            return std::make_unique<CColor256BmpReader>(bmp);
        case 24:
            return std::make_unique<C24BitsBmpReader>(bmp);
        default:
            return std::make_unique<CRealColorBmpReader>(bmp);
    }
}

void BM_InkTestThroughReader(benchmark::State& state)
{
    PLBmp bmp;
    bmp.Create(kWidth, kHeight, static_cast<int>(state.range(0)));
    Fill(bmp);
    const std::unique_ptr<CAbstractBmpReader> reader = MakeReader(bmp);
    // Called through the base, as the manager does: the compiler cannot devirtualise it.
    const CAbstractBmpReader* volatile pReader = reader.get();
    for (auto _ : state) {
        const CAbstractBmpReader& r = *pReader;
        int64_t ink = 0;
        for (int32_t y = 0; y < kHeight; ++y) {
            for (int32_t x = 0; x < kWidth; ++x)
                ink += r.IsInk(CPoint(x, y), kThreshold) ? 1 : 0;
        }
        benchmark::DoNotOptimize(ink);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}
BENCHMARK(BM_InkTestThroughReader)->Arg(1)->Arg(8)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);

// The same answers straight from the bytes: the floor the readers are measured against.
void BM_InkTestPlainScan(benchmark::State& state)
{
    PLBmp bmp;
    const int bpp = static_cast<int>(state.range(0));
    bmp.Create(kWidth, kHeight, bpp);
    Fill(bmp);
    const uint8_t tb = kThreshold & 0xFF;
    const uint8_t tg = (kThreshold >> 8) & 0xFF;
    const uint8_t tr = (kThreshold >> 16) & 0xFF;
    for (auto _ : state) {
        int64_t ink = 0;
        for (int32_t y = 0; y < kHeight; ++y) {
            const uint8_t* row = bmp.GetRow(y);
            if (bpp == 32) {
                for (int32_t x = 0; x < kWidth; ++x, row += 4)
                    ink += (row[0] <= tb) & (row[1] <= tg) & (row[2] <= tr);
            } else if (bpp == 24) {
                for (int32_t x = 0; x < kWidth; ++x, row += 3)
                    ink += (row[0] <= tb) & (row[1] <= tg) & (row[2] <= tr);
            } else if (bpp == 8) {
                const uint8_t* pal = bmp.GetPalette();
                for (int32_t x = 0; x < kWidth; ++x) {
                    const uint8_t* e = pal + 4 * row[x];
                    ink += (e[0] <= tb) & (e[1] <= tg) & (e[2] <= tr);
                }
            } else {
                for (int32_t x = 0; x < kWidth; ++x)
                    ink += (row[x >> 3] >> (7 - (x & 7))) & 1;
            }
        }
        benchmark::DoNotOptimize(ink);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}
BENCHMARK(BM_InkTestPlainScan)->Arg(1)->Arg(8)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);

}  // namespace
