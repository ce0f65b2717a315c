#pragma once

#include <string>

#include "Dm/ScalePoint.h"
#include "platform/Object.h"
#include "platform/Point.h"

class CArchive;
class CCoordSyst;
class CDrawContext;

// One axis of a coordinate system: the line the user drew on the bitmap (pixels, y down,
// from m_LineStart where the drag began to m_LineEnd where it ended), its two scale points
// (owned members) and whether its scale is logarithmic. An axis whose line has an end at
// pixel (0, 0) counts as having no line. The angle is the line's direction in radians, in
// (-pi/2, pi/2]. Owned by its coordinate system, which it points back to.
class CAxe : public CObject {
    DECLARE_SERIAL(CAxe)
public:
    explicit CAxe(CCoordSyst* pCoordSyst = nullptr, const std::string& strName = std::string());
    CAxe(const CAxe&) = delete;
    CAxe& operator=(const CAxe&) = delete;

    // Copies everything but the owner; the scale points stay bound to this axis.
    void CopyFrom(const CAxe& other);
    CCoordSyst* GetCoordSyst() const { return m_pCoordSyst; }
    void SetCoordSyst(CCoordSyst* pCoordSyst) { m_pCoordSyst = pCoordSyst; }

    // A new line: the scale points already placed are projected onto it, the curves of the
    // coordinate system become modified and its transform is recomputed.
    void SetLine(const CPoint& start, const CPoint& end);
    CPoint GetLineStart() const { return m_LineStart; }
    CPoint GetLineEnd() const { return m_LineEnd; }
    bool HasLine() const;
    bool IsDefined() const { return m_bDefined; }

    void SetLogarithmic(bool bLogarithmic);
    bool IsLogarithmic() const { return m_bLogarithmic; }

    const std::string& GetName() const { return m_strName; }
    void SetName(const std::string& strName) { m_strName = strName; }

    CScalePoint& GetScalePoint1() { return m_ScalePoint1; }
    CScalePoint& GetScalePoint2() { return m_ScalePoint2; }
    const CScalePoint& GetScalePoint1() const { return m_ScalePoint1; }
    const CScalePoint& GetScalePoint2() const { return m_ScalePoint2; }
    bool IsComplete() const { return m_ScalePoint1.IsComplete() && m_ScalePoint2.IsComplete(); }

    // Recomputes the angle from the line, projects the scale points again and recomputes
    // m_bDefined. Returns the angle.
    double ComputeAngle();
    double GetAngle() const { return m_dAngle; }

    // Whether the segment from a to b runs parallel to this axis; true without a line.
    bool IsParallelTo(const CPoint& a, const CPoint& b) const;

    // The checks both fronts apply before they change an axis. Each returns the string id
    // of the refusal the user is shown, or 0 when the input is taken.
    // A line from start to end for an axis beside `other`: its ends equal, an end at the
    // corner pixel (the model's mark of no line) or parallel to the other axis's line.
    static unsigned CheckLine(const CPoint& start, const CPoint& end, const CAxe& other);
    // Scale point nIndex (1 or 2) picked at `picked`: refused when its projection onto the
    // line falls on the other scale point.
    unsigned CheckScalePoint(int nIndex, const CPoint& picked) const;
    // The scale as far as it is set: two positioned points on one pixel, then two valued
    // points of one value, then a value <= 0 on a logarithmic scale.
    unsigned CheckScale(bool bLogarithmic) const;

    // The line as drawn: extended to the origin of the coordinate system when the origin
    // lies beyond an end. False without a line.
    bool GetDrawnLine(CPoint& start, CPoint& end) const;
    // Within 2 pixels of the drawn line, between its ends.
    bool HitTest(const CPoint& p) const;
    // The drawn line, then the second and the first scale point, with the current pen.
    void Draw(CDrawContext& dc) const;

    void Serialize(CArchive& ar) override;

private:
    void Changed();

    CCoordSyst* m_pCoordSyst = nullptr;
    CScalePoint m_ScalePoint1;
    CScalePoint m_ScalePoint2;
    bool m_bLogarithmic = false;
    std::string m_strName;
    CPoint m_LineEnd;
    CPoint m_LineStart;
    bool m_bDefined = false;
    double m_dAngle = 0.0;
};
