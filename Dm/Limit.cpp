#include <memory>

#include "Dm/Limit.h"

#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CLimit, CCurveElement, 1)

void CLimit::SetValue(double dValue)
{
    m_dValue = dValue;
    m_bValued = true;
    CurveChanged();
}

bool CLimit::ClearValue()
{
    const bool bPrevious = m_bValued;
    m_bValued = false;
    CurveChanged();
    return bPrevious;
}

void CLimit::CurveChanged()
{
    if (m_pCurve != nullptr)
        m_pCurve->SetModified(true);
}

int CLimit::Classify(const CPoint& p) const
{
    return HitTest(p.x, p.y) ? kOn : kOutside;
}

bool CLimit::CutAt(int /*x*/, bool /*bKeepRight*/)
{
    return true;
}

bool CLimit::HitTest(int x, int y) const
{
    const CCoordSyst* pCoordSyst = m_pCurve != nullptr ? m_pCurve->GetCoordSyst() : nullptr;
    if (pCoordSyst == nullptr)
        return false;
    bool bBeyond = pCoordSyst->PixelToGraph(x, y).x < m_dValue;
    if (!m_bLeft)
        bBeyond = !bBeyond;
    if (pCoordSyst->IsXReversed())
        bBeyond = !bBeyond;
    return bBeyond;
}

std::unique_ptr<CCurveElement> CLimit::Clone(CContinuousCurve* pCurve) const
{
    std::unique_ptr<CLimit> pClone(new CLimit(*this));
    pClone->m_pNext = pClone->m_pPrev = nullptr;
    pClone->m_pCurve = pCurve;
    return pClone;
}

void CLimit::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDword(m_bLeft ? 1 : 0);
        ar.WriteDword(m_bValued ? 1 : 0);
        ar.WriteDouble(m_dValue);
    } else {
        m_bLeft = ar.ReadDword() != 0;
        m_bValued = ar.ReadDword() != 0;
        m_dValue = ar.ReadDouble();
    }
}
