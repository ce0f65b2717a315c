#pragma once

#include <cstddef>
#include <vector>

#include "platform/Point.h"

// The look-ahead queue of the dashed line follower: pixel points in walk order, handed out
// at the front, appended and replaced at the back. Kept in one vector with a moving front so
// that a walk allocates only while the vector grows, never a pixel: the queue stays short
// (the follower's maximum dash distance) while thousands of points pass through it.
class CSnailQueue {
public:
    bool empty() const { return m_nFront == m_Points.size(); }
    size_t size() const { return m_Points.size() - m_nFront; }
    void clear()
    {
        m_Points.clear();
        m_nFront = 0;
    }

    const CPoint& front() const { return m_Points[m_nFront]; }
    const CPoint& back() const { return m_Points.back(); }
    // Counted from the front.
    const CPoint& operator[](size_t i) const { return m_Points[m_nFront + i]; }

    void push_back(const CPoint& p) { m_Points.push_back(p); }
    void push_front(const CPoint& p)
    {
        if (m_nFront > 0)
            m_Points[--m_nFront] = p;
        else
            m_Points.insert(m_Points.begin(), p);
    }
    void pop_front()
    {
        if (++m_nFront == m_Points.size()) {
            clear();
        } else if (m_nFront >= kCompactAt && m_nFront * 2 >= m_Points.size()) {
            // Moving the live points down costs no more than the pops that preceded it.
            m_Points.erase(m_Points.begin(), m_Points.begin() + static_cast<std::ptrdiff_t>(m_nFront));
            m_nFront = 0;
        }
    }
    // Removes count points from the back (all of them when count exceeds the size).
    void pop_back(size_t count)
    {
        const size_t n = count < size() ? count : size();
        m_Points.resize(m_Points.size() - n);
        if (empty())
            clear();
    }

private:
    static constexpr size_t kCompactAt = 1024;

    std::vector<CPoint> m_Points;
    size_t m_nFront = 0;
};
