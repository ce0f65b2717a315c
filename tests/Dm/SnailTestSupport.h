#pragma once

// Pictures and walks for the line-following tests and benchmark: bitmaps made in memory the
// way a scanner hands them over (through CBmpManager::SetFromScannedDib), and a walk that
// collects what a follower produces.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Dm/BmpManager.h"
#include "Dm/SnailAlgorithm.h"
#include "PackedDib.h"

// Ink is black, background white; a threshold between them.
constexpr uint32_t kSnailThreshold = 0x808080;

// A bitmap of the given depth (1, 8 or 32 bits) whose pixel (x, y) is ink when isInk says
// so. At 1 and 8 bits the padding at the end of each row is ink (palette entry 0 is
// black): a reader that strays past the right edge of a row sees a line there, so the walk
// shows it. Null when the manager refuses the bitmap.
inline std::unique_ptr<CBmpManager> MakeSnailBitmap(int32_t width, int32_t height, int bpp,
                                                    const std::function<bool(int32_t, int32_t)>& isInk)
{
    const size_t stride = (static_cast<size_t>(width) * static_cast<size_t>(bpp) + 31) / 32 * 4;
    std::vector<uint8_t> bits(stride * static_cast<size_t>(height), 0);
    std::vector<uint8_t> palette;
    if (bpp == 1) {
        palette = {0, 0, 0, 0, 255, 255, 255, 0};
    } else if (bpp == 8) {
        for (int i = 0; i < 256; ++i)
            palette.insert(palette.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
    }
    for (int32_t y = 0; y < height; ++y) {
        // Packed bitmaps are stored bottom-up.
        uint8_t* row = bits.data() + static_cast<size_t>(height - 1 - y) * stride;
        for (int32_t x = 0; x < width; ++x) {
            const bool ink = isInk(x, y);
            if (bpp == 1) {
                if (!ink)
                    row[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
            } else if (bpp == 8) {
                row[x] = ink ? 0 : 255;
            } else {
                const uint8_t level = ink ? 0 : 255;
                row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = level;
                row[4 * x + 3] = 0xFF;
            }
        }
    }
    const std::vector<uint8_t> dib = PackedDib(width, height, bpp, palette, bits);
    auto manager = std::make_unique<CBmpManager>();
    if (!manager->SetFromScannedDib(dib.data(), dib.size()))
        return nullptr;
    return manager;
}

// A bitmap drawn as text, top row first: '#' is ink, anything else background. Rows are as
// wide as the first one.
inline std::unique_ptr<CBmpManager> MakeSnailBitmap(const std::vector<std::string>& rows, int bpp = 1)
{
    const int32_t width = rows.empty() ? 0 : static_cast<int32_t>(rows[0].size());
    return MakeSnailBitmap(width, static_cast<int32_t>(rows.size()), bpp, [&rows](int32_t x, int32_t y) {
        return x < static_cast<int32_t>(rows[y].size()) && rows[y][x] == '#';
    });
}

// The start point (when Start finds ink) and every point Next produces, in walk order; at most
// limit points from Next, so that a follower that does not stop cannot hang the test.
inline std::vector<CPoint> SnailWalk(CSnailAlgorithm& snail, CPoint start, bool bLeftwards,
                                     size_t limit = 100000)
{
    std::vector<CPoint> points;
    if (snail.Start(start, bLeftwards))
        points.push_back(start);
    CPoint p;
    while (points.size() <= limit && snail.Next(p))
        points.push_back(p);
    return points;
}

// The y of each point, for compact expectations.
inline std::vector<int32_t> SnailRows(const std::vector<CPoint>& points)
{
    std::vector<int32_t> rows;
    for (const CPoint& p : points)
        rows.push_back(p.y);
    return rows;
}
