#include "detect/TickLabelFinder.h"

#include <algorithm>
#include <cmath>

#include "detect/GreyPicture.h"
#include "detect/InkBlobs.h"

namespace {

// The patches of ink of a region of the picture, in picture coordinates, but for what the
// region's edges cut through (a spine, a curve).
std::vector<CRect> Characters(const CGreyPicture& picture, const CRect& region)
{
    const CRect r(std::max(region.left, 0), std::max(region.top, 0),
                  std::min(region.right, picture.GetWidth()), std::min(region.bottom, picture.GetHeight()));
    std::vector<CRect> boxes;
    if (r.IsEmpty())
        return boxes;
    std::vector<uint8_t> grey(static_cast<size_t>(r.Width()) * r.Height());
    for (int32_t y = 0; y < r.Height(); ++y) {
        for (int32_t x = 0; x < r.Width(); ++x)
            grey[static_cast<size_t>(y) * r.Width() + x] = picture.At(r.left + x, r.top + y);
    }
    const CInkBlobs blobs(grey.data(), r.Width(), r.Height(), picture.GetInkThreshold());
    for (const CRect& b : blobs.GetBoxes()) {
        if (b.left == 0 || b.top == 0 || b.right == r.Width() || b.bottom == r.Height())
            continue;
        boxes.emplace_back(b.left + r.left, b.top + r.top, b.right + r.left, b.bottom + r.top);
    }
    return boxes;
}

CRect Union(const CRect& a, const CRect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// Joins characters on one line of text (overlapping rows) that stand closer than a fraction
// of its height into words.
std::vector<CRect> Words(std::vector<CRect> chars)
{
    bool joined = true;
    while (joined) {
        joined = false;
        for (size_t i = 0; i < chars.size() && !joined; ++i) {
            for (size_t j = i + 1; j < chars.size() && !joined; ++j) {
                const CRect& a = chars[i];
                const CRect& b = chars[j];
                const int32_t overlap = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
                const int32_t height = std::max(a.Height(), b.Height());
                const int32_t gap = std::max(a.left, b.left) - std::min(a.right, b.right);
                if (overlap > 0 && 5 * gap <= 3 * height + 5) {
                    chars[i] = Union(a, b);
                    chars.erase(chars.begin() + static_cast<std::ptrdiff_t>(j));
                    joined = true;
                }
            }
        }
    }
    return chars;
}

// How far out of the line a box begins: below a horizontal line, left of a vertical one,
// measured from the line where the box stands (a turned line's place changes along it).
double Depth(const CAxisLine& line, const CRect& r)
{
    if (line.vertical)
        return line.Across((r.top + r.bottom - 1) / 2.0) - (r.right - 1);
    return r.top - line.Across((r.left + r.right - 1) / 2.0);
}

// The characters of the region that stand clear of the line and its ticks.
std::vector<CRect> CharactersOff(const CGreyPicture& picture, const CAxisLine& line, const CRect& region,
                                 int clear)
{
    std::vector<CRect> chars = Characters(picture, region);
    const double minDepth = line.thickness / 2 + clear + 1;
    chars.erase(
        std::remove_if(chars.begin(), chars.end(), [&](const CRect& c) { return Depth(line, c) < minDepth; }),
        chars.end());
    return chars;
}

// The characters of the first row of text out of a horizontal line: those whose rows meet the
// band that begins with the character of at least three pixels nearest the line.
std::vector<CRect> FirstRow(const CAxisLine& line, const std::vector<CRect>& chars, int32_t& height)
{
    std::vector<CRect> row;
    double top = -1;
    for (const CRect& c : chars) {
        if (c.Height() >= 3 && (top < 0 || Depth(line, c) < top))
            top = Depth(line, c);
    }
    if (top < 0)
        return row;
    double bottom = top;
    for (const CRect& c : chars) {
        const double d = Depth(line, c);
        if (d <= top + 2 && c.Height() >= 3)
            bottom = std::max(bottom, d + c.Height());
    }
    for (const CRect& c : chars) {
        const double d = Depth(line, c);
        if (d < bottom && d + c.Height() > top) {
            row.push_back(c);
            bottom = std::max(bottom, d + c.Height());
        }
    }
    height = static_cast<int32_t>(std::lround(bottom - top));
    return row;
}

CTickLabelFinder::CBoxes BelowLine(const CGreyPicture& picture, const CAxisLine& line, int clear)
{
    CTickLabelFinder::CBoxes boxes;
    const int32_t length = line.Length();
    const int32_t reach = std::max(40, picture.GetHeight() / 8);
    const double shallowest = std::min(line.Across(line.start), line.Across(line.end));
    const double deepest = std::max(line.Across(line.start), line.Across(line.end));
    const auto top = static_cast<int32_t>(std::floor(shallowest));
    const CRect region(line.start - length / 10, top, line.end + length / 10,
                       static_cast<int32_t>(std::ceil(deepest)) + reach);
    int32_t height = 0;
    const std::vector<CRect> row = FirstRow(line, CharactersOff(picture, line, region, clear), height);
    if (row.empty())
        return boxes;
    boxes.labels = Words(row);
    // A multiplier or offset text stands under the labels at the axis's right end.
    int32_t bottom = 0;
    for (const CRect& c : row) {
        if (c.right >= line.end - length / 4)
            bottom = std::max(bottom, c.bottom);
    }
    if (bottom > 0)
        boxes.extras = Words(Characters(picture, CRect(line.end - length / 4, bottom + 1,
                                                       line.end + length / 10, bottom + 3 * height + 4)));
    return boxes;
}

CTickLabelFinder::CBoxes LeftOfLine(const CGreyPicture& picture, const CAxisLine& line, int clear)
{
    CTickLabelFinder::CBoxes boxes;
    const int32_t length = line.Length();
    const double leftmost = std::min(line.Across(line.start), line.Across(line.end));
    const double rightmost = std::max(line.Across(line.start), line.Across(line.end));
    const auto right = static_cast<int32_t>(std::ceil(rightmost)) + 1;
    const int32_t reach = std::max(60, picture.GetWidth() / 5);
    const CRect region(static_cast<int32_t>(leftmost) - reach, line.start - length / 10, right,
                       line.end + length / 10);
    std::vector<CRect> words = Words(CharactersOff(picture, line, region, clear));
    words.erase(std::remove_if(words.begin(), words.end(), [](const CRect& w) { return w.Height() < 3; }),
                words.end());
    if (words.empty())
        return boxes;
    // The labels stand nearest the axis, flush right: an axis title stands farther out.
    std::vector<int32_t> heights;
    double nearest = Depth(line, words.front());
    for (const CRect& w : words) {
        nearest = std::min(nearest, Depth(line, w));
        heights.push_back(w.Height());
    }
    std::nth_element(heights.begin(), heights.begin() + heights.size() / 2, heights.end());
    const int32_t height = heights[heights.size() / 2];
    for (const CRect& w : words) {
        if (Depth(line, w) <= nearest + height && w.Height() <= 3 * height)
            boxes.labels.push_back(w);
    }
    // A multiplier or offset text stands above the axis's top end.
    const auto top = static_cast<int32_t>(line.start);
    const auto x = static_cast<int32_t>(line.Across(line.start));
    boxes.extras =
        Words(Characters(picture, CRect(x - reach / 2, top - 4 * height - 4, x + length / 3, top - 1)));
    return boxes;
}

}  // namespace

CTickLabelFinder::CBoxes CTickLabelFinder::Find(const CGreyPicture& picture, const CAxisLine& line,
                                                int nClear)
{
    return line.vertical ? LeftOfLine(picture, line, nClear) : BelowLine(picture, line, nClear);
}
