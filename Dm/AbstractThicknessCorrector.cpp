#include "Dm/AbstractThicknessCorrector.h"

#include "Dm/ContinuousCurve.h"
#include "platform/Archive.h"

IMPLEMENT_DYNAMIC(CAbstractThicknessCorrector, CObject)

void CAbstractThicknessCorrector::SetThickness(int nThickness)
{
    m_nThickness = nThickness;
    CurveChanged();
}

void CAbstractThicknessCorrector::CurveChanged()
{
    if (m_pCurve != nullptr)
        m_pCurve->SetModified(true);
}

void CAbstractThicknessCorrector::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar.WriteInt(m_nThickness);
    else
        m_nThickness = ar.ReadInt();
}
