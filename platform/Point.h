#pragma once

#include <cstdint>

// A pixel position on the bitmap: origin at the top-left pixel, y growing downwards.
// Stored in files as two signed 32-bit integers, x first.
struct CPoint {
    int32_t x = 0;
    int32_t y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int32_t px, int32_t py) : x(px), y(py) {}

    friend constexpr bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
    friend constexpr bool operator!=(const CPoint& a, const CPoint& b) { return !(a == b); }
    friend constexpr CPoint operator+(const CPoint& a, const CPoint& b) { return {a.x + b.x, a.y + b.y}; }
    friend constexpr CPoint operator-(const CPoint& a, const CPoint& b) { return {a.x - b.x, a.y - b.y}; }
};

// A rectangle in pixels; right and bottom are exclusive.
struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    friend constexpr bool operator==(const CRect& a, const CRect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

// Drawing colour word 0x00BBGGRR (red in the low byte). Not the pixel word layout.
using COLORREF = uint32_t;

constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b)
{
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
