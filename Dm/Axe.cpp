#include "Dm/Axe.h"

#include <cmath>
#include <cstdlib>

#include "Dm/CoordSyst.h"
#include "Dm/Geometry.h"
#include "platform/Archive.h"
#include "platform/DrawContext.h"
#include "platform/StringIds.h"

IMPLEMENT_SERIAL(CAxe, CObject, 1)

namespace {

constexpr double kPi = 3.14159265358979323846;
// How far from the drawn line, in pixels per coordinate, a click still hits the axis.
constexpr int64_t kHitDistance = 2;

// Whether the directions a->b and c->d are parallel. On pixel positions the cross product
// is a whole number, so the test is exact.
bool AreParallel(const CPoint& a, const CPoint& b, const CPoint& c, const CPoint& d)
{
    const double ux = static_cast<double>(b.x) - a.x;
    const double uy = static_cast<double>(b.y) - a.y;
    const double vx = static_cast<double>(d.x) - c.x;
    const double vy = static_cast<double>(d.y) - c.y;
    return ux * vy - uy * vx == 0.0;
}

}  // namespace

CAxe::CAxe(CCoordSyst* pCoordSyst, const std::string& strName)
    : m_pCoordSyst(pCoordSyst), m_ScalePoint1(this), m_ScalePoint2(this), m_strName(strName)
{
}

void CAxe::CopyFrom(const CAxe& other)
{
    if (&other == this)
        return;
    m_ScalePoint1.CopyFrom(other.m_ScalePoint1);
    m_ScalePoint2.CopyFrom(other.m_ScalePoint2);
    m_bLogarithmic = other.m_bLogarithmic;
    m_strName = other.m_strName;
    m_LineEnd = other.m_LineEnd;
    m_LineStart = other.m_LineStart;
    m_bDefined = other.m_bDefined;
    m_dAngle = other.m_dAngle;
}

void CAxe::Changed()
{
    if (m_pCoordSyst != nullptr)
        m_pCoordSyst->SetCurvesModified(true);
}

void CAxe::SetLine(const CPoint& start, const CPoint& end)
{
    m_LineStart = start;
    m_LineEnd = end;
    // The projections are brought up to date before the transform is recomputed, so that
    // the transform never mixes the new line with positions on the old one.
    ComputeAngle();
    Changed();
}

bool CAxe::HasLine() const
{
    return m_LineStart != CPoint() && m_LineEnd != CPoint();
}

void CAxe::SetLogarithmic(bool bLogarithmic)
{
    m_bLogarithmic = bLogarithmic;
    Changed();
}

double CAxe::ComputeAngle()
{
    const double dx = static_cast<double>(m_LineEnd.x) - m_LineStart.x;
    const double dy = static_cast<double>(m_LineEnd.y) - m_LineStart.y;
    if (!HasLine())
        m_dAngle = 0.0;
    else if (std::fabs(dx) <= 0.00001)
        m_dAngle = kPi / 2;
    else
        m_dAngle = std::atan(dy / dx);

    m_ScalePoint2.Reproject();
    m_ScalePoint1.Reproject();
    m_bDefined = m_LineStart.x != 0 || m_LineStart.y != 0 || m_LineEnd.x != 0 || m_LineEnd.y != 0;
    return m_dAngle;
}

bool CAxe::IsParallelTo(const CPoint& a, const CPoint& b) const
{
    return !HasLine() || AreParallel(a, b, m_LineStart, m_LineEnd);
}

unsigned CAxe::CheckLine(const CPoint& start, const CPoint& end, const CAxe& other)
{
    if (start == end)
        return IDS_AXIS_ENDS_EQUAL;
    if (start == CPoint() || end == CPoint())
        return IDS_AXIS_AT_CORNER;
    if (other.IsDefined() && AreParallel(start, end, other.m_LineStart, other.m_LineEnd))
        return IDS_AXES_PARALLEL;
    return 0;
}

unsigned CAxe::CheckScalePoint(int nIndex, const CPoint& picked) const
{
    const CScalePoint& other = nIndex == 1 ? m_ScalePoint2 : m_ScalePoint1;
    if (other.IsPositioned() && ProjectOnLine(m_LineStart, m_LineEnd, picked) == other.GetPosition())
        return IDS_SCALE_POINTS_EQUAL;
    return 0;
}

unsigned CAxe::CheckScale(bool bLogarithmic) const
{
    const CScalePoint& point1 = m_ScalePoint1;
    const CScalePoint& point2 = m_ScalePoint2;
    if (point1.IsPositioned() && point2.IsPositioned() && point1.GetPosition() == point2.GetPosition())
        return IDS_SCALE_POINTS_EQUAL;
    if (point1.IsValued() && point2.IsValued() && point1.GetValue() == point2.GetValue())
        return IDS_SCALE_VALUES_EQUAL;
    if (bLogarithmic &&
        ((point1.IsValued() && point1.GetValue() <= 0) || (point2.IsValued() && point2.GetValue() <= 0)))
        return IDS_LOG_VALUES_POSITIVE;
    return 0;
}

bool CAxe::GetDrawnLine(CPoint& start, CPoint& end) const
{
    if (!HasLine())
        return false;
    start = m_LineStart;
    end = m_LineEnd;
    if (m_pCoordSyst != nullptr && m_pCoordSyst->IsOriginComputed()) {
        const CPoint origin = m_pCoordSyst->GetOrigin();
        const double t = LineParameter(m_LineStart, m_LineEnd, origin);
        if (t < 0)
            start = origin;
        else if (t > 1)
            end = origin;
    }
    return true;
}

bool CAxe::HitTest(const CPoint& p) const
{
    CPoint a;
    CPoint b;
    if (!GetDrawnLine(a, b))
        return false;
    const double s = LineParameter(a, b, p);
    if (!(s >= 0 && s <= 1))
        return false;
    const CPoint q = ProjectOnLine(a, b, p);
    return std::llabs(static_cast<int64_t>(q.x) - p.x) <= kHitDistance &&
           std::llabs(static_cast<int64_t>(q.y) - p.y) <= kHitDistance;
}

void CAxe::Draw(CDrawContext& dc) const
{
    CPoint start;
    CPoint end;
    if (!GetDrawnLine(start, end))
        return;
    dc.MoveTo(start);
    dc.LineTo(end);
    m_ScalePoint2.Draw(dc);
    m_ScalePoint1.Draw(dc);
}

void CAxe::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WritePoint(m_LineStart);
        ar.WritePoint(m_LineEnd);
        ar.WriteDword(m_bLogarithmic ? 1 : 0);
        ar.WriteString(m_strName);
        m_ScalePoint2.Serialize(ar);
        m_ScalePoint1.Serialize(ar);
    } else {
        m_LineStart = ar.ReadPoint();
        m_LineEnd = ar.ReadPoint();
        m_bLogarithmic = ar.ReadDword() != 0;
        m_strName = ar.ReadString();
        m_ScalePoint2.Serialize(ar);
        m_ScalePoint1.Serialize(ar);
    }
}
