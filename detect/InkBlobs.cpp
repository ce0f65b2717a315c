#include "detect/InkBlobs.h"

#include <algorithm>

CInkBlobs::CInkBlobs(const uint8_t* pixels, int32_t width, int32_t height, int threshold)
    : m_nWidth(width), m_Labels(static_cast<size_t>(width) * height, -1)
{
    std::vector<size_t> stack;
    for (size_t start = 0; start < m_Labels.size(); ++start) {
        if (m_Labels[start] >= 0 || pixels[start] >= threshold)
            continue;
        const auto blob = static_cast<int32_t>(m_Boxes.size());
        CRect box(width, height, -1, -1);
        m_Labels[start] = blob;
        stack.push_back(start);
        while (!stack.empty()) {
            const size_t i = stack.back();
            stack.pop_back();
            const auto x = static_cast<int32_t>(i % width);
            const auto y = static_cast<int32_t>(i / width);
            box = CRect(std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                        std::max(box.bottom, y + 1));
            for (int32_t ny = std::max(y - 1, 0); ny <= std::min(y + 1, height - 1); ++ny) {
                for (int32_t nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx) {
                    const size_t j = static_cast<size_t>(ny) * width + nx;
                    if (m_Labels[j] < 0 && pixels[j] < threshold) {
                        m_Labels[j] = blob;
                        stack.push_back(j);
                    }
                }
            }
        }
        m_Boxes.push_back(box);
    }
}
