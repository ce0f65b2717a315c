#pragma once

#include "platform/Object.h"
#include "platform/Point.h"

class CArchive;
class CAxe;
class CDrawContext;

// A point of known value on an axis. The user picks a pixel (m_Picked, bitmap pixels, y
// down) and enters a value in graph units (the value itself, not its logarithm on a
// logarithmic axis). m_Position is the picked pixel projected perpendicularly onto the
// axis line; it is recomputed from the line, never stored. Owned by its axis, which it
// points back to.
class CScalePoint : public CObject {
    DECLARE_SERIAL(CScalePoint)
public:
    explicit CScalePoint(CAxe* pAxe = nullptr) : m_pAxe(pAxe) {}
    CScalePoint(const CScalePoint&) = delete;
    CScalePoint& operator=(const CScalePoint&) = delete;

    // Copies the flags, the value and the pixels; the owning axis stays.
    void CopyFrom(const CScalePoint& other);
    void SetAxe(CAxe* pAxe) { m_pAxe = pAxe; }
    CAxe* GetAxe() const { return m_pAxe; }

    // Each change marks the curves of the coordinate system modified and recomputes its
    // transform.
    void SetPosition(const CPoint& picked);
    void SetValue(double dValue);
    // Returns the previous flag.
    bool ClearValue();

    // 0.0 until a value is entered.
    double GetValue() const { return m_bValued ? m_dValue : 0.0; }
    // The projection on the axis, (0, 0) until a pixel is picked.
    CPoint GetPosition() const { return m_bPositioned ? m_Position : CPoint(); }
    CPoint GetPicked() const { return m_Picked; }
    bool IsPositioned() const { return m_bPositioned; }
    bool IsValued() const { return m_bValued; }
    bool IsComplete() const { return m_bPositioned && m_bValued; }

    // Projects the picked pixel again onto the current axis line.
    void Reproject();

    // A tick across the axis and, once valued, the value as a label.
    void Draw(CDrawContext& dc) const;

    void Serialize(CArchive& ar) override;

private:
    void Changed();

    CAxe* m_pAxe = nullptr;
    bool m_bPositioned = false;
    CPoint m_Position;
    bool m_bValued = false;
    double m_dValue = 0.0;
    CPoint m_Picked;
};
