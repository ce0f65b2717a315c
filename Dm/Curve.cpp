#include "Dm/Curve.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "Dm/CoordSyst.h"
#include "Dm/DocumentLink.h"
#include "Dm/Geometry.h"
#include "Dm/Results.h"
#include "platform/Archive.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

IMPLEMENT_DYNAMIC(CCurve, CObject)

CCurve::CCurve()
{
    InitNew();
}

CCurve::CCurve(CCoordSyst* pCoordSyst) : m_pCoordSyst(pCoordSyst)
{
    InitNew();
}

CCurve::CCurve(const CCurve& other) : CObject(other)
{
    CopyFrom(other);
}

CCurve::~CCurve() = default;

void CCurve::InitNew()
{
    CDocumentLink* pDoc = GetDocument();
    m_nNumber = pDoc != nullptr ? pDoc->CurveCounter() : 1;
    m_Color = pDoc != nullptr ? pDoc->GetColor(m_nNumber) : 0x0000FF;
    m_strName = CStringTable::Get(IDS_CURVE) + " " + std::to_string(m_nNumber);
}

void CCurve::CopyFrom(const CCurve& other)
{
    if (&other == this)
        return;
    m_strName = other.m_strName;
    m_nNumber = other.m_nNumber;
    m_pCoordSyst = other.m_pCoordSyst;
    m_bSelected = other.m_bSelected;
    m_Color = other.m_Color;
    m_bModified = other.m_bModified;
    m_CurvePoints = other.m_CurvePoints;
    SetResults(other.m_pResults != nullptr ? other.m_pResults->Clone() : nullptr);
}

CDocumentLink* CCurve::GetDocument() const
{
    return m_pCoordSyst != nullptr ? m_pCoordSyst->GetDocument() : nullptr;
}

void CCurve::SetName(const std::string& strName)
{
    m_strName = strName;
    SetModified(true);
}

bool CCurve::SetModified(bool bModified)
{
    const bool bPrevious = m_bModified;
    m_bModified = bModified;
    // A curve that stays unmodified changes nothing the document must look at again (it
    // looks through every curve: clearing the flags of n unmodified curves, as an export of
    // a document just read does, would look through n^2).
    if (!bModified && !bPrevious)
        return bPrevious;
    if (CDocumentLink* pDoc = GetDocument())
        pDoc->UpdateModifiedFlag();
    return bPrevious;
}

void CCurve::SetResults(std::unique_ptr<CResults> pResults)
{
    m_pResults = std::move(pResults);
    if (m_pResults != nullptr)
        m_pResults->SetCurve(this);
}

void CCurve::SortPointsByX()
{
    if (m_CurvePoints.size() < 2 || m_pCoordSyst == nullptr)
        return;

    // Each point is converted once; a stable sort gives the order of an insertion sort that
    // moves a point before the first one of strictly greater X. Splicing keeps the nodes.
    std::vector<std::pair<double, PointList::iterator>> keys;
    keys.reserve(m_CurvePoints.size());
    for (auto it = m_CurvePoints.begin(); it != m_CurvePoints.end(); ++it) {
        double x = m_pCoordSyst->PixelToGraph(it->x, it->y).x;
        // A broken transform must not break the ordering the sort relies on.
        if (std::isnan(x))
            x = HUGE_VAL;
        keys.emplace_back(x, it);
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& key : keys)
        m_CurvePoints.splice(m_CurvePoints.end(), m_CurvePoints, key.second);

    SetModified(true);
}

std::optional<int> CCurve::TakeLoadedCurveCounter()
{
    std::optional<int> value = m_LoadedCurveCounter;
    m_LoadedCurveCounter.reset();
    return value;
}

void CCurve::SerializeBase(CArchive& ar)
{
    if (ar.IsStoring()) {
        CDocumentLink* pDoc = GetDocument();
        ar.WriteDword(m_Color);
        ar.WriteString(m_strName);
        ar.WriteInt(m_nNumber);
        // Without a document the counter stands after this curve, so that numbering
        // continues without a repeat once the file is read back.
        ar.WriteInt(pDoc != nullptr ? pDoc->CurveCounter() : m_nNumber + 1);
        ar.WriteDword(m_bSelected ? 1 : 0);
        ar.WriteDword(static_cast<uint32_t>(m_CurvePoints.size()));
        for (const CPoint& p : m_CurvePoints)
            ar.WritePoint(p);
        ar.WriteObject(m_pResults.get());
        return;
    }

    m_Color = ar.ReadDword();
    m_strName = ar.ReadString();
    m_nNumber = ar.ReadInt();
    const int nCounter = ar.ReadInt();
    if (CDocumentLink* pDoc = GetDocument())
        pDoc->SetCurveCounter(nCounter);
    else
        m_LoadedCurveCounter = nCounter;
    m_bSelected = ar.ReadDword() != 0;
    const uint32_t nCount = ar.ReadDword();
    ar.CheckCount(nCount, 8);
    m_CurvePoints.clear();
    // A damaged coordinate could make the subtraction of two neighbours overflow.
    for (uint32_t i = 0; i < nCount; ++i)
        m_CurvePoints.push_back(ClampDocumentPoint(ar.ReadPoint()));

    // Anything but a results object is read and dropped. The archive refuses references to
    // objects read earlier, so what it returns here is new and ours.
    std::unique_ptr<CObject> pObject = ar.ReadObject(nullptr);
    if (pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CResults)))
        SetResults(StaticDowncast<CResults>(std::move(pObject)));
    else
        SetResults(nullptr);
}
