#include "Dm/ScalePoint.h"

#include <cmath>
#include <cstdint>

#include "Dm/Axe.h"
#include "Dm/CoordSyst.h"
#include "Dm/Geometry.h"
#include "platform/Archive.h"
#include "platform/DrawContext.h"
#include "platform/NumberFormat.h"

IMPLEMENT_SERIAL(CScalePoint, CObject, 1)

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kTickHalfLength = 5;
constexpr int kLabelDistance = 10;

// p moved by (dx, dy), kept within the pixel range whatever a document held.
CPoint Offset(const CPoint& p, int64_t dx, int64_t dy)
{
    auto clamp = [](int64_t v) {
        return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : v));
    };
    return {clamp(p.x + dx), clamp(p.y + dy)};
}

}  // namespace

void CScalePoint::CopyFrom(const CScalePoint& other)
{
    m_bPositioned = other.m_bPositioned;
    m_Position = other.m_Position;
    m_bValued = other.m_bValued;
    m_dValue = other.m_dValue;
    m_Picked = other.m_Picked;
}

void CScalePoint::Changed()
{
    if (m_pAxe != nullptr && m_pAxe->GetCoordSyst() != nullptr)
        m_pAxe->GetCoordSyst()->SetCurvesModified(true);
}

void CScalePoint::SetPosition(const CPoint& picked)
{
    m_Picked = picked;
    m_bPositioned = true;
    // Projected before the curves are told, so that the transform they trigger already
    // uses the new position.
    Reproject();
    Changed();
}

void CScalePoint::SetValue(double dValue)
{
    m_dValue = dValue;
    m_bValued = true;
    Changed();
}

bool CScalePoint::ClearValue()
{
    const bool bPrevious = m_bValued;
    m_bValued = false;
    Changed();
    return bPrevious;
}

void CScalePoint::Reproject()
{
    if (!m_bPositioned || m_pAxe == nullptr)
        return;
    m_Position = ProjectOnLine(m_pAxe->GetLineStart(), m_pAxe->GetLineEnd(), m_Picked);
}

void CScalePoint::Draw(CDrawContext& dc) const
{
    if (!m_bPositioned)
        return;
    const double dAngle = m_pAxe != nullptr ? m_pAxe->GetAngle() : 0.0;
    const double theta = dAngle + kPi / 2;
    const auto c = static_cast<int32_t>(kTickHalfLength * std::cos(theta));
    const auto s = static_cast<int32_t>(kTickHalfLength * std::sin(theta));
    const CPoint& p = m_Position;
    dc.MoveTo(Offset(p, c, s));
    dc.LineTo(Offset(p, -c, -s));

    if (!m_bValued)
        return;
    // Near-horizontal axes get their labels below the tick, steeper ones to its left.
    if (std::fabs(dAngle) < std::acos(0.707))
        dc.TextOut(Offset(p, 0, kLabelDistance), FormatG(m_dValue), CDrawContext::HAlign::Center,
                   CDrawContext::VAlign::Top);
    else
        dc.TextOut(Offset(p, -kLabelDistance, 0), FormatG(m_dValue), CDrawContext::HAlign::Right,
                   CDrawContext::VAlign::Bottom);
}

void CScalePoint::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDword(m_bValued ? 1 : 0);
        ar.WriteDword(m_bPositioned ? 1 : 0);
        ar.WritePoint(m_Picked);
        ar.WriteDouble(m_dValue);
    } else {
        m_bValued = ar.ReadDword() != 0;
        m_bPositioned = ar.ReadDword() != 0;
        m_Picked = ar.ReadPoint();
        m_dValue = ar.ReadDouble();
        // The projection is not stored: the axis recomputes it once its line is known.
        m_Position = m_Picked;
    }
}
